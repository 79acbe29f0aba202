// The message queue of one view. The window's thread (or a test) posts input; the view's thread
// waits and takes messages, exactly as the demonstrations' pauses expect. On a virtual clock a
// wait that would block jumps the clock to the next timer or scripted input instead.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <optional>

#include "platform/Clock.h"
#include "platform/FunctionRef.h"
#include "platform/Messages.h"

namespace dulm {

// Thrown by every wait of a view whose window is closing; unwinding it ends the view's run.
struct ViewClosed {};

// What the view's thread is doing, for tests that run it to a given point.
enum class Activity {
    Running,    // working, or about to look at new input
    Quiescent,  // waiting for input with no timer running and no scripted input left
    Horizon,    // waiting for a timer or input that lies beyond the horizon
    Ended,      // the thread has finished
};

class MessageQueue {
public:
    // Each PeekMessage on a virtual clock costs this much virtual time, so that scripted input
    // reaches a run that never waits.
    static constexpr std::int64_t kVirtualPeekCostUs = 10;

    explicit MessageQueue(Clock& clock);

    // Any thread.
    void Post(const MSG& m);
    void PostAt(std::int64_t atUs, const MSG& m);  // delivered once the clock reaches atUs
    void RequestClose();
    bool Closing() const;

    // The view's thread. All three throw ViewClosed once the view is closing.
    void WaitMessage();
    // Takes the next message, if any (PM_REMOVE). On a virtual clock a run that finds nothing
    // once the clock has passed the horizon rests there, like a wait, until the horizon moves:
    // a run spinning on the queue is reported at the horizon instead of running on forever.
    bool PeekMessage(MSG& m);
    // The same for the view's own message loop, which never spins (it waits when it has nothing
    // to do): it never rests, so that input due at the horizon is handled and painted.
    bool TakeMessage(MSG& m);
    void SetTimer(unsigned id, unsigned intervalMs);
    void KillTimer(unsigned id);
    // Lets `us` microseconds pass without taking a message: input arriving meanwhile stays queued.
    // On the real clock the thread sleeps until the deadline; on a virtual clock the clock moves
    // on by `us`, unless that lies beyond the horizon, where the thread rests like any wait until
    // the horizon moves. Throws ViewClosed once the view is closing, before or during the pause.
    void Sleep(std::int64_t us);

    // Blocks the view's thread until ready() holds (checked under the queue's lock) or the view
    // closes (then throws ViewClosed). Whoever makes ready() true calls Notify().
    template <class Ready>
    void WaitUntil(Ready ready) {
        std::unique_lock lock(m_mutex);
        m_cv.wait(lock, [&] { return m_closing || ready(); });
        if (m_closing) throw ViewClosed{};
    }
    void Notify();

    // Any thread but the view's: calls read() while the view's thread is parked in a wait or a
    // pause, under the queue's lock, so that the thread cannot go on (nor draw, nor change its
    // members) before read() returns. Waits up to `patience` for the thread to park; false when
    // it did not (a run that never waits, a dialog showing) or the thread has ended.
    bool WhileParked(std::chrono::milliseconds patience, FunctionRef<void()> read);
    std::mutex& Mutex() { return m_mutex; }

    // Tests: how far the virtual clock may run, waiting until the view's thread rests, and whether
    // the view has a timer running.
    void SetHorizon(std::int64_t us);
    // Moves the horizon back to the present while the view's thread rests, so that input posted
    // before the next SetHorizon cannot run the view on past the time a test last looked at.
    void HoldAtPresent();
    Activity WaitUntilResting();
    // What the view's thread is doing now; on the real clock Quiescent while it waits for input.
    Activity CurrentActivity() const;
    void MarkEnded();
    // A queue on a virtual clock, while its view's thread rests: the clock lets go and runs on in
    // real time, and the queue waits as on the steady clock from now on.
    void ContinueInRealTime();
    bool TimerRunning() const;

private:
    bool TakeAvailable(MSG& m);  // caller holds the lock
    void UpdateQuietUntil();     // caller holds the lock, after changing what the queue holds
    void RestAtHorizon(std::unique_lock<std::mutex>& lock);
    std::optional<std::int64_t> NextEventUs() const;
    void WaitForEvent(std::unique_lock<std::mutex>& lock);
    // The view's thread waits on the condition; readers waiting in WhileParked are told.
    template <class Wait>
    auto Park(Wait wait);

    const Clock& m_clock;
    VirtualClock* m_virtual;
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<MSG> m_posted;
    std::multimap<std::int64_t, MSG> m_scheduled;
    std::optional<std::int64_t> m_timerDueUs;
    std::int64_t m_timerIntervalUs = 0;
    bool m_closing = false;
    bool m_parked = false;  // the view's thread waits on m_cv
    int m_readers = 0;      // threads waiting in WhileParked
    std::int64_t m_horizonUs = INT64_MAX;
    Activity m_activity = Activity::Running;
    // The latest time up to which PeekMessage finds nothing (and, on a virtual clock, need not
    // rest at the horizon): before the earliest timer or scripted input and, on a virtual clock,
    // not past the horizon; the lowest value while input is posted or the view is closing. Kept
    // with the state it follows, under the lock, so that a PeekMessage of the view's thread
    // that comes before it answers without the lock.
    std::atomic<std::int64_t> m_quietUntilUs{INT64_MAX};
};

}  // namespace dulm

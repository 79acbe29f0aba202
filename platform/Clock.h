// Time for a view: the steady clock in the program, a virtual clock in tests. time() and clock()
// read the clock of the calling view's thread, so that a test fixes the seeds the views derive.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

namespace dulm {

class Clock {
public:
    virtual ~Clock() = default;
    // Microseconds since the clock started.
    virtual std::int64_t NowUs() const = 0;
    // What time(NULL) returns: seconds since the epoch.
    virtual long Seconds() const = 0;
};

class SteadyClock final : public Clock {
public:
    SteadyClock();
    std::int64_t NowUs() const override;
    long Seconds() const override;

private:
    std::chrono::steady_clock::time_point m_start;
};

// Moves only when told to: a wait that would block jumps to the next event instead. Once let go
// it runs on in real time from where it stood, so that a window prepared on the virtual clock
// then lives on like any other.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(long startSeconds = 0) : m_startSeconds(startSeconds) {}
    std::int64_t NowUs() const override {
        const std::int64_t now = m_nowUs.load(std::memory_order_acquire);
        if (!m_released.load(std::memory_order_acquire)) return now;
        return now + std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - m_releasedAt)
                         .count();
    }
    long Seconds() const override { return m_startSeconds + static_cast<long>(NowUs() / 1000000); }
    void AdvanceTo(std::int64_t us);
    void Advance(std::int64_t us) { AdvanceTo(NowUs() + us); }
    // From now on the clock follows real time; AdvanceTo no longer moves it.
    void Release();
    bool Released() const { return m_released.load(std::memory_order_acquire); }

private:
    long m_startSeconds;
    std::atomic<std::int64_t> m_nowUs{0};
    std::chrono::steady_clock::time_point m_releasedAt;  // written once, before m_released
    std::atomic<bool> m_released{false};
};

// The clock of the calling thread (a view's thread sets its own; others see the steady clock).
void SetThreadClock(const Clock* clock);
const Clock& ThreadClock();

// The run-time library's time(NULL) and clock() (milliseconds), read from the thread's clock.
long time(std::nullptr_t);
long clock();

}  // namespace dulm

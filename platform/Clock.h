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

// Moves only when told to: a wait that would block jumps to the next event instead.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(long startSeconds = 0) : m_startSeconds(startSeconds) {}
    std::int64_t NowUs() const override { return m_nowUs.load(std::memory_order_acquire); }
    long Seconds() const override { return m_startSeconds + static_cast<long>(NowUs() / 1000000); }
    void AdvanceTo(std::int64_t us);
    void Advance(std::int64_t us) { AdvanceTo(NowUs() + us); }

private:
    long m_startSeconds;
    std::atomic<std::int64_t> m_nowUs{0};
};

// The clock of the calling thread (a view's thread sets its own; others see the steady clock).
void SetThreadClock(const Clock* clock);
const Clock& ThreadClock();

// The run-time library's time(NULL) and clock() (milliseconds), read from the thread's clock.
long time(std::nullptr_t);
long clock();

}  // namespace dulm

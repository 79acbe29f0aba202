#include "platform/Clock.h"

#include "platform/RunMemory.h"

#include <ctime>

namespace dulm {

SteadyClock::SteadyClock() : m_start(std::chrono::steady_clock::now()) {}

std::int64_t SteadyClock::NowUs() const {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - m_start)
        .count();
}

long SteadyClock::Seconds() const { return static_cast<long>(std::time(nullptr)); }

void VirtualClock::AdvanceTo(std::int64_t us) {
    if (Released()) return;
    std::int64_t now = m_nowUs.load(std::memory_order_acquire);
    while (us > now && !m_nowUs.compare_exchange_weak(now, us, std::memory_order_acq_rel)) {
    }
}

void VirtualClock::Release() {
    if (Released()) return;
    m_releasedAt = std::chrono::steady_clock::now();
    m_released.store(true, std::memory_order_release);
}

namespace {

const Clock& ProcessClock() {
    static const SteadyClock clock;
    return clock;
}

thread_local const Clock* t_clock = nullptr;

}  // namespace

void SetThreadClock(const Clock* clock) { t_clock = clock; }

const Clock& ThreadClock() { return t_clock ? *t_clock : ProcessClock(); }

// A window opened from a saved run gets the run's seed (see RunMemory).
long time(std::nullptr_t) {
    const long now = ThreadClock().Seconds();
    RunMemory* memory = CurrentRunMemory();
    return memory ? memory->Seed(now) : now;
}

long clock() { return static_cast<long>(ThreadClock().NowUs() / 1000); }

}  // namespace dulm

#include "platform/Waits.h"

#include <algorithm>
#include <climits>

#include "platform/Clock.h"
#include "platform/ViewHost.h"

namespace dulm {

namespace {

// What CalibrateDelay reports on the virtual clock, where a pause costs no real time.
constexpr int kVirtualDelayPerMs = 100'000;

}  // namespace

MSG PumpUntil(FunctionRef<bool(const MSG&)> last) {
    for (;;) {
        WaitMessage();
        MSG m;
        if (!PeekMessage(m)) continue;
        DispatchMessage(m);
        if (last(m)) return m;
    }
}

MSG WaitKeyUp() {
    return PumpUntil([](const MSG& m) { return m.message == WM_KEYUP; });
}

ScopedTimer::ScopedTimer(unsigned intervalMs, unsigned id) : m_queue(CurrentHost().Queue()), m_id(id) {
    m_queue.SetTimer(m_id, intervalMs);
}

ScopedTimer::~ScopedTimer() { m_queue.KillTimer(m_id); }

void WaitTimer(unsigned ms) {
    const ScopedTimer timer(ms);
    PumpUntil([](const MSG& m) { return m.message == WM_TIMER; });
}

MSG WaitTimerOrClick(unsigned ms) {
    const ScopedTimer timer(ms);
    return PumpUntil([](const MSG& m) { return m.message == WM_TIMER || m.message == WM_LBUTTONDOWN; });
}

int CalibrateDelay() {
    const MessageQueue& queue = CurrentHost().Queue();
    if (queue.Closing()) throw ViewClosed{};
    if (dynamic_cast<const VirtualClock*>(&ThreadClock())) return kVirtualDelayPerMs;
    for (std::int64_t n = 2'000'000;; n *= 10) {
        if (queue.Closing()) throw ViewClosed{};
        // Start on a fresh tick of clock(), so that the loop is measured from a tick's edge.
        const long t0 = clock();
        long t1 = t0;
        while (t1 == t0) t1 = clock();
        volatile std::int64_t counter = 0;
        for (std::int64_t i = 0; i < n; ++i) counter = counter + 1;
        const long t2 = clock();
        if (t2 > t1) return static_cast<int>(std::clamp<std::int64_t>(n / (t2 - t1), 1, INT_MAX));
    }
}

void BusyDelay(std::int64_t iterations, int perMs) {
    MessageQueue& queue = CurrentHost().Queue();
    if (perMs <= 0 || iterations <= 0) {
        queue.Sleep(0);  // still a wait: throws when the window is closing
        return;
    }
    // iterations * 1000 / perMs, without overflowing for long pauses.
    const std::int64_t wholeMs = std::min<std::int64_t>(iterations / perMs, INT64_MAX / 1000 - 1);
    queue.Sleep(wholeMs * 1000 + iterations % perMs * 1000 / perMs);
}

}  // namespace dulm

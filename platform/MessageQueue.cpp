#include "platform/MessageQueue.h"

#include <algorithm>
#include <chrono>

namespace dulm {

namespace {

constexpr std::int64_t kLongestSleepUs = std::int64_t(1) << 50;  // about 35 years

}  // namespace

MessageQueue::MessageQueue(Clock& clock) : m_clock(clock), m_virtual(dynamic_cast<VirtualClock*>(&clock)) {}

void MessageQueue::Post(const MSG& m) {
    {
        std::lock_guard lock(m_mutex);
        m_posted.push_back(m);
        UpdateQuietUntil();
        if (m_activity != Activity::Ended) m_activity = Activity::Running;
    }
    m_cv.notify_all();
}

void MessageQueue::PostAt(std::int64_t atUs, const MSG& m) {
    {
        std::lock_guard lock(m_mutex);
        m_scheduled.emplace(atUs, m);
        UpdateQuietUntil();
        if (m_activity != Activity::Ended) m_activity = Activity::Running;
    }
    m_cv.notify_all();
}

void MessageQueue::RequestClose() {
    {
        std::lock_guard lock(m_mutex);
        m_closing = true;
        UpdateQuietUntil();
    }
    m_cv.notify_all();
}

bool MessageQueue::Closing() const {
    std::lock_guard lock(m_mutex);
    return m_closing;
}

void MessageQueue::Notify() { m_cv.notify_all(); }

void MessageQueue::UpdateQuietUntil() {
    std::int64_t quiet = INT64_MIN;
    if (!m_closing && m_posted.empty()) {
        const std::optional<std::int64_t> next = NextEventUs();
        quiet = !next ? INT64_MAX : *next == INT64_MIN ? INT64_MIN : *next - 1;
        if (m_virtual) quiet = std::min(quiet, m_horizonUs);
    }
    m_quietUntilUs.store(quiet, std::memory_order_release);
}

// Posted input first, then scripted input that is due, then the timer, as the old queue ranked them.
bool MessageQueue::TakeAvailable(MSG& m) {
    const std::int64_t now = m_clock.NowUs();
    while (!m_scheduled.empty() && m_scheduled.begin()->first <= now) {
        m_posted.push_back(m_scheduled.begin()->second);
        m_scheduled.erase(m_scheduled.begin());
    }
    if (!m_posted.empty()) {
        m = m_posted.front();
        m_posted.pop_front();
        UpdateQuietUntil();
        return true;
    }
    if (m_timerDueUs && *m_timerDueUs <= now) {
        m = MSG{WM_TIMER, 1};
        // Periodic from when it was set; ticks missed while the view was busy are not made up.
        *m_timerDueUs += m_timerIntervalUs;
        if (*m_timerDueUs <= now) m_timerDueUs = now + m_timerIntervalUs;
        UpdateQuietUntil();
        return true;
    }
    return false;
}

std::optional<std::int64_t> MessageQueue::NextEventUs() const {
    std::optional<std::int64_t> next = m_timerDueUs;
    if (!m_scheduled.empty()) next = std::min(next.value_or(INT64_MAX), m_scheduled.begin()->first);
    return next;
}

bool MessageQueue::TakeMessage(MSG& m) {
    std::lock_guard lock(m_mutex);
    if (m_closing) throw ViewClosed{};
    if (m_virtual) m_virtual->Advance(kVirtualPeekCostUs);
    return TakeAvailable(m);
}

bool MessageQueue::PeekMessage(MSG& m) {
    // Nothing posted, not closing, no timer or scripted input due by the time this look ends and,
    // on a virtual clock, not past the horizon then: the answer is no, as it would be under the
    // lock at this moment. Only the view's thread moves a virtual clock, so the look's cost can
    // be counted here as well as under the lock.
    const std::int64_t quietUntilUs = m_quietUntilUs.load(std::memory_order_acquire);
    if (m_virtual) {
        if (m_virtual->NowUs() + kVirtualPeekCostUs <= quietUntilUs) {
            m_virtual->Advance(kVirtualPeekCostUs);
            return false;
        }
    } else if (quietUntilUs == INT64_MAX || m_clock.NowUs() <= quietUntilUs) {
        return false;  // nothing will ever be due without a post: no need to read the clock
    }

    std::unique_lock lock(m_mutex);
    if (m_closing) throw ViewClosed{};
    if (!m_virtual) return TakeAvailable(m);
    m_virtual->Advance(kVirtualPeekCostUs);
    if (TakeAvailable(m)) return true;
    if (m_clock.NowUs() <= m_horizonUs) return false;
    while (m_clock.NowUs() > m_horizonUs) RestAtHorizon(lock);
    return TakeAvailable(m);
}

// The view's thread rests until a test moves the horizon; throws ViewClosed if the view closes.
template <class Wait>
auto MessageQueue::Park(Wait wait) {
    struct Parked {
        bool& parked;
        ~Parked() { parked = false; }
    } parked{m_parked = true};
    if (m_readers > 0) m_cv.notify_all();
    return wait();
}

bool MessageQueue::WhileParked(std::chrono::milliseconds patience, FunctionRef<void()> read) {
    std::unique_lock lock(m_mutex);
    ++m_readers;
    const bool parked = m_cv.wait_for(lock, patience, [&] { return m_parked || m_activity == Activity::Ended; });
    --m_readers;
    if (!parked || m_activity == Activity::Ended || m_closing) return false;
    read();
    return true;
}

void MessageQueue::RestAtHorizon(std::unique_lock<std::mutex>& lock) {
    m_activity = Activity::Horizon;
    m_cv.notify_all();
    Park([&] { m_cv.wait(lock); });
    if (m_closing) throw ViewClosed{};
}

void MessageQueue::WaitMessage() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        if (m_closing) throw ViewClosed{};
        const std::int64_t now = m_clock.NowUs();
        const bool timerDue = m_timerDueUs && *m_timerDueUs <= now;
        const bool scheduledDue = !m_scheduled.empty() && m_scheduled.begin()->first <= now;
        if (!m_posted.empty() || timerDue || scheduledDue) return;
        WaitForEvent(lock);
    }
}

// Nothing is available: block until something can be. A virtual clock jumps to the next event
// unless it lies beyond the horizon, where the thread rests until a test moves the horizon.
void MessageQueue::WaitForEvent(std::unique_lock<std::mutex>& lock) {
    const std::optional<std::int64_t> next = NextEventUs();
    if (m_virtual) {
        if (next && *next <= m_horizonUs) {
            m_virtual->AdvanceTo(*next);
            return;
        }
        m_activity = next ? Activity::Horizon : Activity::Quiescent;
        m_cv.notify_all();
        Park([&] { m_cv.wait(lock); });
        return;
    }
    if (next) {
        const auto delay = std::chrono::microseconds(std::max<std::int64_t>(0, *next - m_clock.NowUs()));
        Park([&] { m_cv.wait_for(lock, delay); });
    } else {
        // Nothing will happen until input comes: the view rests, as on the virtual clock.
        if (m_activity != Activity::Ended) m_activity = Activity::Quiescent;
        m_cv.notify_all();
        Park([&] { m_cv.wait(lock); });
    }
}

void MessageQueue::SetTimer(unsigned /*id*/, unsigned intervalMs) {
    std::lock_guard lock(m_mutex);
    m_timerIntervalUs = std::int64_t(intervalMs) * 1000;
    m_timerDueUs = m_clock.NowUs() + m_timerIntervalUs;
    UpdateQuietUntil();
}

void MessageQueue::KillTimer(unsigned /*id*/) {
    std::lock_guard lock(m_mutex);
    m_timerDueUs.reset();
    UpdateQuietUntil();
}

void MessageQueue::Sleep(std::int64_t us) {
    std::unique_lock lock(m_mutex);
    if (m_closing) throw ViewClosed{};
    if (us <= 0) return;
    // Beyond a few years a pause lasts as long as the window stays open; the cap keeps the
    // deadlines below from overflowing.
    us = std::min<std::int64_t>(us, kLongestSleepUs);
    if (m_virtual) {
        const std::int64_t targetUs = m_clock.NowUs() + us;
        while (targetUs > m_horizonUs) RestAtHorizon(lock);
        m_virtual->AdvanceTo(targetUs);
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::microseconds(us);
    if (Park([&] { return m_cv.wait_until(lock, deadline, [&] { return m_closing; }); })) throw ViewClosed{};
}

void MessageQueue::SetHorizon(std::int64_t us) {
    {
        std::lock_guard lock(m_mutex);
        m_horizonUs = us;
        UpdateQuietUntil();
        if (m_activity != Activity::Ended) m_activity = Activity::Running;
    }
    m_cv.notify_all();
}

void MessageQueue::HoldAtPresent() {
    std::lock_guard lock(m_mutex);
    m_horizonUs = std::min(m_horizonUs, m_clock.NowUs());
    UpdateQuietUntil();
}

Activity MessageQueue::WaitUntilResting() {
    std::unique_lock lock(m_mutex);
    m_cv.wait(lock, [&] { return m_activity != Activity::Running; });
    return m_activity;
}

void MessageQueue::ContinueInRealTime() {
    {
        std::lock_guard lock(m_mutex);
        if (!m_virtual) return;
        m_virtual->Release();
        m_virtual = nullptr;
        m_horizonUs = INT64_MAX;
        UpdateQuietUntil();
    }
    m_cv.notify_all();
}

Activity MessageQueue::CurrentActivity() const {
    std::lock_guard lock(m_mutex);
    return m_activity;
}

bool MessageQueue::TimerRunning() const {
    std::lock_guard lock(m_mutex);
    return m_timerDueUs.has_value();
}

void MessageQueue::MarkEnded() {
    {
        std::lock_guard lock(m_mutex);
        m_activity = Activity::Ended;
    }
    m_cv.notify_all();
}

}  // namespace dulm

// The waits of a view's run: what they dispatch, when they end, what they leave behind.
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "platform/ViewHost.h"
#include "platform/Waits.h"

namespace dulm {
namespace {

struct NoUi : Ui {
    int DoModal(CDialog&) override { return IDCANCEL; }
    int MessageBox(const std::string&, unsigned) override { return IDNO; }
    void WinHelp(unsigned) override {}
    void SetCapture(bool) override {}
};

// Runs the test's wait when command 1 arrives and logs the input that reaches its handlers.
struct Probe : CView {
    std::function<void(Probe&)> wait;
    std::vector<std::string> log;

    void OnDraw(Dc&) override {}
    void OnKeyDown(unsigned nChar, unsigned, unsigned) override { log.push_back("down " + std::string(1, char(nChar))); }
    void OnKeyUp(unsigned nChar, unsigned, unsigned) override { log.push_back("up " + std::string(1, char(nChar))); }
    void OnLButtonDown(unsigned, Point) override { log.push_back("click"); }
    bool OnCommand(unsigned id) override {
        if (id == 1) wait(*this);
        return true;
    }
};

std::int64_t NowUs() { return ThreadClock().NowUs(); }

class WaitsTest : public testing::Test {
protected:
    NoUi ui;
    std::function<void(Probe&)> wait;
    CMultiDocTemplate tmpl{9, "\nProbe\nProbe\n\n\nProbe.Document\nProbe Document",
                           [] { return std::make_unique<CDocument>(); },
                           [this] {
                               auto view = std::make_unique<Probe>();
                               view->wait = wait;
                               return view;
                           }};
    std::unique_ptr<ViewHost> host;

    // A view on the virtual clock whose wait starts at 1 ms; input is scripted before Begin.
    void Create(std::unique_ptr<Clock> clock = std::make_unique<VirtualClock>()) {
        host = std::make_unique<ViewHost>(tmpl, ui, std::move(clock), ViewOptions{"Probe1", {100, 80}, {}, false, {}});
        At(1, MakeCommand(1));
    }
    void At(std::int64_t ms, const MSG& m) { host->Queue().PostAt(ms * 1000, m); }
    Activity Begin(std::int64_t horizonUs = 60'000'000) {
        host->Queue().SetHorizon(horizonUs);
        host->Start();
        return Rest();
    }
    Activity Rest() { return host->Queue().WaitUntilResting(); }
    Probe& View() { return dynamic_cast<Probe&>(*host->View()); }
};

TEST_F(WaitsTest, AKeyUpWaitDispatchesEverythingUpToTheReleaseAndNothingAfterIt) {
    Create();
    At(2, MakeKeyMessage(WM_KEYDOWN, 'A', 30));
    At(3, MakeMouseMessage(WM_LBUTTONDOWN, {5, 5}));
    At(4, MakeKeyMessage(WM_KEYUP, 'B', 48));
    At(5, MakeKeyMessage(WM_KEYUP, 'C', 46));
    wait = [](Probe& p) { p.log.push_back("returned " + std::string(1, char(WaitKeyUp().wParam))); };
    EXPECT_EQ(Begin(), Activity::Quiescent);
    EXPECT_EQ(View().log, (std::vector<std::string>{"down A", "click", "up B", "returned B", "up C"}));
}

// The first wait runs at 1 ms, the second at 500 ms.
TEST_F(WaitsTest, TimerWaitsEndOnTheirTimerOrAnEarlierClickAndLeaveNoTimerRunning) {
    Create();
    At(500, MakeCommand(1));
    At(600, MakeMouseMessage(WM_LBUTTONDOWN, {5, 5}));
    std::int64_t timerWaitUs = 0;
    unsigned clickWaitEnd = 0;
    wait = [&](Probe& p) {
        const std::int64_t start = NowUs();
        if (timerWaitUs == 0) {
            WaitTimer(250);
            timerWaitUs = NowUs() - start;
        } else {
            clickWaitEnd = WaitTimerOrClick(250).message;
            p.log.push_back("returned at " + std::to_string(NowUs() - start));
        }
    };
    EXPECT_EQ(Begin(), Activity::Quiescent);  // a timer left running would tick on to the horizon
    EXPECT_EQ(timerWaitUs, 250'000 + MessageQueue::kVirtualPeekCostUs);  // the peek that took WM_TIMER
    EXPECT_EQ(clickWaitEnd, unsigned(WM_LBUTTONDOWN));
    EXPECT_EQ(View().log, (std::vector<std::string>{"click", "returned at 100000"}));
}

TEST_F(WaitsTest, ClosingDuringATimerWaitUnwindsItAndKillsTheTimer) {
    Create();
    bool returned = false;
    wait = [&](Probe&) {
        WaitTimer(60'000);
        returned = true;
    };
    EXPECT_EQ(Begin(100'000), Activity::Horizon);
    host->Close();
    EXPECT_EQ(host->Queue().WaitUntilResting(), Activity::Ended);
    EXPECT_FALSE(returned);
    EXPECT_FALSE(host->Queue().TimerRunning());
}

TEST_F(WaitsTest, ACalibratedDelayTakesExactlyItsVirtualTimeAndLeavesInputQueued) {
    Create();
    At(2, MakeKeyMessage(WM_KEYUP, 'K', 37));
    wait = [](Probe& p) {
        const std::int64_t start = NowUs();
        const int perMs = CalibrateDelay();  // takes no virtual time
        BusyDelay(std::int64_t(perMs) * 7 / 2, perMs);
        p.log.push_back("delayed " + std::to_string(NowUs() - start));
    };
    EXPECT_EQ(Begin(), Activity::Quiescent);
    EXPECT_EQ(View().log, (std::vector<std::string>{"delayed 3500", "up K"}));
}

TEST_F(WaitsTest, ABusyDelayRestsAtTheHorizonUntilItMoves) {
    Create();
    std::int64_t start = 0;
    std::int64_t tookUs = 0;
    wait = [&](Probe&) {
        start = NowUs();
        BusyDelay(2'000'000, 1000);  // 2 s
        tookUs = NowUs() - start;
    };
    EXPECT_EQ(Begin(1'000'000), Activity::Horizon);
    EXPECT_EQ(host->GetClock().NowUs(), start);
    host->Post(MakeKeyMessage(WM_KEYUP, 'K', 37));  // wakes the view, which rests again
    EXPECT_EQ(Rest(), Activity::Horizon);
    host->Queue().SetHorizon(5'000'000);
    EXPECT_EQ(Rest(), Activity::Quiescent);
    EXPECT_EQ(tookUs, 2'000'000);
    EXPECT_EQ(View().log, (std::vector<std::string>{"up K"}));
}

// On the real clock the view never rests: results come back through a promise or atomics.
TEST_F(WaitsTest, OnTheRealClockCalibrationMeasuresARateThatBusyDelayHonours) {
    Create(std::make_unique<SteadyClock>());
    std::promise<std::pair<int, std::chrono::steady_clock::duration>> result;
    wait = [&](Probe&) {
        const int perMs = CalibrateDelay();
        const auto start = std::chrono::steady_clock::now();
        BusyDelay(std::int64_t(perMs) * 5, perMs);
        result.set_value({perMs, std::chrono::steady_clock::now() - start});
    };
    host->Start();
    auto future = result.get_future();
    const bool done = future.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    host->Close();  // before the promise goes, should the run hang
    ASSERT_TRUE(done);
    const auto [perMs, took] = future.get();
    EXPECT_GT(perMs, 0);
    EXPECT_GE(took, std::chrono::milliseconds(5));
}

TEST_F(WaitsTest, ClosingEndsAMinuteLongBusyDelayOnTheRealClockPromptly) {
    Create(std::make_unique<SteadyClock>());
    std::atomic<bool> delaying{false};
    std::atomic<bool> returned{false};
    wait = [&](Probe&) {
        delaying = true;
        BusyDelay(60'000, 1);
        returned = true;
    };
    host->Start();
    while (!delaying) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const auto start = std::chrono::steady_clock::now();
    host->Close();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_FALSE(returned);
}

}  // namespace
}  // namespace dulm

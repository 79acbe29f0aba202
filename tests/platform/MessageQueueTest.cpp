// The queue on the virtual clock behaves like the old one in time, deterministically.
#include <atomic>
#include <cstdint>
#include <thread>

#include <gtest/gtest.h>

#include "platform/MessageQueue.h"

namespace dulm {
namespace {

class VirtualQueueTest : public testing::Test {
protected:
    VirtualClock clock{1000};
    MessageQueue queue{clock};

    MSG Next() {
        MSG m;
        while (!queue.PeekMessage(m)) queue.WaitMessage();
        return m;
    }
};

// A queue let go into real time no longer jumps: its clock runs on from where it stood.
TEST_F(VirtualQueueTest, InRealTimeTheClockRunsOnFromWhereItStoodAndNoLongerJumps) {
    clock.AdvanceTo(5'000'000);
    queue.ContinueInRealTime();
    clock.AdvanceTo(3'600'000'000);  // an hour ahead: no longer the clock's to take
    EXPECT_GE(clock.NowUs(), 5'000'000);
    EXPECT_LT(clock.NowUs(), 3'600'000'000);
    EXPECT_EQ(clock.Seconds(), 1005 + (clock.NowUs() - 5'000'000) / 1'000'000);
}

TEST_F(VirtualQueueTest, AWaitJumpsTheClockToTheTimerAndTheTimerRepeats) {
    queue.SetTimer(1, 2500);
    EXPECT_EQ(Next().message, unsigned(WM_TIMER));
    EXPECT_EQ(clock.NowUs() / 1000, 2500);
    EXPECT_EQ(Next().message, unsigned(WM_TIMER));
    EXPECT_EQ(clock.NowUs() / 1000, 5000);
    EXPECT_EQ(clock.Seconds(), 1005);  // time(NULL) moves with the clock
    queue.KillTimer(1);
    MSG m;
    EXPECT_FALSE(queue.PeekMessage(m));
}

TEST_F(VirtualQueueTest, InputComesBeforeADueTimerAndScriptedInputArrivesOnTime) {
    queue.SetTimer(1, 100);
    queue.PostAt(50'000, MakeKeyMessage(WM_KEYUP, '5', 6));
    queue.PostAt(100'000, MakeKeyMessage(WM_KEYUP, '7', 8));
    EXPECT_EQ(Next().wParam, uintptr_t('5'));
    EXPECT_EQ(clock.NowUs() / 1000, 50);
    const MSG second = Next();  // the key and the timer fall due together
    EXPECT_EQ(second.message, unsigned(WM_KEYUP));
    EXPECT_EQ(ScanCodeOf(second), 8u);
    EXPECT_EQ(Next().message, unsigned(WM_TIMER));
}

TEST_F(VirtualQueueTest, PeekingCostsVirtualTimeSoInputReachesARunThatNeverWaits) {
    queue.PostAt(1000, MakeKeyMessage(WM_KEYUP, 27, 1));
    MSG m;
    int peeks = 0;
    while (!queue.PeekMessage(m)) ++peeks;
    EXPECT_EQ(peeks, 1000 / MessageQueue::kVirtualPeekCostUs - 1);
}

// A run spinning on PeekMessage meets each tick of its timer at the very look that reaches it,
// nothing once the timer is killed, and posted input at the next look.
TEST_F(VirtualQueueTest, ASpinningRunMeetsTimerTicksAndInputAtTheFirstLookThatCanSeeThem) {
    queue.SetTimer(1, 1);  // due at 1000 us, then 2000 us
    MSG m;
    for (std::int64_t tick : {1000, 2000}) {
        int peeks = 0;
        while (!queue.PeekMessage(m)) ++peeks;
        EXPECT_EQ(peeks, 1000 / MessageQueue::kVirtualPeekCostUs - 1);
        EXPECT_EQ(m.message, unsigned(WM_TIMER));
        EXPECT_EQ(clock.NowUs(), tick);
    }
    queue.KillTimer(1);
    for (int i = 0; i < 300; ++i) ASSERT_FALSE(queue.PeekMessage(m)) << i;
    EXPECT_EQ(clock.NowUs(), 5000);
    queue.Post(MakeCommand(32775));
    ASSERT_TRUE(queue.PeekMessage(m));
    EXPECT_EQ(m.message, unsigned(WM_COMMAND));
    EXPECT_FALSE(queue.PeekMessage(m));
}

TEST_F(VirtualQueueTest, RestsAtTheHorizonOrWhenNothingCanHappen) {
    queue.SetHorizon(1'000'000);
    std::thread view([&] {
        queue.SetTimer(1, 400);
        try {
            for (;;) Next();
        } catch (const ViewClosed&) {
        }
        queue.MarkEnded();
    });
    EXPECT_EQ(queue.WaitUntilResting(), Activity::Horizon);  // a timer is running
    EXPECT_EQ(clock.NowUs() / 1000, 800);
    queue.SetHorizon(2'000'000);
    EXPECT_EQ(queue.WaitUntilResting(), Activity::Horizon);
    EXPECT_EQ(clock.NowUs() / 1000, 2000);
    queue.RequestClose();
    view.join();
    EXPECT_EQ(queue.WaitUntilResting(), Activity::Ended);
}

// Input due at the horizon still arrives; the first empty look past it rests.
TEST_F(VirtualQueueTest, ARunSpinningOnPeekRestsJustPastTheHorizon) {
    queue.SetHorizon(1000);
    queue.PostAt(1000, MakeKeyMessage(WM_KEYUP, 27, 1));
    int taken = 0;
    std::thread view([&] {
        try {
            for (MSG m;;) taken += queue.PeekMessage(m) ? 1 : 0;
        } catch (const ViewClosed&) {
        }
        queue.MarkEnded();
    });
    EXPECT_EQ(queue.WaitUntilResting(), Activity::Horizon);
    EXPECT_EQ(taken, 1);
    EXPECT_EQ(clock.NowUs(), 1010);
    queue.SetHorizon(3000);
    EXPECT_EQ(queue.WaitUntilResting(), Activity::Horizon);
    EXPECT_EQ(clock.NowUs(), 3010);
    queue.RequestClose();
    view.join();
    EXPECT_EQ(queue.WaitUntilResting(), Activity::Ended);
}

TEST_F(VirtualQueueTest, QuiescentWithoutTimerAndWakesForInput) {
    std::thread view([&] {
        try {
            Next();
            Next();
        } catch (const ViewClosed&) {
        }
        queue.MarkEnded();
    });
    EXPECT_EQ(queue.WaitUntilResting(), Activity::Quiescent);
    queue.Post(MakeCommand(32775));
    EXPECT_EQ(queue.WaitUntilResting(), Activity::Quiescent);
    queue.Post(MakeCommand(32775));
    view.join();
    EXPECT_EQ(queue.WaitUntilResting(), Activity::Ended);
}

TEST_F(VirtualQueueTest, ClosingMakesEveryWaitThrow) {
    queue.RequestClose();
    MSG m;
    EXPECT_THROW(queue.WaitMessage(), ViewClosed);
    EXPECT_THROW(queue.PeekMessage(m), ViewClosed);
    EXPECT_THROW(queue.TakeMessage(m), ViewClosed);
    EXPECT_THROW(queue.WaitUntil([] { return false; }), ViewClosed);
}

TEST(SteadyQueueTest, AClosedViewStopsWaitingAtOnce) {
    SteadyClock clock;
    MessageQueue queue{clock};
    std::thread view([&] {
        queue.SetTimer(1, 60'000);
        EXPECT_THROW(
            for (;;) queue.WaitMessage(), ViewClosed);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const auto start = std::chrono::steady_clock::now();
    queue.RequestClose();
    view.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// Input posted from another thread reaches a run that only ever peeks, and closing stops it.
TEST(SteadyQueueTest, ASpinningRunSeesInputPostedMeanwhileAndStopsWhenClosed) {
    SteadyClock clock;
    MessageQueue queue{clock};
    std::atomic<int> taken{0};
    std::thread view([&] {
        EXPECT_THROW(
            for (MSG m;;) {
                if (queue.PeekMessage(m)) taken += m.message == unsigned(WM_COMMAND) ? 1 : 0;
            },
            ViewClosed);
    });
    queue.Post(MakeCommand(32775));
    while (taken.load() == 0) std::this_thread::yield();
    queue.RequestClose();
    view.join();
    EXPECT_EQ(taken.load(), 1);
}

TEST(SteadyQueueTest, TimerFiresOnTheRealClock) {
    SteadyClock clock;
    MessageQueue queue{clock};
    queue.SetTimer(1, 5);
    MSG m;
    while (!queue.PeekMessage(m)) queue.WaitMessage();
    EXPECT_EQ(m.message, unsigned(WM_TIMER));
    EXPECT_GE(clock.NowUs(), 5000);
}

}  // namespace
}  // namespace dulm

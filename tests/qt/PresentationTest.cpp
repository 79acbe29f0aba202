// The window shows what its view draws without looking for changes: a burst of drawing costs
// about one picture per display frame, the last thing drawn always reaches the screen, and a
// window whose view rests does no work at all.
#include <atomic>
#include <thread>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "qt/BitmapImage.h"
#include "qt/ViewWidget.h"
#include "res/Resources.h"

namespace dulm::test {
namespace {

// Sets 4000 pixels one at a time over about 40 ms, each its own drawing operation, then rests.
class BurstView final : public CountedView {
public:
    static inline std::atomic<bool> done{false};
    void OnDraw(Dc& dc) override {
        for (int i = 0; i < 4000; ++i) {
            dc.SetPixel(i % 200, i / 200, Colour{std::uint8_t(i), std::uint8_t(i / 16), 7});
            if (i % 100 == 99) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        dc.SetPixel(199, 99, Colour{255, 0, 0});  // last of all, far from the rest
        done = true;
    }
};

// Counts the timer events and queued calls the whole program receives.
class WakeUps final : public QObject {
public:
    WakeUps() { QCoreApplication::instance()->installEventFilter(this); }
    ~WakeUps() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Timer || event->type() == QEvent::MetaCall;
        return false;
    }
    int count = 0;
};

TEST(Presentation, EveryChangeIsShownCoalescedAndAnIdleWindowSleeps) {
    BurstView::done = false;
    const CMultiDocTemplate burst(res::IDR_CENTRAL, "\nTest\nTest\nTest (*.tst)\n.tst\nTest.Document\nTest Document",
                                  [] { return std::make_unique<CountedDoc>(); },
                                  [] { return std::make_unique<BurstView>(); });
    ViewWidget view(burst, "Test1", nullptr, {});
    view.resize(200, 100);  // the canvas's own size: shown pixel for pixel
    view.show();
    QElapsedTimer clock;
    clock.start();
    view.Start();
    ASSERT_TRUE(WaitFor([] { return BurstView::done.load(); }));
    const std::shared_ptr<Canvas> canvas = view.Host()->GetCanvas();
    ASSERT_TRUE(WaitFor([&] { return view.Shown() == ImageOf(canvas->Snapshot()); }));
    EXPECT_EQ(view.Shown().pixelColor(199, 99), QColor(255, 0, 0));
    // At most one picture a frame (16 ms) and the first at once: far fewer than the 4001 changes.
    EXPECT_LE(view.Presentations(), 2 + clock.elapsed() / 16);

    const int presentations = view.Presentations();
    WakeUps wakeUps;
    WaitFor([] { return false; }, 300);
    EXPECT_EQ(wakeUps.count, 0);
    EXPECT_EQ(view.Presentations(), presentations);
    view.Shutdown();
}

}  // namespace
}  // namespace dulm::test

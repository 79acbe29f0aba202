// A window whose view fails says so, and a window beside it goes on.
#include <new>

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "qt/ViewWidget.h"
#include "res/Resources.h"

namespace dulm::test {
namespace {

// Runs out of memory before it has a canvas, so the window itself has to say what went wrong.
class NoMemoryView final : public CountedView {
public:
    void OnInitialUpdate() override { throw std::bad_alloc(); }
    void OnDraw(Dc&) override {}
};

CMultiDocTemplate Template(unsigned id, CMultiDocTemplate::ViewFactory view) {
    return CMultiDocTemplate(id, "\nTest\nTest\nTest (*.tst)\n.tst\nTest.Document\nTest Document",
                             [] { return std::make_unique<CountedDoc>(); }, std::move(view));
}

int NonGreyPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) != QColor(192, 192, 192);
    return n;
}

TEST(ViewFailureTest, TheFailedWindowShowsWhyAndTheOtherKeepsRunning) {
    Alive::views = 0;
    Alive::documents = 0;
    TimerLoopView::looping = false;
    const CMultiDocTemplate failing = Template(res::IDR_CENTRAL, [] { return std::make_unique<NoMemoryView>(); });
    const CMultiDocTemplate looping = Template(res::IDR_ANOVA, [] { return std::make_unique<TimerLoopView>(); });
    ViewWidget running(looping, "Test1", nullptr, {});
    running.resize(200, 100);
    running.Start();
    ASSERT_TRUE(WaitFor([] { return TimerLoopView::looping.load(); }));
    ViewWidget failed(failing, "Test2", nullptr, {});
    failed.resize(400, 100);
    failed.Start();
    ASSERT_TRUE(WaitFor([&] { return !failed.Host()->Failure().empty(); }));
    EXPECT_EQ(failed.Host()->Failure(), "This demonstration has stopped: there was not enough memory.");
    ASSERT_TRUE(WaitFor([&] { return NonGreyPixels(failed.grab().toImage()) > 0; }));
    EXPECT_TRUE(WaitFor([] { return Alive::views == 1 && Alive::documents == 1; }));  // the other one's
    failed.Shutdown();
    running.Shutdown();
    EXPECT_EQ(Alive::documents, 0);
}

}  // namespace
}  // namespace dulm::test

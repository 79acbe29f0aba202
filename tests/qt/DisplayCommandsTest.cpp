// View > Zoom, Projector Colours and Demo > Print... as a person uses them: the picture drawn
// again at the new size or for the page, never a stretched copy.
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QScrollArea>
#include <set>

#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "qt/BitmapImage.h"
#include "qt/ChildWindow.h"
#include "qt/DisplayCommands.h"
#include "qt/PrintPicture.h"
#include "qt/ViewWidget.h"
#include "res/Resources.h"

namespace dulm::test {
namespace {

std::set<QRgb> Colours(const QImage& image) {
    std::set<QRgb> set;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) set.insert(image.pixel(x, y));
    return set;
}

// The window shows a picture drawn at its own size: as many pixels as the view, no colours but
// the picture's (a resampled picture has smoothed ones).
bool ShowsItsOwnSize(ViewWidget& view) {
    const QImage& shown = view.Shown();
    return !shown.isNull() && shown.size() == view.size() && shown.cacheKey() == view.Shown().cacheKey() &&
           Colours(shown).size() <= 8;
}

TEST(DisplayCommands, ZoomRedrawsTheActiveWindowLargerInStepsFrom100To300) {
    StartedProgram program;
    MainWindow& window = program.Window();
    ChildWindow* child = program.Open(res::IDR_REGRESSION);
    ViewWidget& view = child->View();
    ASSERT_TRUE(WaitFor([&] { return ShowsItsOwnSize(view); }, 5000));
    const QSize fitted = view.size();

    for (int i = 0; i < 4; ++i) window.OnCommand(res::ID_VIEW_ZOOM_IN);
    EXPECT_EQ(child->Zoom(), 200);
    EXPECT_EQ(view.size(), fitted * 2);
    EXPECT_TRUE(WaitFor([&] { return ShowsItsOwnSize(view); }, 5000));
    for (int i = 0; i < 5; ++i) window.OnCommand(res::ID_VIEW_ZOOM_IN);
    EXPECT_EQ(child->Zoom(), 300);
    EXPECT_FALSE(window.Actions().Action(res::ID_VIEW_ZOOM_IN)->isEnabled());
    window.OnCommand(res::ID_VIEW_ZOOM_OUT);
    EXPECT_EQ(child->Zoom(), 250);
    window.OnCommand(res::ID_VIEW_ACTUAL_SIZE);
    EXPECT_EQ(child->Zoom(), 100);
    EXPECT_EQ(view.size(), fitted);
    EXPECT_FALSE(window.Actions().Action(res::ID_VIEW_ZOOM_OUT)->isEnabled());
    EXPECT_TRUE(WaitFor([&] { return ShowsItsOwnSize(view); }, 5000));
}

TEST(DisplayCommands, ProjectorColoursRepaintEveryWindowAndNewOnes) {
    StartedProgram program;
    MainWindow& window = program.Window();
    ChildWindow* first = program.Open(res::IDR_REGRESSION);
    ASSERT_TRUE(WaitFor([&] { return ShowsItsOwnSize(first->View()); }, 5000));
    auto background = [](ChildWindow* c) { return c->View().Shown().pixelColor(c->View().width() - 5, 5); };
    EXPECT_EQ(background(first), QColor(192, 192, 192));
    window.OnCommand(res::ID_VIEW_PROJECTOR);
    EXPECT_TRUE(window.Actions().Action(res::ID_VIEW_PROJECTOR)->isChecked());
    EXPECT_TRUE(WaitFor([&] { return background(first) == QColor(255, 255, 255); }, 5000));
    ChildWindow* second = program.Open(res::IDR_REGRESSION);
    EXPECT_TRUE(WaitFor([&] { return !second->View().Shown().isNull() && background(second) == QColor(255, 255, 255); }, 5000));
    window.OnCommand(res::ID_VIEW_PROJECTOR);
    EXPECT_TRUE(WaitFor([&] { return background(first) == QColor(192, 192, 192); }, 5000));
}

// The page gets the picture drawn again at its resolution; a PDF of it is written for a person
// to look at (dulm-print.pdf in the temporary folder).
TEST(DisplayCommands, PrintingDrawsThePictureAgainAtThePagesResolution) {
    StartedProgram program;
    ChildWindow* child = program.Open(res::IDR_REGRESSION);
    ASSERT_TRUE(WaitFor([&] { return ShowsItsOwnSize(child->View()); }, 5000));
    ViewHost& host = child->Host();
    const std::shared_ptr<Canvas> canvas = host.GetCanvas();
    const Size logical = [&] {
        const auto lock = canvas->Lock();
        return canvas->GetSize();
    }();
    bool redrawn = false;
    const QImage page = PictureForPage(host, QSize(logical.cx * 3, logical.cy * 4), Palette::Classic(), &redrawn);
    EXPECT_TRUE(redrawn);
    EXPECT_EQ(page.size(), QSize(logical.cx * 3, logical.cy * 3));
    // Crisp: the colours of the picture the view had drawn when it drew it again, and no others.
    EXPECT_EQ(Colours(page), Colours(ImageOf(canvas->Snapshot())));

    const QString pdf = QDir::temp().filePath("dulm-print.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setResolution(300);
    printer.setPageOrientation(QPageLayout::Landscape);
    PaintOnPage(printer, host, Palette::Classic(), &redrawn);
    EXPECT_TRUE(redrawn);
    EXPECT_GT(QFile(pdf).size(), 10000);
}

// A view in the middle of its run (here a loop on its timer inside OnDraw) cannot draw its picture
// again: the page gets the picture as the screen shows it.
TEST(DisplayCommands, AViewInTheMiddleOfARunIsPrintedAsTheScreenShowsIt) {
    StartedProgram program(ViewTestTemplates);
    TimerLoopView::looping = false;
    ChildWindow* child = program.Open(res::IDR_ANOVA);
    ASSERT_TRUE(WaitFor([] { return TimerLoopView::looping.load(); }));
    bool redrawn = true;
    const QImage page = PictureForPage(child->Host(), QSize(2000, 2000), Palette::Classic(), &redrawn);
    EXPECT_FALSE(redrawn);
    const std::shared_ptr<Canvas> canvas = child->Host().GetCanvas();
    const Size device = [&] {
        const auto lock = canvas->Lock();
        return canvas->DeviceSize();
    }();
    EXPECT_EQ(page.size(), QSize(device.cx, device.cy));
}

}  // namespace
}  // namespace dulm::test

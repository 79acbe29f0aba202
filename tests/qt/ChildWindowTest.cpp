// Demonstration windows: placement, the view's thread behind them, and closing at any moment.
#include <chrono>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "demos/Registry.h"
#include "platform/ViewHost.h"
#include "qt/ChildWindow.h"
#include "qt/CommandActions.h"
#include "qt/MainStatusBar.h"
#include "qt/TemplateDialog.h"
#include "qt/ViewWidget.h"
#include "res/Resources.h"

namespace dulm::test {
namespace {

using Clock = std::chrono::steady_clock;

class ChildWindowTest : public testing::Test {
protected:
    ChildWindowTest() : program(ViewTestTemplates) {
        Alive::views = 0;
        Alive::documents = 0;
    }
    MainWindow& Window() { return program.Window(); }
    QSize Viewport() { return Window().MdiArea().viewport()->size(); }
    StartedProgram program;
};

TEST_F(ChildWindowTest, OpensRestoredOverTheWholeClientArea) {
    ChildWindow* child = program.Open(res::IDR_CENTRAL);
    EXPECT_EQ(child->geometry(), QRect(QPoint(0, 0), Viewport()));
    EXPECT_FALSE(child->isMaximized());
    EXPECT_FALSE(child->isMinimized());
    EXPECT_EQ(child->Title(), "Central Limit - 1");
    EXPECT_EQ(program.Open(res::IDR_CENTRAL)->Title(), "Central Limit - 2");
}

// "Yes" to the start-up question chooses a demonstration before the main window is shown.
class ChoosingShell final : public QtShell {
public:
    explicit ChoosingShell(const CDemoApp& app) : QtShell(app), m_app(app) {}
    int MessageBox(const std::string&, unsigned) override { return IDYES; }
    void OnFileNew() override { Window()->NewDemo(*m_app.FindTemplate(res::IDR_CENTRAL)); }

private:
    const CDemoApp& m_app;
};

TEST(ChildWindowStartUp, ChoiceMadeBeforeTheFrameIsShownOpensOverTheShownClientArea) {
    CDemoApp app(ViewTestTemplates);
    ChoosingShell shell(app);
    ASSERT_TRUE(app.InitInstance(shell));
    MainWindow& window = *shell.Window();
    ASSERT_EQ(window.Children().size(), 1u);
    EXPECT_EQ(window.Children()[0]->geometry(), QRect(QPoint(0, 0), window.MdiArea().viewport()->size()));
    EXPECT_GT(window.MdiArea().viewport()->height(), 300);
    window.close();
}

TEST_F(ChildWindowTest, EveryWindowFollowsTheLatestMinimumSize) {
    ChildWindow* first = program.Open(res::IDR_CENTRAL);
    const QSize min((Viewport().width() + 1) / 5, (Viewport().height() + 1) / 5);
    EXPECT_EQ(first->minimumSize(), min);

    Window().resize(Window().width() + 200, Window().height() + 100);
    QCoreApplication::processEvents();
    ChildWindow* second = program.Open(res::IDR_ANOVA);
    const QSize later((Viewport().width() + 1) / 5, (Viewport().height() + 1) / 5);
    ASSERT_NE(later, min);
    EXPECT_EQ(second->minimumSize(), later);
    EXPECT_EQ(first->minimumSize(), later);
}

TEST_F(ChildWindowTest, ClosingDuringATimedWaitEndsTheViewPromptly) {
    TimerLoopView::looping = false;
    QPointer<ChildWindow> child = program.Open(res::IDR_ANOVA);
    ASSERT_TRUE(WaitFor([] { return TimerLoopView::looping.load(); }));
    EXPECT_EQ(Alive::views, 1);

    const auto start = Clock::now();
    child->close();
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(10));  // not the timer's minute
    EXPECT_EQ(Alive::views, 0);  // destroyed on its thread before close returned
    EXPECT_EQ(Alive::documents, 0);
    EXPECT_TRUE(WaitFor([&] { return child.isNull(); }));
}

TEST_F(ChildWindowTest, ClosingCancelsTheViewsOpenDialogFirst) {
    DialogView::asking = false;
    QPointer<ChildWindow> child = program.Open(res::IDR_ALPHA);
    ASSERT_TRUE(WaitFor([&] { return !child->View().Ui().OpenDialogs().empty(); }));
    QPointer<QDialog> dialog = child->View().Ui().OpenDialogs().front();
    EXPECT_EQ(dialog->windowTitle(), "Choose Parameters");
    EXPECT_TRUE(dialog->isModal());

    child->close();
    EXPECT_EQ(Alive::views, 0);
    EXPECT_TRUE(WaitFor([&] { return dialog.isNull() && child.isNull(); }));
}

TEST_F(ChildWindowTest, ExitClosesEveryWindowAndItsView) {
    program.Open(res::IDR_ANOVA);
    program.Open(res::IDR_ALPHA);
    program.Open(res::IDR_CENTRAL);
    ASSERT_TRUE(WaitFor([] { return TimerLoopView::looping && DialogView::asking; }));
    Window().OnCommand(res::ID_APP_EXIT);
    EXPECT_EQ(Alive::views, 0);
    EXPECT_EQ(Alive::documents, 0);
    EXPECT_FALSE(Window().isVisible());
}

TEST_F(ChildWindowTest, KeysReachTheViewAndStartDemoFollowsItsUpdateHandler) {
    ChildWindow* child = program.Open(res::IDR_CENTRAL);
    QAction* startDemo = Window().Actions().Action(res::ID_START_DEMO);
    Window().updateMenus();
    EXPECT_FALSE(startDemo->isEnabled());

    QTest::keyClick(&child->View(), Qt::Key_4, Qt::KeypadModifier);
    ASSERT_TRUE(WaitFor([] { return ProbeView::lastVk == 0x64u; }));
    EXPECT_EQ(ProbeView::lastScan, 0x4Bu);

    QTest::keyClick(&child->View(), Qt::Key_S);
    ASSERT_TRUE(WaitFor([&] { return startDemo->isEnabled(); }));  // the view announces the change
    EXPECT_EQ(Window().StatusBar().IdleText(), "S seen");
    ProbeView::started = false;
    startDemo->trigger();
    EXPECT_TRUE(WaitFor([] { return ProbeView::started.load(); }));
    child->close();
    EXPECT_TRUE(WaitFor([&] { return Window().StatusBar().IdleText() == "For Help, press F1"; }));
}

TEST_F(ChildWindowTest, DialogAnswerReachesTheWaitingView) {
    DialogView::result = 0;
    ChildWindow* child = program.Open(res::IDR_ALPHA);
    ASSERT_TRUE(WaitFor([&] { return !child->View().Ui().OpenDialogs().empty(); }));
    auto* dialog = dynamic_cast<TemplateDialog*>(child->View().Ui().OpenDialogs().front());
    ASSERT_NE(dialog, nullptr);
    qobject_cast<QLineEdit*>(dialog->Control(1001))->setText("25");
    qobject_cast<QAbstractButton*>(dialog->Control(IDOK))->click();
    EXPECT_TRUE(WaitFor([] { return DialogView::result == IDOK; }));
}

TEST_F(ChildWindowTest, HelpKeyOpensTheDemonstrationsTopicThroughItsView) {
    program.Open(res::IDR_CENTRAL);
    Window().OnCommand(res::ID_HELP);
    ASSERT_TRUE(WaitFor([&] { return Window().Help().isVisible(); }));
    EXPECT_EQ(Window().Help().CurrentPage().path(), "0x20004");

    const int paintsBefore = ProbeView::paints;
    Window().Help().close();  // what the help window covered is painted again
    EXPECT_TRUE(WaitFor([&] { return ProbeView::paints > paintsBefore; }));
}

TEST_F(ChildWindowTest, RefusedDocumentClosesItsWindow) {
    QPointer<ChildWindow> child = program.Open(res::IDR_POWER);
    EXPECT_TRUE(WaitFor([&] { return child.isNull(); }));
    EXPECT_EQ(Alive::documents, 0);
}

// Holds the mouse, then asks a question, as an experiment does between its sessions.
class CaptureThenAskView final : public CountedView {
public:
    static inline std::atomic<int> answer{0};
    void OnDraw(Dc&) override {
        if (m_asked) return;
        m_asked = true;
        CurrentUi().SetCapture(true);
        answer = AfxMessageBox("Go on?", MB_YESNO);
    }

private:
    bool m_asked = false;
};

// The message box gets the mouse while it is up; the view takes it back once it is answered.
TEST(ChildWindowCapture, AMessageBoxGetsTheMouseWhileItIsUp) {
    CaptureThenAskView::answer = 0;
    StartedProgram program([] {
        CDemoApp::TemplateList templates;
        templates.push_back(std::make_unique<CMultiDocTemplate>(
            res::IDR_ANOVA, FindDemo(res::IDR_ANOVA)->DocString(), [] { return std::make_unique<CountedDoc>(); },
            [] { return std::make_unique<CaptureThenAskView>(); }));
        return templates;
    });
    QPointer<ChildWindow> child = program.Open(res::IDR_ANOVA);
    ASSERT_TRUE(WaitFor([&] { return !child->View().Ui().OpenDialogs().empty(); }));
    QCoreApplication::processEvents();
    EXPECT_NE(QWidget::mouseGrabber(), &child->View());
    auto* box = qobject_cast<QMessageBox*>(child->View().Ui().OpenDialogs().front());
    ASSERT_NE(box, nullptr);
    box->button(QMessageBox::Yes)->click();
    ASSERT_TRUE(WaitFor([] { return CaptureThenAskView::answer == IDYES; }));
    EXPECT_TRUE(WaitFor([&] { return QWidget::mouseGrabber() == &child->View(); }));
    child->close();
    EXPECT_TRUE(WaitFor([] { return QWidget::mouseGrabber() == nullptr; }));
}

}  // namespace
}  // namespace dulm::test


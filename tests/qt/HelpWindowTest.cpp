// The help window: topics by context number, links, Back, and a help file that is not there.
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "qt/AboutDialog.h"
#include "qt/ChildWindow.h"
#include "qt/HelpFileLocation.h"
#include <QAccessible>
#include <QToolBar>

#include "qt/HelpWindow.h"
#include "qt/TemplateDialog.h"
#include "res/Resources.h"

namespace dulm::test {
namespace {

QMessageBox* VisibleMessageBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

TEST(HelpWindow, FindsTheHelpFileOfTheSourceTreeWhenNotInstalled) {
    EXPECT_TRUE(std::filesystem::exists(HelpFileLocation::Find()));
}

TEST(HelpWindow, LinksNavigateAndBackReturns) {
    HelpWindow help(HelpFileLocation::Find());
    help.ShowIndex();
    EXPECT_EQ(help.CurrentPage().path(), "contents");
    auto* browser = help.findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toHtml().contains("topic:0x20087"));  // the Index links to the Introduction

    browser->setSource(HelpBrowser::TopicUrl("0x20087"));
    EXPECT_TRUE(browser->toPlainText().startsWith("Introduction"));
    browser->backward();
    EXPECT_EQ(help.CurrentPage().path(), "contents");
}

TemplateDialog* VisibleTemplateDialog() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = dynamic_cast<TemplateDialog*>(w); dialog && dialog->isVisible()) return dialog;
    return nullptr;
}

// A click as the window system delivers it, which a window blocked by a modal dialog never gets.
void ClickThroughTheWindowSystem(QWidget& target) {
    QTest::mouseClick(target.window()->windowHandle(), Qt::LeftButton, {},
                      target.mapTo(target.window(), target.rect().center()));
}

// Help asked for from a parameter dialog comes up in front, below the menu bar, and answers
// clicks while the dialog stays open; the dialog still works afterwards.
TEST(HelpWindow, StaysUsableWhileADialogIsOpen) {
    StartedProgram program(ViewTestTemplates);
    MainWindow& window = program.Window();
    DialogView::asking = false;
    DialogView::result = 0;
    program.Open(res::IDR_ALPHA);  // asks for its parameters at once
    TemplateDialog* dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = VisibleTemplateDialog()) != nullptr; }));
    EXPECT_TRUE(dialog->isModal());
    dialog->activateWindow();
    QTest::keyClick(dialog, Qt::Key_F1);
    HelpWindow& help = window.Help();
    ASSERT_TRUE(help.isVisible());
    EXPECT_EQ(help.CurrentPage().path(), "0x20067");
    EXPECT_TRUE(QTest::qWaitForWindowActive(&help));
    EXPECT_GT(help.geometry().top(), window.menuBar()->mapToGlobal(QPoint(0, window.menuBar()->height())).y());
    // Below the toolbar, beside the dialog (its buttons stay in view), announced as a window.
    const QToolBar* tools = window.findChild<QToolBar*>();
    ASSERT_NE(tools, nullptr);
    EXPECT_GE(help.geometry().top(), tools->mapToGlobal(QPoint(0, tools->height())).y());
    EXPECT_FALSE(help.frameGeometry().intersects(dialog->frameGeometry()));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&help)->role(), QAccessible::Window);

    QPushButton* index = nullptr;
    for (QPushButton* button : help.findChildren<QPushButton*>())
        if (button->text() == "Index") index = button;
    ASSERT_NE(index, nullptr);
    ClickThroughTheWindowSystem(*index);
    EXPECT_EQ(help.CurrentPage().path(), "contents");
    EXPECT_TRUE(dialog->isVisible());

    // Esc closes the help and leaves the dialog open.
    QTest::keyClick(help.focusWidget() ? help.focusWidget() : &help, Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
    EXPECT_TRUE(dialog->isVisible());

    ClickThroughTheWindowSystem(*dialog->Control(IDOK));
    ASSERT_TRUE(WaitFor([] { return DialogView::result == IDOK; }));
}

TEST(HelpWindow, TheAboutBoxLeavesTheHelpUsable) {
    StartedProgram program(ViewTestTemplates);
    MainWindow& window = program.Window();
    TemplateDialog* about = AboutDialog::Show(&window, window.HelpRequester());
    window.OnCommand(res::ID_HELP_USING);
    QPushButton* index = nullptr;
    for (QPushButton* button : window.Help().findChildren<QPushButton*>())
        if (button->text() == "Index") index = button;
    ASSERT_NE(index, nullptr);
    ClickThroughTheWindowSystem(*index);
    EXPECT_EQ(window.Help().CurrentPage().path(), "contents");
    EXPECT_TRUE(about->isVisible());
    about->reject();
}

TEST(HelpWindow, MissingFileIsReportedWithItsPath) {
    HelpWindow help("/nowhere/dulm.hlp");
    help.ShowContext(0x20004);
    EXPECT_FALSE(help.isVisible());
    QMessageBox* box = VisibleMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains("/nowhere/dulm.hlp"));
    box->close();
}

}  // namespace
}  // namespace dulm::test

// The help window: topics by context number, links, Back, and a help file that is not there.
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "qt/HelpFileLocation.h"
#include "qt/HelpWindow.h"

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

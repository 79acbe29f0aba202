// The main frame: its size and reference canvas, menus of the active window, prompts, help keys,
// files and the lock indicators.
#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolTip>
#include <QWindow>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "app/ChildPlacement.h"
#include "qt/ChildWindow.h"
#include "qt/CommandActions.h"
#include "qt/ContextHelpMode.h"
#include "qt/MainStatusBar.h"
#include "qt/ViewWidget.h"
#include "res/Resources.h"

namespace dulm::test {
namespace {

QStringList MenuTitles(const MainWindow& window) {
    QStringList titles;
    for (QAction* action : window.menuBar()->actions()) titles << action->text();
    return titles;
}

QStringList Items(const MainWindow& window, const QString& title) {
    QStringList items;
    for (QAction* popup : window.menuBar()->actions())
        if (popup->text() == title)
            for (QAction* item : popup->menu()->actions())
                if (item->isVisible()) items << item->text();
    return items;
}

QMenu* Popup(const MainWindow& window, const QString& title) {
    for (QAction* popup : window.menuBar()->actions())
        if (popup->text() == title) return popup->menu();
    return nullptr;
}

// Counts the keys that reach the demonstration windows' views.
class KeyCounter final : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_F4 || key == Qt::Key_F6) ++count;
        }
        return false;
    }
};

// The offscreen screen is 800 x 600: the frame keeps inside it, with room for its title bar.
TEST(MainWindow, FrameFitsTheScreenAndItsCanvasIsMeasuredOnce) {
    StartedProgram program(ViewTestTemplates);
    MainWindow& window = program.Window();
    const QRect available = window.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(QRect(window.pos(), window.size() + QSize(16, 40))));
    EXPECT_GE(window.width(), available.width() * 3 / 4);
    const Size canvas = AfxGetMainFrame().ReferenceCanvas();
    EXPECT_EQ(&AfxGetMainFrame(), &window.Frame());
    // The client size of a new demonstration window's view: the first one shows its canvas 1:1.
    ChildWindow* first = program.Open(res::IDR_CENTRAL);
    EXPECT_EQ(first->View().size(), QSize(canvas.cx, canvas.cy));
    EXPECT_LT(canvas.cy, window.MdiArea().height());  // less the window's own title bar

    window.resize(window.width() + 150, window.height() + 120);
    QCoreApplication::processEvents();
    EXPECT_EQ(AfxGetMainFrame().ReferenceCanvas(), canvas);
}

TEST(MainWindow, MenuBarFollowsTheActiveDemonstration) {
    StartedProgram program(ViewTestTemplates);
    MainWindow& window = program.Window();
    EXPECT_EQ(MenuTitles(window), (QStringList{"&Demo", "&View", "&Help"}));
    EXPECT_EQ(Items(window, "&Demo"), (QStringList{"&New\tCtrl+N", "", "", "E&xit"}));

    ChildWindow* central = program.Open(res::IDR_CENTRAL);
    EXPECT_EQ(MenuTitles(window), (QStringList{"&Demo", "&View", "&Window", "&Help"}));
    const QStringList classroom{"", "&Run Again\tCtrl+R", "Cop&y Picture\tCtrl+C", "Save Picture &As...",
                                "&Export Data...", "&Print...\tCtrl+P", "", ""};
    EXPECT_EQ(Items(window, "&Demo"), (QStringList{"&New\tCtrl+N", "&Start Demo", "&Close"} + classroom + QStringList{"E&xit"}));

    program.Open(res::IDR_ANOVA);
    EXPECT_EQ(Items(window, "&Demo"), (QStringList{"&New\tCtrl+N", "&Close"} + classroom + QStringList{"E&xit"}));

    program.Open(res::IDR_CORRELATION);
    ASSERT_EQ(MenuTitles(window).size(), 5);
    EXPECT_EQ(Items(window, "&Options"), (QStringList{"&Circles", "&Letters"}));
    for (unsigned id : {res::ID_CIRCLES, res::ID_LETTERS}) {
        QAction* item = window.Actions().Action(id);
        EXPECT_TRUE(item->isCheckable());
        EXPECT_TRUE(item->isChecked());
    }

    window.MdiArea().setActiveSubWindow(central);
    EXPECT_EQ(window.windowTitle(), "Dulm Windows Application - Central Limit - 1");
    EXPECT_TRUE(Items(window, "&Demo").contains("&Start Demo"));

    window.CloseAllChildren();
    ASSERT_TRUE(WaitFor([&] { return window.MdiArea().subWindowList().isEmpty(); }));
    EXPECT_EQ(MenuTitles(window), (QStringList{"&Demo", "&View", "&Help"}));
    EXPECT_EQ(window.windowTitle(), "Dulm Windows Application");
}

TEST(MainWindow, PromptsComeFromTheStringTable) {
    StartedProgram program(ViewTestTemplates);
    const CommandActions& actions = program.Window().Actions();
    program.Open(res::IDR_CORRELATION);
    program.Open(res::IDR_CENTRAL);
    EXPECT_EQ(actions.Action(res::ID_FILE_NEW)->statusTip(), "Create a new document");
    EXPECT_EQ(actions.Action(res::ID_START_DEMO)->statusTip(), "Start the demonstration!");
    EXPECT_EQ(actions.Action(res::ID_LETTERS)->statusTip(), "The mapping symbols will be letters");
    EXPECT_EQ(actions.Action(res::ID_CONTEXT_HELP)->statusTip(),
              "Display help for clicked on buttons, menus and windows");
    EXPECT_EQ(program.Window().StatusBar().IdleText(), "For Help, press F1");
}

TEST(MainWindow, ToolbarHasItsThreeCommandsAndToggles) {
    StartedProgram program(ViewTestTemplates);
    MainWindow& window = program.Window();
    QList<unsigned> buttons;
    for (QAction* action : window.ToolBar().actions())
        if (!action->isSeparator())
            for (unsigned id : {res::ID_FILE_NEW, res::ID_APP_ABOUT, res::ID_CONTEXT_HELP})
                if (window.Actions().Action(id) == action) buttons << id;
    EXPECT_EQ(buttons, (QList<unsigned>{res::ID_FILE_NEW, res::ID_APP_ABOUT, res::ID_CONTEXT_HELP}));

    window.OnCommand(res::ID_VIEW_TOOLBAR);
    EXPECT_FALSE(window.ToolBar().isVisible());
    EXPECT_FALSE(window.Actions().Action(res::ID_VIEW_TOOLBAR)->isChecked());
    window.OnCommand(res::ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(window.StatusBar().isVisible());
    window.OnCommand(res::ID_VIEW_TOOLBAR);
    EXPECT_TRUE(window.ToolBar().isVisible());
    EXPECT_TRUE(window.Actions().Action(res::ID_VIEW_TOOLBAR)->isChecked());
}

TEST(MainWindow, ToolbarButtonsShowTheirToolTips) {
    StartedProgram program(ViewTestTemplates);
    MainWindow& window = program.Window();
    const std::pair<unsigned, QString> tips[] = {
        {res::ID_FILE_NEW, "New"}, {res::ID_APP_ABOUT, "About"}, {res::ID_CONTEXT_HELP, "Help"}};
    for (const auto& [id, tip] : tips) {
        QWidget* button = window.ToolBar().widgetForAction(window.Actions().Action(id));
        ASSERT_NE(button, nullptr);
        const QPoint centre = button->rect().center();
        QHelpEvent hover(QEvent::ToolTip, centre, button->mapToGlobal(centre));
        QApplication::sendEvent(button, &hover);
        EXPECT_TRUE(WaitFor([&] { return QToolTip::isVisible() && QToolTip::text() == tip; })) << tip.toStdString();
    }
    QToolTip::hideText();
}

// The active window's name once in the caption: bracketed while maximised, as the desktop's MDI
// programs show it, plain while restored.
TEST(MainWindow, CaptionNamesTheActiveWindowOnceMaximisedOrNot) {
    StartedProgram program(ViewTestTemplates);
    MainWindow& window = program.Window();
    ChildWindow* central = program.Open(res::IDR_CENTRAL);
    ChildWindow* correlation = program.Open(res::IDR_CORRELATION);
    EXPECT_EQ(window.windowTitle(), "Dulm Windows Application - Correlation - 1");

    correlation->showMaximized();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.windowTitle(), "Dulm Windows Application - [Correlation - 1]");

    window.MdiArea().setActiveSubWindow(central);  // the next window comes up maximised
    QCoreApplication::processEvents();
    ASSERT_TRUE(central->isMaximized());
    EXPECT_EQ(window.windowTitle(), "Dulm Windows Application - [Central Limit - 1]");

    central->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.windowTitle(), "Dulm Windows Application - Central Limit - 1");
    window.MdiArea().setActiveSubWindow(correlation);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.windowTitle(), "Dulm Windows Application - Correlation - 1");
}

// Five windows tile as equal cells of a grid, side by side, none cut by another.
TEST(MainWindow, TileMakesAGridOfEqualCells) {
    StartedProgram program(ViewTestTemplates);
    MainWindow& window = program.Window();
    std::vector<ChildWindow*> children;
    for (int i = 0; i < 5; ++i) children.push_back(program.Open(res::IDR_CENTRAL));
    children[2]->showMaximized();
    window.OnCommand(res::ID_WINDOW_TILE_HORZ);
    QCoreApplication::processEvents();
    const QRect area(QPoint(0, 0), window.MdiArea().viewport()->size());
    for (ChildWindow* child : children) {
        EXPECT_FALSE(child->isMaximized());
        EXPECT_TRUE(area.contains(child->geometry()));
        EXPECT_LE(std::abs(child->width() - children[0]->width()), 1);
        EXPECT_LE(std::abs(child->height() - children[0]->height()), 1);
        for (ChildWindow* other : children) {
            if (other != child) {
                EXPECT_FALSE(child->geometry().intersects(other->geometry()));
            }
        }
    }
    EXPECT_EQ(children[1]->y(), children[0]->y());  // a row holds more than one window
    EXPECT_GT(children[4]->y(), children[0]->y());
}

TEST(MainWindow, CascadeKeepsTheWindowsLargeWithTheActiveOneOnTop) {
    StartedProgram program(ViewTestTemplates);
    MainWindow& window = program.Window();
    ChildWindow* central = program.Open(res::IDR_CENTRAL);
    ChildWindow* anova = program.Open(res::IDR_ANOVA);
    ChildWindow* correlation = program.Open(res::IDR_CORRELATION);
    window.MdiArea().setActiveSubWindow(anova);
    anova->showMaximized();
    QCoreApplication::processEvents();

    window.OnCommand(res::ID_WINDOW_CASCADE);
    QCoreApplication::processEvents();
    const QSize area = window.MdiArea().viewport()->size();
    EXPECT_EQ(window.ActiveChild(), anova);
    EXPECT_EQ(window.MdiArea().subWindowList(QMdiArea::StackingOrder).last(), anova);
    for (ChildWindow* child : {central, anova, correlation}) {
        EXPECT_FALSE(child->isMaximized());
        EXPECT_EQ(child->size(), central->size());
    }
    // Central Limit at the corner, Correlation one step in, the active Anova last.
    const int step = correlation->x();
    EXPECT_GE(step, 15);
    EXPECT_LE(step, 50);
    EXPECT_EQ(central->pos(), QPoint(0, 0));
    EXPECT_EQ(correlation->pos(), QPoint(step, step));
    EXPECT_EQ(anova->pos(), QPoint(2 * step, 2 * step));
    EXPECT_EQ(anova->size(), QSize(area.width() - 2 * step, area.height() - 2 * step));
    EXPECT_EQ(window.windowTitle(), "Dulm Windows Application - Anova - 1");
}

TEST(MainWindow, WindowMenuListsTheWindowsAndActivatesTheOneChosen) {
    StartedProgram program(ViewTestTemplates);
    MainWindow& window = program.Window();
    ChildWindow* central = program.Open(res::IDR_CENTRAL);
    program.Open(res::IDR_CORRELATION);
    QMenu* menu = Popup(window, "&Window");
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    EXPECT_EQ(Items(window, "&Window"), (QStringList{"&Cascade", "&Tile", "", "&1 Central Limit - 1", "&2 Correlation - 1"}));
    std::vector<QAction*> items = window.Actions().WindowItems(menu);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_FALSE(items[0]->isChecked());
    EXPECT_TRUE(items[1]->isChecked());

    items[0]->trigger();
    EXPECT_EQ(window.ActiveChild(), central);
    menu = Popup(window, "&Window");  // Central Limit's own menu
    emit menu->aboutToShow();
    items = window.Actions().WindowItems(menu);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_TRUE(items[0]->isChecked());
    EXPECT_FALSE(items[1]->isChecked());

    central->close();
    ASSERT_TRUE(WaitFor([&] { return window.Children().size() == 1; }));
    menu = Popup(window, "&Window");
    emit menu->aboutToShow();
    EXPECT_EQ(Items(window, "&Window"), (QStringList{"&Cascade", "&Tile", "", "&1 Correlation - 1"}));
}

// Ctrl+F6 and Ctrl+Shift+F6 go round the windows and Ctrl+F4 closes the active one, with the
// keyboard focus in a view, which never sees these keys; F6 alone does nothing.
TEST(MainWindow, WindowKeysWorkFromAViewAndNeverReachIt) {
    StartedProgram program(ViewTestTemplates);
    MainWindow& window = program.Window();
    ChildWindow* central = program.Open(res::IDR_CENTRAL);
    ChildWindow* anova = program.Open(res::IDR_ANOVA);
    ChildWindow* correlation = program.Open(res::IDR_CORRELATION);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    KeyCounter keys;
    for (ChildWindow* child : window.Children()) child->View().installEventFilter(&keys);
    correlation->View().setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &correlation->View());

    QTest::keyClick(window.windowHandle(), Qt::Key_F6, Qt::ControlModifier);
    EXPECT_EQ(window.ActiveChild(), central);
    QTest::keyClick(window.windowHandle(), Qt::Key_F6, Qt::ControlModifier);
    EXPECT_EQ(window.ActiveChild(), anova);
    QTest::keyClick(window.windowHandle(), Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window.ActiveChild(), central);
    QTest::keyClick(window.windowHandle(), Qt::Key_F6);
    QTest::keyClick(window.windowHandle(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(window.ActiveChild(), central);
    ASSERT_EQ(QApplication::focusWidget(), &central->View());

    QTest::keyClick(window.windowHandle(), Qt::Key_F4, Qt::ControlModifier);
    ASSERT_TRUE(WaitFor([&] { return window.Children().size() == 2; }));
    EXPECT_NE(window.ActiveChild(), nullptr);
    EXPECT_EQ(keys.count, 0);
}

TEST(MainWindow, AcceleratorKeysAreRegisteredEvenWithoutAHandler) {
    StartedProgram program(ViewTestTemplates);
    const CommandActions& actions = program.Window().Actions();
    EXPECT_TRUE(actions.Action(res::ID_FILE_OPEN)->shortcuts().contains(QKeySequence("Ctrl+O")));
    EXPECT_TRUE(actions.Action(res::ID_EDIT_PASTE)->shortcuts().contains(QKeySequence("Shift+Ins")));
    EXPECT_TRUE(actions.Action(res::ID_EDIT_PASTE)->shortcuts().contains(QKeySequence("Ctrl+V")));
    EXPECT_TRUE(actions.Action(res::ID_PREV_PANE)->shortcuts().contains(QKeySequence("Shift+F6")));
    EXPECT_TRUE(actions.Action(res::ID_CONTEXT_HELP)->shortcuts().contains(QKeySequence("Shift+F1")));
}

TEST(MainWindow, HelpKeyWithoutADemonstrationOpensTheMainFrameTopic) {
    StartedProgram program(ViewTestTemplates);
    program.Window().OnCommand(res::ID_HELP);
    EXPECT_TRUE(program.Window().Help().isVisible());
    EXPECT_EQ(program.Window().Help().CurrentPage().path(), "0x20002");
    program.Window().OnCommand(res::ID_HELP_USING);
    EXPECT_EQ(program.Window().Help().CurrentPage().path(), "using");
}

TEST(MainWindow, ContextHelpAnswersACommandAndAClickOnAWindow) {
    StartedProgram program(ViewTestTemplates);
    MainWindow& window = program.Window();
    ChildWindow* child = program.Open(res::IDR_CENTRAL);

    window.OnCommand(res::ID_CONTEXT_HELP);
    EXPECT_TRUE(window.ContextHelp().Active());
    window.OnCommand(res::ID_APP_ABOUT);  // a toolbar button or menu item clicked in the mode
    EXPECT_FALSE(window.ContextHelp().Active());
    EXPECT_EQ(window.Help().CurrentPage().path(), "0x1E140");
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::none_of(windows.begin(), windows.end(),
                             [](QWidget* w) { return w->isVisible() && w->windowTitle() == "About Dulm"; }));

    window.OnCommand(res::ID_CONTEXT_HELP);
    QTest::mouseClick(&child->View(), Qt::LeftButton);
    EXPECT_EQ(window.Help().CurrentPage().path(), "0x20004");

    window.OnCommand(res::ID_CONTEXT_HELP);
    QTest::mouseClick(window.statusBar(), Qt::LeftButton);
    EXPECT_EQ(window.Help().CurrentPage().path(), "0x20002");

    window.OnCommand(res::ID_CONTEXT_HELP);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.ContextHelp().Active());
}

TEST(MainWindow, OpeningAFilePicksTheDemonstrationByExtension) {
    StartedProgram program(ViewTestTemplates);
    MainWindow& window = program.Window();
    QTemporaryDir dir;
    QFile(dir.filePath("My Means.CNT")).open(QIODevice::WriteOnly);  // an empty document
    ChildWindow* child = window.OpenFile(dir.filePath("My Means.CNT"));
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->TemplateId(), res::IDR_CENTRAL);
    EXPECT_EQ(child->Title(), "My Means.CNT");

    EXPECT_EQ(window.OpenFile("/somewhere/notes.txt"), nullptr);
    EXPECT_EQ(window.Children().size(), 1u);
    EXPECT_FALSE(window.findChildren<QMessageBox*>().isEmpty());
}

// The title, the caption and the Window menu are one line whatever the file is called.
TEST(MainWindow, ANewlineInAFileNameShowsAsASpace) {
    StartedProgram program(ViewTestTemplates);
    MainWindow& window = program.Window();
    QTemporaryDir dir;
    QFile(dir.filePath("Two\nLines\r\tx.cnt")).open(QIODevice::WriteOnly);
    ChildWindow* child = window.OpenFile(dir.filePath("Two\nLines\r\tx.cnt"));
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->Title(), "Two Lines  x.cnt");
    EXPECT_EQ(window.windowTitle(), "Dulm Windows Application - Two Lines  x.cnt");
}

TEST(MainWindow, SaveReplacesTheFileWithTheRun) {
    StartedProgram program(ViewTestTemplates);
    program.Open(res::IDR_CENTRAL);
    QTemporaryDir dir;
    const QString path = dir.filePath("Central Limit1.cnt");
    {
        QFile existing(path);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("old content");
    }
    program.Window().SaveActiveAs(path);
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("Dulm demonstration 1\ndemo=central\n"));

    program.Window().SaveActiveAs(dir.filePath("missing/folder/x.cnt"));
    EXPECT_FALSE(program.Window().findChildren<QMessageBox*>().isEmpty());
}

TEST(MainWindow, LockIndicatorsCountEachPressOnce) {
    StartedProgram program(ViewTestTemplates);
    MainWindow& window = program.Window();
    EXPECT_EQ(window.StatusBar().Indicators(), "");
    QTest::keyClick(window.windowHandle(), Qt::Key_CapsLock);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.StatusBar().Indicators(), "CAP");
    QTest::keyClick(window.windowHandle(), Qt::Key_NumLock);
    QTest::keyClick(window.windowHandle(), Qt::Key_CapsLock);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.StatusBar().Indicators(), "NUM");
}

}  // namespace
}  // namespace dulm::test

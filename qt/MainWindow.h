// The main frame: the MDI area of the demonstration windows, the menus of the active window,
// toolbar, status bar, accelerators, help and the reference canvas W x H that every view borrows.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include <QFileDialog>
#include <QMainWindow>
#include <QMdiArea>

#include "app/DemoApp.h"
#include "app/MainFrame.h"
#include "qt/CommandActions.h"
#include "platform/RunMemory.h"
#include "qt/HelpWindow.h"

class QToolBar;

namespace dulm {

class ChildWindow;
class ContextHelpMode;
class MainStatusBar;
class DisplayCommands;

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const CDemoApp& app);
    ~MainWindow() override;

    // False when the toolbar could not be loaded: the frame is not usable and the program ends.
    bool Created() const { return m_created; }
    const CMainFrame& Frame() const { return *m_frame; }
    CommandActions& Actions() const { return *m_actions; }
    QMdiArea& MdiArea() const { return *m_mdi; }
    QToolBar& ToolBar() const { return *m_toolBar; }
    MainStatusBar& StatusBar() const { return *m_statusBar; }
    HelpWindow& Help() const { return *m_help; }
    ContextHelpMode& ContextHelp() const { return *m_contextHelp; }

    // Runs a command as its menu item, button or key would.
    void OnCommand(unsigned id);
    // "&New": the "New" dialog, then a window of the demonstration chosen.
    void OnFileNew();
    // A new window of a demonstration, titled with its document name and a running number; while
    // the main window is still hidden the window is opened when it is first shown.
    ChildWindow* NewDemo(const CMultiDocTemplate& tmpl);
    // prepared: a saved run to repeat, its dialogs answered without showing when answerPrepared.
    ChildWindow* OpenDemo(const CMultiDocTemplate& tmpl, const QString& title, RunRecord prepared = {},
                          bool answerPrepared = false);
    // Open, a dropped file, a recent file and the command line: a new window of the file's
    // demonstration, running the saved run; a file that cannot be read or is not a document of
    // that demonstration opens nothing and the user is told why.
    ChildWindow* OpenFile(const QString& path);
    // Save of the active window to a chosen path: its parameters and seed.
    void SaveActiveAs(const QString& path);
    // Demo > Run Again: the active window's demonstration again in its place with the same
    // parameters, with a new seed or the same.
    ChildWindow* RunAgain(bool sameSeed);
    // The recent files the Demo menu lists, latest first.
    const std::vector<std::string>& RecentFiles() const { return m_recent; }

    ChildWindow* ActiveChild() const;
    std::vector<ChildWindow*> Children() const;
    void CloseAllChildren();
    // "&Cascade": the windows restored, overlapping, each a title bar's height below and right of
    // the one behind it, all of one size, the active one last and on top.
    void Cascade();
    // Tiles the demonstration windows in a grid of equal cells of about the pictures' shape.
    void Tile();
    void ShowHelp(unsigned context);
    HelpRequest HelpRequester();

public slots:
    // Enables and checks the view's commands from what the active view's thread published.
    void updateMenus();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool CreateToolBar();
    void CreateStatusBar();
    void RecordReferenceCanvas();
    void OnChildActivated();
    void ShowRunStatus();
    void OnFocusWindowChanged(QWindow* focused);
    void ShowMenu(unsigned menuId);
    void UpdateTitle();
    QString Title() const;
    void AddWindowKeys();
    std::vector<CommandActions::WindowEntry> WindowList() const;
    void PlaceHelp(QWidget& help) const;
    QString AskFileName(QFileDialog::AcceptMode mode, const QString& caption, const QString& name,
                        const QString& filter);
    void OnHelpKey();
    void OnFileOpen();
    void OnFileSave();
    void OnCopyPicture();
    void OnSavePicture();
    void OnExportData();
    // Asks where to write the active window's file, then writes it; a failure is said in a message
    // box: the path, the sentence given and the reason.
    void WriteActiveWindowFile(const QString& caption, const char* extension, const QString& filter,
                               const QString& failed,
                               std::optional<QString> (*write)(ViewHost& host, const QString& path));
    void RememberFile(const QString& path);
    void UpdateRecentFiles();
    void RepaintViews();
    void ShowMessage(const QString& text);
    QRect MdiViewport() const;
    std::vector<const CMultiDocTemplate*> Templates() const;

    const CDemoApp& m_app;
    std::unique_ptr<CMainFrame> m_frame;
    bool m_created = false;
    QMdiArea* m_mdi;
    CommandActions* m_actions;
    QToolBar* m_toolBar = nullptr;
    MainStatusBar* m_statusBar = nullptr;
    std::unique_ptr<HelpWindow> m_help;
    ContextHelpMode* m_contextHelp;
    DisplayCommands* m_display = nullptr;
    unsigned m_shownMenu = 0;
    std::map<unsigned, int> m_untitled;  // the running number of each template's window titles
    struct Deferred {
        const CMultiDocTemplate* tmpl;
        QString title;
        RunRecord prepared;
    };
    std::vector<Deferred> m_deferred;
    std::vector<std::string> m_recent;
    bool m_helpToFront = false;  // help opened before the frame was first shown stays in front
};

}  // namespace dulm

#include "qt/MainWindow.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFileDialog>
#include <QLayout>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QToolBar>
#include <QWindow>

#include "app/RecentFiles.h"
#include "app/WindowLayout.h"
#include "demos/Registry.h"
#include "qt/AboutDialog.h"
#include "qt/ChildWindow.h"
#include "qt/CommandActions.h"
#include "qt/ContextHelpMode.h"
#include "qt/DialogLook.h"
#include "qt/DocumentFiles.h"
#include "qt/HelpFileLocation.h"
#include "qt/MainStatusBar.h"
#include "qt/NewDialog.h"
#include "qt/DisplayCommands.h"
#include "qt/PictureCommands.h"
#include "qt/ViewWidget.h"
#include "res/Resources.h"
#include "res/Strings.h"

namespace dulm {

namespace {

constexpr Size kMinimumFrame{800, 600};
// What a window manager's frame adds to a window, about: borders and the title bar.
constexpr Size kDecoration{16, 40};
constexpr QSize kToolBarImage(16, 15);
constexpr int kHelpTitleBar = 40;  // room for the help window's title bar, which the desktop adds
constexpr int kMinimumCascadeStep = 8;
constexpr int kLeastHelpWidth = 220;  // the help made narrower to keep beside a dialog

Rect ToRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
QRect ToQRect(const Rect& r) { return {r.left, r.top, r.Width(), r.Height()}; }

}  // namespace

MainWindow::MainWindow(const CDemoApp& app)
    : m_app(app), m_mdi(new QMdiArea(this)), m_actions(new CommandActions(*this)),
      m_help(std::make_unique<HelpWindow>(HelpFileLocation::Find())), m_contextHelp(new ContextHelpMode(this)) {
    setWindowIcon(QIcon(":/icons/dulm.xpm"));
    setCentralWidget(m_mdi);
    m_mdi->setBackground(palette().dark());
    setContextMenuPolicy(Qt::NoContextMenu);
    ShowMenu(res::IDR_MAINFRAME);
    m_created = CreateToolBar();
    CreateStatusBar();
    RecordReferenceCanvas();
    UpdateTitle();
    AddWindowKeys();
    m_display = new DisplayCommands(*this);
    m_actions->SetWindowList([this] { return WindowList(); });
    m_help->SetFirstPlacement([this](QWidget& help) { PlaceHelp(help); });
    m_recent = LoadRecentFileList(int(res::kRecentFiles));
    UpdateRecentFiles();

    // The caption names the active window once: Qt's own " - [title]" of a maximised window is
    // replaced by this window's caption whenever either changes it.
    connect(this, &QWidget::windowTitleChanged, this, &MainWindow::UpdateTitle);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &MainWindow::OnFocusWindowChanged);
    connect(m_actions, &CommandActions::triggered, this, &MainWindow::OnCommand);
    connect(m_actions, &CommandActions::menuAboutToShow, this, &MainWindow::updateMenus);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MainWindow::OnChildActivated);
    connect(m_help.get(), &HelpWindow::hidden, this, &MainWindow::RepaintViews);
    connect(m_contextHelp, &ContextHelpMode::helpRequested, this, &MainWindow::ShowHelp);
    connect(m_contextHelp, &ContextHelpMode::activeChanged, m_statusBar, &MainStatusBar::ShowHelpModePrompt);
}

MainWindow::~MainWindow() {
    m_contextHelp->Stop();
    CloseAllChildren();
    SetAppMainFrame(nullptr);
}

bool MainWindow::CreateToolBar() {
    const QPixmap strip(":/icons/toolbar.xpm");
    if (strip.width() < 3 * kToolBarImage.width()) return false;
    m_toolBar = addToolBar("Toolbar");
    m_toolBar->setObjectName("toolBar");
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(kToolBarImage);
    const unsigned buttons[] = {res::ID_FILE_NEW, res::ID_APP_ABOUT, res::ID_CONTEXT_HELP};
    const char* const tips[] = {"New", "About", "Help"};
    for (int i = 0; i < 3; ++i) {
        QAction* action = m_actions->Action(buttons[i]);
        action->setIcon(QIcon(strip.copy(i * kToolBarImage.width(), 0, kToolBarImage.width(), kToolBarImage.height())));
        action->setIconVisibleInMenu(false);
        action->setToolTip(tips[i]);
        if (i == 1) m_toolBar->addSeparator();
        m_toolBar->addAction(action);
        // A button of the strip shows only its picture: a screen reader says its tip instead.
        if (QWidget* button = m_toolBar->widgetForAction(action)) {
            button->setAccessibleName(tips[i]);
            button->setAccessibleDescription(action->statusTip());
        }
    }
    return true;
}

void MainWindow::CreateStatusBar() {
    m_statusBar = new MainStatusBar(this);
    setStatusBar(m_statusBar);
    for (unsigned id : {res::ID_VIEW_TOOLBAR, res::ID_VIEW_STATUS_BAR}) {
        m_actions->Action(id)->setCheckable(true);
        m_actions->Action(id)->setChecked(true);
    }
}

// W x H: the client size the view of a new demonstration window gets as the frame opens, that is
// the MDI area less a demonstration window's frame, so that the first window shows its canvas
// pixel for pixel. It is never measured again: views keep the proportions of the start-up size.
void MainWindow::RecordReferenceCanvas() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect client = ToQRect(InitialMainWindow(ToRect(screen->availableGeometry()), kDecoration, kMinimumFrame));
        resize(client.size());
        move(client.topLeft());  // the frame's corner: the decoration lies right and below it
    } else {
        resize(kMinimumFrame.cx, kMinimumFrame.cy);
    }
    layout()->activate();  // places the MDI area below the menu bar and toolbar, above the status bar
    QMdiSubWindow probe;   // a demonstration window's frame as the style draws it
    probe.setWidget(new QWidget);
    m_mdi->addSubWindow(&probe);
    probe.ensurePolished();
    const QSize client = m_mdi->contentsRect().size().shrunkBy(probe.contentsMargins());
    m_frame = std::make_unique<CMainFrame>(ReferenceCanvasFor(Size{client.width(), client.height()}));
    SetAppMainFrame(m_frame.get());
}

void MainWindow::ShowMenu(unsigned menuId) {
    if (!FindDemo(menuId)) menuId = res::IDR_MAINFRAME;
    if (menuId == m_shownMenu) return;
    menuBar()->clear();
    for (QMenu* menu : m_actions->Menus(menuId)) menuBar()->addMenu(menu);
    m_shownMenu = menuId;
}

// The menu bar follows the current child, also while the whole program is in the background.
void MainWindow::OnChildActivated() {
    ChildWindow* child = ActiveChild();
    ShowMenu(child ? child->TemplateId() : res::IDR_MAINFRAME);
    UpdateTitle();
    if (child && isActiveWindow()) child->View().setFocus(Qt::ActiveWindowFocusReason);
    updateMenus();
    ShowRunStatus();
}

// The active window's run speaks in the status bar; with no run, or no window, the idle text.
void MainWindow::ShowRunStatus() {
    const ChildWindow* child = ActiveChild();
    m_statusBar->ShowRunText(child && child->View().Host() ? QString::fromStdString(child->Host().StatusText())
                                                           : QString());
}

// "Dulm Windows Application - Student's t1", or "... - [Student's t1]" while it is maximised.
QString MainWindow::Title() const {
    QString title = QString::fromStdString(res::LoadString(res::IDR_MAINFRAME));
    if (const ChildWindow* child = ActiveChild())
        title += child->isMaximized() ? QString(" - [%1]").arg(child->Title()) : " - " + child->Title();
    return title;
}

void MainWindow::UpdateTitle() {
    const QString title = Title();
    if (windowTitle() != title) setWindowTitle(title);
}

// Keys of the demonstration windows besides the accelerator table's: Ctrl+F4 closes the active
// one, Ctrl+F6 and Ctrl+Shift+F6 go to the next and the previous. Being the window's shortcuts,
// they are taken before a view sees the key.
void MainWindow::AddWindowKeys() {
    auto add = [this](const QKeySequence& key, auto handler) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_F4), [this] { if (ChildWindow* child = ActiveChild()) child->close(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_F6), [this] { m_mdi->activateNextSubWindow(); });
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6), [this] { m_mdi->activatePreviousSubWindow(); });
}

std::vector<CommandActions::WindowEntry> MainWindow::WindowList() const {
    std::vector<CommandActions::WindowEntry> entries;
    const ChildWindow* active = ActiveChild();
    for (ChildWindow* child : Children()) {
        entries.push_back({child->Title(), child == active, [this, window = QPointer<ChildWindow>(child)] {
                               if (!window) return;
                               if (window->isMinimized()) window->showNormal();
                               m_mdi->setActiveSubWindow(window);
                           }});
    }
    return entries;
}

void MainWindow::Cascade() {
    QMdiSubWindow* active = m_mdi->currentSubWindow();
    std::vector<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : m_mdi->subWindowList(QMdiArea::StackingOrder))
        if (window->isVisible() && window != active) windows.push_back(window);
    if (active && active->isVisible()) windows.push_back(active);
    if (windows.empty()) return;
    for (QMdiSubWindow* window : windows)
        if (window->isMaximized() || window->isMinimized()) window->showNormal();

    QStyleOptionTitleBar option;
    option.initFrom(windows.front());
    const QStyle* style = windows.front()->style();
    const int step = std::max(kMinimumCascadeStep,
                              style->pixelMetric(QStyle::PM_TitleBarHeight, &option, windows.front()) +
                                  style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, windows.front()));
    const QSize area = m_mdi->viewport()->size();
    const int n = int(windows.size());
    const QSize size = QSize(area.width() - (n - 1) * step, area.height() - (n - 1) * step)
                           .expandedTo(windows.front()->minimumSize());
    // Windows that could not all step down inside the area start again at its corner.
    const int room = std::min(area.width() - size.width(), area.height() - size.height());
    const int perRun = std::max(1, room / step + 1);
    for (int i = 0; i < n; ++i) {
        const int offset = (i % perRun) * step;
        windows[size_t(i)]->setGeometry(offset, offset, size.width(), size.height());
        windows[size_t(i)]->raise();
    }
    if (active) m_mdi->setActiveSubWindow(active);
}

// Equal cells in the grid whose windows' client areas come nearest the pictures' shape.
void MainWindow::Tile() {
    std::vector<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : m_mdi->subWindowList())
        if (window->isVisible() && !window->isMinimized()) windows.push_back(window);
    if (windows.empty()) return;
    QMdiSubWindow* active = m_mdi->currentSubWindow();
    for (QMdiSubWindow* window : windows)
        if (window->isMaximized()) window->showNormal();
    const QMargins margins = windows.front()->contentsMargins();
    const Size frame{margins.left() + margins.right(), margins.top() + margins.bottom()};
    const std::vector<Rect> cells =
        TileGrid(int(windows.size()), ToRect(MdiViewport()), m_frame->ReferenceCanvas(), frame);
    for (size_t i = 0; i < windows.size(); ++i) windows[i]->setGeometry(ToQRect(cells[i]));
    if (active) m_mdi->setActiveSubWindow(active);
}

void MainWindow::updateMenus() {
    if (m_toolBar) m_actions->Action(res::ID_VIEW_TOOLBAR)->setChecked(!m_toolBar->isHidden());
    m_actions->Action(res::ID_VIEW_STATUS_BAR)->setChecked(!m_statusBar->isHidden());
    if (m_display) m_display->Update();
    const ChildWindow* child = ActiveChild();
    for (unsigned id : {res::ID_EDIT_COPY, res::ID_SAVE_PICTURE, res::ID_EXPORT_DATA, res::ID_RUN_AGAIN,
                        res::ID_RUN_AGAIN_SAME_SEED})
        if (QAction* action = m_actions->Action(id)) action->setEnabled(child && child->View().Host());
    if (!child || !child->View().Host()) return;
    for (unsigned id : res::ViewCommands(MenuOf(child->TemplateId()))) {
        QAction* action = m_actions->Action(id);
        if (!action) continue;
        const ViewHost::CommandState state = child->Host().QueryCommand(id);
        action->setEnabled(state.enabled);
        if (state.check < 0) continue;  // no check mark from the update handler: the resource's stays
        action->setCheckable(true);
        action->setChecked(state.check == 1);
    }
}

void MainWindow::OnCommand(unsigned id) {
    if (m_contextHelp->Active()) {
        m_contextHelp->Stop();
        // The recent files share one page.
        const bool recent = id >= res::ID_FILE_MRU_FILE1 && id < res::ID_FILE_MRU_FILE1 + res::kRecentFiles;
        ShowHelp(HID_BASE_COMMAND + (recent ? res::ID_FILE_MRU_FILE1 : id));
        return;
    }
    using namespace res;
    switch (id) {
    case ID_FILE_NEW: return OnFileNew();
    case ID_FILE_OPEN: return OnFileOpen();
    case ID_FILE_SAVE: return OnFileSave();
    case ID_EDIT_COPY: return OnCopyPicture();
    case ID_SAVE_PICTURE: return OnSavePicture();
    case ID_EXPORT_DATA: return OnExportData();
    case ID_RUN_AGAIN:
    case ID_RUN_AGAIN_SAME_SEED: RunAgain(id == ID_RUN_AGAIN_SAME_SEED); return;
    case ID_FILE_CLOSE:
        if (ChildWindow* child = ActiveChild()) child->close();
        return;
    case ID_APP_EXIT: close(); return;
    case ID_VIEW_TOOLBAR:
        if (m_toolBar) m_toolBar->setHidden(!m_toolBar->isHidden());
        return updateMenus();
    case ID_VIEW_STATUS_BAR:
        m_statusBar->setHidden(!m_statusBar->isHidden());
        return updateMenus();
    case ID_WINDOW_CASCADE: return Cascade();
    case ID_WINDOW_TILE_HORZ: return Tile();
    case ID_APP_ABOUT: AboutDialog::Show(this, HelpRequester()); return;
    case ID_HELP_INDEX:
    case ID_DEFAULT_HELP: return m_help->ShowIndex();
    case ID_HELP_USING: return m_help->ShowUsingHelp();
    case ID_HELP: return OnHelpKey();
    case ID_CONTEXT_HELP: return m_contextHelp->Start();
    default: break;
    }
    if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentFiles) {
        if (const size_t k = id - ID_FILE_MRU_FILE1; k < m_recent.size()) OpenFile(QString::fromStdString(m_recent[k]));
        return;
    }
    if (m_display->Handle(id)) return;
    // The commands of the demonstrations' own menus go to the active view; the rest (Print, Undo,
    // Cut, Copy, Paste, the pane keys) have no handler.
    if (id < 0xE000)
        if (ChildWindow* child = ActiveChild(); child && child->View().Host()) child->Host().Post(MakeCommand(id));
}

// F1: a dialog answers it itself; a demonstration window's view may stop its run first, then
// its thread asks for its own topic; with no window open the main frame's topic opens.
void MainWindow::OnHelpKey() {
    if (QApplication::activeModalWidget()) return;
    if (ChildWindow* child = ActiveChild(); child && child->View().Host()) {
        child->Host().Post(MSG{WM_COMMANDHELP, 0, 0, {}});
        return;
    }
    ShowHelp(HID_BASE_RESOURCE + res::IDR_MAINFRAME);
}

void MainWindow::ShowHelp(unsigned context) {
    if (!isVisible() && !m_helpToFront) {
        m_helpToFront = true;
        qApp->installEventFilter(this);
    }
    m_help->ShowContext(context);
}

// The help first opens at the right of the main window, below its menu bar and toolbar, so that
// the menus and tools stay in reach, and beside the dialog it was opened from, whose buttons stay
// in view; the screen's edges come first.
void MainWindow::PlaceHelp(QWidget& help) const {
    const QRect frame = geometry();
    int top = frame.top() + menuBar()->sizeHint().height();
    if (m_toolBar && !m_toolBar->isHidden()) top += m_toolBar->sizeHint().height();
    QPoint position(frame.right() + 1 - help.width(), top);
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        position.setX(std::clamp(position.x(), available.left(),
                                 std::max(available.left(), available.right() + 1 - help.width())));
        position.setY(std::max(position.y(), available.top()));
        const int fits = available.bottom() + 1 - position.y() - kHelpTitleBar;
        if (fits < help.height()) help.resize(help.width(), std::max(fits, 200));
        if (const QWidget* dialog = QApplication::activeModalWidget(); dialog && dialog != &help) {
            const QSize frame = help.size() + QSize(kDecoration.cx, kDecoration.cy);
            const Rect placed = PlaceBeside(ToRect(QRect(position, frame)), ToRect(dialog->frameGeometry()),
                                            ToRect(available), kLeastHelpWidth + kDecoration.cx);
            position = {placed.left, placed.top};
            help.resize(placed.Width() - kDecoration.cx, help.height());
        }
    }
    help.move(position);
}

HelpRequest MainWindow::HelpRequester() {
    return [this](unsigned context) { ShowHelp(context); };
}

std::vector<const CMultiDocTemplate*> MainWindow::Templates() const {
    std::vector<const CMultiDocTemplate*> templates;
    for (const auto& t : m_app.Templates()) templates.push_back(t.get());
    return templates;
}

void MainWindow::OnFileNew() {
    if (const CMultiDocTemplate* chosen = NewDialog::Choose(Templates(), HelpRequester(), this)) NewDemo(*chosen);
}

ChildWindow* MainWindow::NewDemo(const CMultiDocTemplate& tmpl) {
    const int number = ++m_untitled[tmpl.ResourceId()];
    return OpenDemo(tmpl, QString::fromStdString(UntitledWindowTitle(tmpl.GetDocString(CMultiDocTemplate::docName), number)));
}

QRect MainWindow::MdiViewport() const { return {QPoint(0, 0), m_mdi->viewport()->size()}; }

ChildWindow* MainWindow::OpenDemo(const CMultiDocTemplate& tmpl, const QString& title, RunRecord prepared,
                                  bool answerPrepared) {
    if (!isVisible()) {  // the MDI area has no size before the frame is first shown
        m_deferred.push_back({&tmpl, title, std::move(prepared)});
        return nullptr;
    }
    auto* child = new ChildWindow(tmpl, title, this, HelpRequester());
    m_mdi->addSubWindow(child);
    connect(child, &QMdiSubWindow::windowStateChanged, this, &MainWindow::UpdateTitle);
    // The view says when its commands or its status text change: nothing is looked at meanwhile.
    connect(&child->View(), &ViewWidget::stateChanged, this, [this, child] {
        if (child != ActiveChild()) return;
        updateMenus();
        ShowRunStatus();
    });
    // Ctrl+F4 is the main window's key: the window's system menu still names it but leaves it alone.
    if (const QMenu* menu = child->systemMenu())
        for (QAction* action : menu->actions())
            if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_F4)))
                action->setShortcutContext(Qt::WidgetShortcut);
    child->Place(MdiViewport());
    for (ChildWindow* each : Children()) each->setMinimumSize(ChildWindow::MinimumSize());
    m_mdi->setActiveSubWindow(child);
    child->Start(m_display->CurrentPalette(), std::move(prepared), answerPrepared);
    return child;
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    const auto deferred = std::exchange(m_deferred, {});
    for (const Deferred& d : deferred) OpenDemo(*d.tmpl, d.title, d.prepared);
}

// The desktop puts each new window in front as it appears: help opened before the frame was first
// shown (at start-up, or from the "New" list shown then) is raised above each window of ours
// that takes the focus, until the user first presses a key or a button. Only the frame hands the
// focus to it; a dialog keeps it.
void MainWindow::OnFocusWindowChanged(QWindow* focused) {
    if (!focused || !m_helpToFront || focused == m_help->windowHandle()) return;
    if (!m_help->isVisible()) return;
    m_help->raise();
    if (focused == windowHandle()) m_help->activateWindow();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (m_helpToFront && isVisible() &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)) {
        m_helpToFront = false;
        qApp->removeEventFilter(this);
    }
    return QMainWindow::eventFilter(watched, event);
}

ChildWindow* MainWindow::OpenFile(const QString& path) {
    const CMultiDocTemplate* tmpl = m_app.TemplateForFile(path.toStdString());
    if (!tmpl) {
        ShowMessage(QString("%1\nThis file does not belong to any of the demonstrations.").arg(path));
        return nullptr;
    }
    QString error;
    std::optional<RunRecord> run = DocumentFiles::Read(path, FindDemo(tmpl->ResourceId())->name, error);
    if (!run) {
        ShowMessage(QString("%1\nThis document cannot be opened. %2").arg(path, error));
        std::erase(m_recent, QFileInfo(path).absoluteFilePath().toStdString());
        UpdateRecentFiles();
        return nullptr;
    }
    RememberFile(path);
    return OpenDemo(*tmpl, DocumentFiles::TitleOf(path), std::move(*run));
}

void MainWindow::RememberFile(const QString& path) {
    m_recent = AddRecentFile(m_recent, QFileInfo(path).absoluteFilePath().toStdString(), int(res::kRecentFiles));
    SaveRecentFileList(m_recent);  // a list that cannot be written is only a convenience lost
    UpdateRecentFiles();
}

// "&1 Means.cnt" and so on; the items without a file are hidden, and with them the separator.
void MainWindow::UpdateRecentFiles() {
    for (unsigned k = 0; k < res::kRecentFiles; ++k) {
        QAction* action = m_actions->Action(res::ID_FILE_MRU_FILE1 + k);
        if (!action) continue;
        action->setVisible(k < m_recent.size());
        if (k >= m_recent.size()) continue;
        const QString path = QString::fromStdString(m_recent[k]);
        action->setText(QString("&%1 %2").arg(k + 1).arg(DocumentFiles::TitleOf(path).replace('&', "&&")));
        action->setStatusTip(QString("Open %1").arg(path));
    }
}

// Modal to the main window only, as every dialog of the program, so that the help stays usable.
QString MainWindow::AskFileName(QFileDialog::AcceptMode mode, const QString& caption, const QString& name,
                                const QString& filter) {
    QFileDialog dialog(this, caption, name, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

void MainWindow::OnFileOpen() {
    const QString path = AskFileName(QFileDialog::AcceptOpen, "Open", {}, DocumentFiles::OpenFilters(Templates()));
    if (!path.isEmpty()) OpenFile(path);
}

void MainWindow::OnFileSave() {
    const ChildWindow* child = ActiveChild();
    if (!child) return;
    const QString path = AskFileName(QFileDialog::AcceptSave, "Save As",
                                     DocumentFiles::DefaultSaveName(child->Title(), child->Template()),
                                     DocumentFiles::Filter(child->Template()));
    if (!path.isEmpty()) SaveActiveAs(path);
}

void MainWindow::SaveActiveAs(const QString& path) {
    const ChildWindow* child = ActiveChild();
    if (!child || !child->View().Host()) return;
    const std::string demo = FindDemo(child->TemplateId())->name;
    if (const std::optional<QString> error = DocumentFiles::Write(path, demo, child->Host().Recorded())) {
        ShowMessage(QString("%1\n%2").arg(path, *error));
        return;
    }
    RememberFile(path);
}

ChildWindow* MainWindow::RunAgain(bool sameSeed) {
    ChildWindow* child = ActiveChild();
    if (!child || !child->View().Host()) return nullptr;
    RunRecord run = child->Host().Recorded();
    if (!sameSeed) run.seed.reset();
    const CMultiDocTemplate& tmpl = child->Template();
    const QString title = child->Title();
    const QRect geometry = child->geometry();
    const bool maximized = child->isMaximized();
    child->close();
    ChildWindow* again = OpenDemo(tmpl, title, std::move(run), true);
    if (again && maximized) again->showMaximized();
    else if (again) again->setGeometry(geometry);
    return again;
}

namespace {

// The window's title without its document's extension, with another: "Means.cnt" -> "Means.png".
QString NameWith(const ChildWindow& child, const QString& extension) {
    QString title = child.Title();
    const QString own = QString::fromStdString(child.Template().GetDocString(CMultiDocTemplate::filterExt));
    if (!own.isEmpty() && title.endsWith(own, Qt::CaseInsensitive)) title.chop(own.size());
    return title + extension;
}

}  // namespace

void MainWindow::OnCopyPicture() {
    const ChildWindow* child = ActiveChild();
    if (!child || !child->View().Host()) return;
    QApplication::clipboard()->setMimeData(PictureCommands::ClipboardData(child->Host()).release());
}

void MainWindow::OnSavePicture() {
    WriteActiveWindowFile("Save Picture As", ".png", "PNG Images (*.png)", "The picture was not saved.",
                          [](ViewHost& host, const QString& path) { return PictureCommands::SavePicture(host, path); });
}

void MainWindow::OnExportData() {
    WriteActiveWindowFile("Export Data", ".csv", "CSV Files (*.csv)", "The data was not exported.",
                          [](ViewHost& host, const QString& path) { return PictureCommands::ExportData(host, path); });
}

void MainWindow::WriteActiveWindowFile(const QString& caption, const char* extension, const QString& filter,
                                       const QString& failed,
                                       std::optional<QString> (*write)(ViewHost& host, const QString& path)) {
    const ChildWindow* child = ActiveChild();
    if (!child || !child->View().Host()) return;
    const QString path = AskFileName(QFileDialog::AcceptSave, caption, NameWith(*child, extension), filter);
    // The window may have closed while the file dialog was up.
    if (path.isEmpty() || !ActiveChild() || !ActiveChild()->View().Host()) return;
    if (const std::optional<QString> error = write(ActiveChild()->Host(), path))
        ShowMessage(QString("%1\n%2 %3").arg(path, failed, *error));
}

void MainWindow::ShowMessage(const QString& text) {
    QMessageBox* box = DialogLook::MakeMessageBox(this, text.toStdString(), MB_OK | MB_ICONEXCLAMATION);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

ChildWindow* MainWindow::ActiveChild() const { return qobject_cast<ChildWindow*>(m_mdi->currentSubWindow()); }

std::vector<ChildWindow*> MainWindow::Children() const {
    std::vector<ChildWindow*> children;
    for (QMdiSubWindow* window : m_mdi->subWindowList())
        if (auto* child = qobject_cast<ChildWindow*>(window)) children.push_back(child);
    return children;
}

void MainWindow::CloseAllChildren() {
    for (ChildWindow* child : Children()) child->close();
}

// A window uncovered by the help window is painted again; a run that F1 stopped starts again then.
void MainWindow::RepaintViews() {
    for (ChildWindow* child : Children())
        if (child->View().Host()) child->Host().Post(MSG{WM_PAINT, 0, 0, {}});
}

void MainWindow::closeEvent(QCloseEvent* event) {
    m_contextHelp->Stop();
    CloseAllChildren();
    m_help->close();
    event->accept();
    QCoreApplication::quit();  // also when a stray message box of the help is still open
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); }))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) OpenFile(url.toLocalFile());
    event->acceptProposedAction();
}

}  // namespace dulm

#include "qt/MainWindow.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QToolBar>

#include "qt/AboutDialog.h"
#include "qt/ChildWindow.h"
#include "qt/CommandActions.h"
#include "qt/ContextHelpMode.h"
#include "qt/DialogLook.h"
#include "qt/DocumentFiles.h"
#include "qt/HelpFileLocation.h"
#include "qt/MainStatusBar.h"
#include "qt/NewDialog.h"
#include "qt/ViewWidget.h"
#include "res/Resources.h"
#include "res/Strings.h"

namespace dulm {

namespace {

constexpr QSize kMinimumFrame(800, 600);
constexpr QSize kToolBarImage(16, 15);
constexpr int kMenuRefreshMs = 100;

// The toolbar shows no tool tips.
class NoToolTips final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::ToolTip; }
};

QSize InitialFrameSize() {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    return {std::max(kMinimumFrame.width(), available.width() * 3 / 4),
            std::max(kMinimumFrame.height(), available.height() * 3 / 4)};
}

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

    connect(m_actions, &CommandActions::triggered, this, &MainWindow::OnCommand);
    connect(m_actions, &CommandActions::menuAboutToShow, this, &MainWindow::updateMenus);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MainWindow::OnChildActivated);
    connect(m_help.get(), &HelpWindow::hidden, this, &MainWindow::RepaintViews);
    connect(m_contextHelp, &ContextHelpMode::helpRequested, this, &MainWindow::ShowHelp);
    connect(m_contextHelp, &ContextHelpMode::activeChanged, m_statusBar, &MainStatusBar::ShowHelpModePrompt);
    connect(&m_menuTimer, &QTimer::timeout, this, &MainWindow::updateMenus);
    m_menuTimer.start(kMenuRefreshMs);
}

MainWindow::~MainWindow() {
    m_menuTimer.stop();
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
    auto* noToolTips = new NoToolTips(m_toolBar);
    for (int i = 0; i < 3; ++i) {
        QAction* action = m_actions->Action(buttons[i]);
        action->setIcon(QIcon(strip.copy(i * kToolBarImage.width(), 0, kToolBarImage.width(), kToolBarImage.height())));
        action->setIconVisibleInMenu(false);
        if (i == 1) m_toolBar->addSeparator();
        m_toolBar->addAction(action);
        m_toolBar->widgetForAction(action)->installEventFilter(noToolTips);
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

// W x H: the client area below the menu bar, toolbar and status bar included, as the frame
// opens. It is never measured again: views keep the proportions of the start-up size.
void MainWindow::RecordReferenceCanvas() {
    const QSize frame = InitialFrameSize();
    resize(frame);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    const int menuHeight = menuBar()->sizeHint().height();
    m_frame = std::make_unique<CMainFrame>(Size{frame.width(), frame.height() - menuHeight});
    SetAppMainFrame(m_frame.get());
}

void MainWindow::ShowMenu(unsigned menuId) {
    if (res::LoadMenu(menuId).empty()) menuId = res::IDR_MAINFRAME;
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
}

void MainWindow::UpdateTitle() {
    QString title = QString::fromStdString(res::LoadString(res::IDR_MAINFRAME));
    if (const ChildWindow* child = ActiveChild()) title += " - " + child->Title();
    setWindowTitle(title);
}

void MainWindow::updateMenus() {
    if (m_toolBar) m_actions->Action(res::ID_VIEW_TOOLBAR)->setChecked(!m_toolBar->isHidden());
    m_actions->Action(res::ID_VIEW_STATUS_BAR)->setChecked(!m_statusBar->isHidden());
    const ChildWindow* child = ActiveChild();
    if (!child || !child->View().Host()) return;
    for (unsigned id : res::ViewCommands(child->TemplateId())) {
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
        ShowHelp(HID_BASE_COMMAND + id);
        return;
    }
    using namespace res;
    switch (id) {
    case ID_FILE_NEW: return OnFileNew();
    case ID_FILE_OPEN: return OnFileOpen();
    case ID_FILE_SAVE: return OnFileSave();
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
    case ID_WINDOW_CASCADE: return m_mdi->cascadeSubWindows();
    case ID_WINDOW_TILE_HORZ: return m_mdi->tileSubWindows();
    case ID_APP_ABOUT: AboutDialog::Show(this, HelpRequester()); return;
    case ID_HELP_INDEX:
    case ID_DEFAULT_HELP: return m_help->ShowIndex();
    case ID_HELP_USING: return m_help->ShowUsingHelp();
    case ID_HELP: return OnHelpKey();
    case ID_CONTEXT_HELP: return m_contextHelp->Start();
    default: break;
    }
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

void MainWindow::ShowHelp(unsigned context) { m_help->ShowContext(context); }

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
    return OpenDemo(tmpl, QString::fromStdString(tmpl.GetDocString(CMultiDocTemplate::docName)) + QString::number(number));
}

QRect MainWindow::MdiViewport() const { return {QPoint(0, 0), m_mdi->viewport()->size()}; }

ChildWindow* MainWindow::OpenDemo(const CMultiDocTemplate& tmpl, const QString& title) {
    if (!isVisible()) {  // the MDI area has no size before the frame is first shown
        m_deferred.emplace_back(&tmpl, title);
        return nullptr;
    }
    auto* child = new ChildWindow(tmpl, title, this, HelpRequester());
    m_mdi->addSubWindow(child);
    child->Place(MdiViewport());
    for (ChildWindow* each : Children()) each->setMinimumSize(ChildWindow::MinimumSize());
    m_mdi->setActiveSubWindow(child);
    child->Start();
    return child;
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    const auto deferred = std::exchange(m_deferred, {});
    for (const auto& [tmpl, title] : deferred) OpenDemo(*tmpl, title);
}

ChildWindow* MainWindow::OpenFile(const QString& path) {
    const CMultiDocTemplate* tmpl = m_app.TemplateForFile(path.toStdString());
    if (!tmpl) {
        ShowMessage(QString("%1\nThis file does not belong to any of the demonstrations.").arg(path));
        return nullptr;
    }
    return OpenDemo(*tmpl, QFileInfo(path).fileName());
}

void MainWindow::OnFileOpen() {
    const QString path = QFileDialog::getOpenFileName(this, "Open", {}, DocumentFiles::OpenFilters(Templates()));
    if (!path.isEmpty()) OpenFile(path);
}

void MainWindow::OnFileSave() {
    const ChildWindow* child = ActiveChild();
    if (!child) return;
    const QString path =
        QFileDialog::getSaveFileName(this, "Save As", DocumentFiles::DefaultSaveName(child->Title(), child->Template()),
                                     DocumentFiles::Filter(child->Template()));
    if (!path.isEmpty()) SaveActiveAs(path);
}

void MainWindow::SaveActiveAs(const QString& path) {
    if (const std::optional<QString> error = DocumentFiles::WriteEmpty(path))
        ShowMessage(QString("%1\n%2").arg(path, *error));
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

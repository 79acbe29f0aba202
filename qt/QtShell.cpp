#include "qt/QtShell.h"

#include "app/RecentFiles.h"
#include "platform/Messages.h"
#include "qt/DialogLook.h"
#include "qt/HelpWindow.h"
#include "qt/MainWindow.h"

namespace dulm {

QtShell::QtShell(const CDemoApp& app) : m_app(app) {}

QtShell::~QtShell() = default;

void QtShell::SetDialogBkColor(Colour background, Colour text) { DialogLook::SetColours(background, text); }

// Read so that a damaged file shows up early; the main window keeps the list its Demo menu shows.
void QtShell::LoadStdProfileSettings(int maxRecentFiles) { m_recentFiles = LoadRecentFileList(maxRecentFiles); }

bool QtShell::LoadFrame() {
    m_window = std::make_unique<MainWindow>(m_app);
    if (m_window->Created()) return true;
    m_window.reset();
    return false;
}

// The document types are made known to the desktop by the installed desktop entry and MIME file,
// which the package installs; a program writing them at every start would only repeat that.
void QtShell::RegisterShellFileTypes() {}

// Asked before the main window is shown, so a local event loop is the only one running. As the
// framework's message box, a Yes/No question gets the exclamation icon.
int QtShell::MessageBox(const std::string& text, unsigned type) {
    const unsigned icon = (type & 0xF) == MB_YESNO ? unsigned(MB_ICONEXCLAMATION) : 0u;
    std::unique_ptr<QMessageBox> box(DialogLook::MakeMessageBox(nullptr, text, type | icon));
    return DialogLook::MessageBoxResult(box->exec());
}

void QtShell::WinHelp(unsigned context) { m_window->ShowHelp(context); }

void QtShell::OnFileNew() { m_window->OnFileNew(); }

void QtShell::DragAcceptFiles() { m_window->setAcceptDrops(true); }

void QtShell::ShowMainWindow() {
    m_window->show();
    // Help opened at start-up stays in front of the main window.
    if (m_window->Help().isVisible()) m_window->Help().raise();
}

}  // namespace dulm

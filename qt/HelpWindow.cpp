#include "qt/HelpWindow.h"

#include <cstdio>

#include <QAccessibleWidget>
#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Messages.h"
#include "qt/DialogLook.h"

namespace dulm {

namespace {

constexpr const char* kScheme = "topic";

QString HexId(unsigned context) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%X", context);
    return QString::fromLatin1(buffer);
}

QString MissingTopicHtml(const QString& id) {
    return QStringLiteral("<h2>No help</h2><p>There is no help page for topic %1.</p>").arg(id.toHtmlEscaped());
}

// Screen readers announce the help as a window of its own, as they do a dialog.
QAccessibleInterface* AccessibleHelpWindow(const QString&, QObject* object) {
    if (auto* help = qobject_cast<HelpWindow*>(object)) return new QAccessibleWidget(help, QAccessible::Window);
    return nullptr;
}

}  // namespace

QUrl HelpBrowser::TopicUrl(const QString& id) {
    QUrl url;
    url.setScheme(kScheme);
    url.setPath(id);
    return url;
}

// Pages come from the help file, not from files on disk, so links and Back work on topic ids.
QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() != kScheme || !m_file) return QTextBrowser::loadResource(type, name);
    const QString id = name.path();
    if (id == "contents") return QString::fromStdString(m_file->IndexHtml());
    if (const HelpTopic* topic = m_file->FindId(id.toStdString())) return QString::fromStdString(m_file->ToHtml(*topic));
    return MissingTopicHtml(id);
}

HelpWindow::HelpWindow(std::filesystem::path helpFile)
    : QWidget(nullptr, Qt::Window), m_path(std::move(helpFile)), m_browser(new HelpBrowser(this)) {
    setWindowTitle("Dulm Help");
    m_browser->setAccessibleName("Help topic");  // the page a screen reader reads
    auto* index = new QPushButton("Index", this);
    auto* back = new QPushButton("Back", this);
    back->setEnabled(false);
    connect(index, &QPushButton::clicked, this, &HelpWindow::ShowIndex);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(index);
    buttons->addWidget(back);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    resize(560, 640);
    // Esc closes the help, wherever its focus is.
    auto* close = new QAction(this);
    close->setShortcut(Qt::Key_Escape);
    close->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    static const bool announced = [] {
        QAccessible::installFactory(&AccessibleHelpWindow);
        return true;
    }();
    (void)announced;
}

// Loaded on first use, so that a missing help file costs nothing until help is asked for.
bool HelpWindow::EnsureLoaded() {
    if (m_file) return true;
    std::string error;
    m_file = HelpFile::Load(m_path, &error);
    if (m_file) {
        m_browser->SetHelpFile(&*m_file);
        return true;
    }
    QMessageBox* box = DialogLook::MakeMessageBox(nullptr, error, MB_OK | MB_ICONEXCLAMATION);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
    return false;
}

void HelpWindow::ShowPage(const QString& id) {
    if (!EnsureLoaded()) return;
    m_browser->setSource(HelpBrowser::TopicUrl(id), QTextDocument::HtmlResource);
    if (!m_placed && m_place) m_place(*this);
    m_placed = true;
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void HelpWindow::ShowContext(unsigned context) { ShowPage(HexId(context)); }
void HelpWindow::ShowIndex() { ShowPage("contents"); }
void HelpWindow::ShowUsingHelp() { ShowPage("using"); }

void HelpWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit hidden();
}

}  // namespace dulm

#include "qt/ViewWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "qt/KeyMap.h"
#include "res/Menus.h"

namespace dulm {

namespace {
constexpr int kPollMs = 16;  // about one frame
const QColor kEmptyCanvas(192, 192, 192);
}  // namespace

ViewWidget::ViewWidget(const CMultiDocTemplate& tmpl, std::string title, QWidget* dialogParent, HelpRequest help,
                       QWidget* parent)
    : QWidget(parent), m_template(tmpl), m_title(std::move(title)),
      m_ui(std::make_unique<QtUi>(dialogParent, std::move(help))) {
    m_ui->SetViewWidget(this);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&m_poll, &QTimer::timeout, this, &ViewWidget::Poll);
}

ViewWidget::~ViewWidget() { Shutdown(); }

void ViewWidget::Start() {
    if (m_host) return;
    ViewOptions options;
    options.title = m_title;
    options.clientSize = {width(), height()};
    options.trackedCommands = res::ViewCommands(m_template.ResourceId());
    // The window closes itself when its document refuses to open; a closed widget drops the call.
    options.onRefused = [this] {
        QMetaObject::invokeMethod(
            this, [this] { if (!m_shutDown) emit documentRefused(); }, Qt::QueuedConnection);
    };
    // The view learns it is closing before its dialogs are cancelled (the host calls this after
    // telling it), so that a cancelled dialog unwinds the run instead of being taken as "Cancel".
    options.onClosing = [this] { m_ui->CancelPending(); };
    m_host = std::make_unique<ViewHost>(m_template, *m_ui, std::make_unique<SteadyClock>(), std::move(options));
    m_host->Start();
    m_poll.start(kPollMs);
}

void ViewWidget::Shutdown() {
    if (m_shutDown.exchange(true)) return;
    m_poll.stop();
    if (m_host)
        m_host->Close();
    else
        m_ui->CancelPending();
}

// Copies and scales the canvas only when the view has drawn since the last look.
void ViewWidget::Poll() {
    if (m_failure.empty()) {
        m_failure = m_host->Failure();
        if (!m_failure.empty()) update();
    }
    const std::shared_ptr<Canvas> canvas = m_host->GetCanvas();
    if (!canvas) return;
    const std::uint64_t generation = canvas->Generation();
    if (canvas == m_canvas && generation == m_generation) return;
    m_canvas = canvas;
    m_generation = generation;
    m_snapshot = canvas->Snapshot();
    Rescale();
    update();
}

// Area averaging keeps the canvas's one-pixel lines visible when the window is smaller.
void ViewWidget::Rescale() {
    if (m_snapshot.isNull() || width() <= 0 || height() <= 0) {
        m_scaled = QImage();
        return;
    }
    m_scaled = m_snapshot.size() == size() ? m_snapshot
                                            : m_snapshot.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void ViewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_scaled.isNull()) {
        painter.drawImage(0, 0, m_scaled);
        return;
    }
    painter.fillRect(rect(), kEmptyCanvas);
    // A view that failed before it had a canvas: the window says what went wrong.
    if (!m_failure.empty())
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, QString::fromStdString(m_failure));
}

void ViewWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_host && !m_shutDown) m_host->Resize({width(), height()});
    Rescale();
}

void ViewWidget::PostKey(unsigned message, const QKeyEvent& event) {
    if (!m_host || m_shutDown) return;
    const KeyStroke key = KeyMap::Translate(event.key(), event.modifiers());
    m_host->Post(MakeKeyMessage(message, key.vk, key.scan));
}

void ViewWidget::keyPressEvent(QKeyEvent* event) { PostKey(WM_KEYDOWN, *event); }

// A held key repeats its key-down only, as the old keyboard messages did.
void ViewWidget::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) PostKey(WM_KEYUP, *event);
}

void ViewWidget::mousePressEvent(QMouseEvent* event) {
    if (!m_host || m_shutDown) return;
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        m_host->Post(MakeMouseMessage(WM_LBUTTONDOWN, {p.x(), p.y()}));
    else if (event->button() == Qt::RightButton)
        m_host->Post(MakeMouseMessage(WM_RBUTTONDOWN, {p.x(), p.y()}));
}

}  // namespace dulm

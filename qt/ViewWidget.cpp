#include "qt/ViewWidget.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "demos/Registry.h"
#include "qt/AccessiblePicture.h"
#include "qt/BitmapImage.h"
#include "qt/KeyMap.h"

namespace dulm {

namespace {
constexpr int kFrameMs = 16;  // one frame of a 60 Hz display
// A screen reader hears of a running picture's changes once a second: more would drown what it says.
constexpr int kReadingMs = 1000;
const QColor kEmptyCanvas(192, 192, 192);
}  // namespace

ViewWidget::ViewWidget(const CMultiDocTemplate& tmpl, std::string title, QWidget* dialogParent, HelpRequest help,
                       QWidget* parent)
    : QWidget(parent), m_template(tmpl), m_title(std::move(title)),
      m_ui(std::make_unique<QtUi>(dialogParent, std::move(help))) {
    m_ui->SetViewWidget(this);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_nextFrame.setSingleShot(true);
    m_nextFrame.setTimerType(Qt::PreciseTimer);
    connect(&m_nextFrame, &QTimer::timeout, this, &ViewWidget::Present);
    m_nextReading.setSingleShot(true);
    connect(&m_nextReading, &QTimer::timeout, this, &ViewWidget::ReadPicture);
    InstallAccessibleInterfaces();
}

ViewWidget::~ViewWidget() { Shutdown(); }

void ViewWidget::Start(const Palette& palette, RunRecord prepared, bool answerPrepared) {
    if (m_host) return;
    ViewOptions options;
    options.prepared = std::move(prepared);
    options.answerPrepared = answerPrepared;
    options.title = m_title;
    options.clientSize = {width(), height()};
    options.deviceSize = DeviceSize();
    options.palette = &palette;
    options.trackedCommands = res::ViewCommands(MenuOf(m_template.ResourceId()));
    // The window closes itself when its document refuses to open; a closed widget drops the call.
    options.onRefused = [this] { QMetaObject::invokeMethod(this, "OnDocumentRefused", Qt::QueuedConnection); };
    // The view learns it is closing before its dialogs are cancelled (the host calls this after
    // telling it), so that a cancelled dialog unwinds the run instead of being taken as "Cancel".
    options.onClosing = [this] { m_ui->CancelPending(); };
    options.onCanvasChanged = [this] { AnnounceCanvasChange(); };
    options.onStateChanged = [this] { AnnounceStateChange(); };
    m_host = std::make_unique<ViewHost>(m_template, *m_ui, std::make_unique<SteadyClock>(), std::move(options));
    m_host->Start();
}

void ViewWidget::Shutdown() {
    if (m_shutDown.exchange(true)) return;
    m_nextFrame.stop();
    m_nextReading.stop();
    if (m_host)
        m_host->Close();
    else
        m_ui->CancelPending();
}

// Both are called on the view's thread, which ends before the widget goes; a call still queued
// when the widget goes is dropped with it. The calls are queued by name, so that nothing of ours
// crosses between the threads: Qt's own queue, which the thread checker cannot see, carries them.
void ViewWidget::AnnounceCanvasChange() { QMetaObject::invokeMethod(this, "OnCanvasChanged", Qt::QueuedConnection); }

void ViewWidget::AnnounceStateChange() { QMetaObject::invokeMethod(this, "OnStateChanged", Qt::QueuedConnection); }

void ViewWidget::OnDocumentRefused() {
    if (!m_shutDown) emit documentRefused();
}

void ViewWidget::OnStateChanged() {
    if (!m_shutDown) emit stateChanged();
}

// The view drew: the picture is taken at once, or a frame after the last one when that was less
// than a frame ago, so that a run drawing thousands of times a second costs one picture a frame.
void ViewWidget::OnCanvasChanged() {
    if (m_shutDown || m_nextFrame.isActive()) return;
    const qint64 since = m_sincePresent.isValid() ? m_sincePresent.elapsed() : kFrameMs;
    if (since >= kFrameMs)
        Present();
    else
        m_nextFrame.start(int(kFrameMs - since));
}

void ViewWidget::Present() {
    if (m_shutDown || !m_host) return;
    m_sincePresent.start();
    ++m_presentations;
    if (m_failure.empty()) m_failure = m_host->Failure();
    if (const std::shared_ptr<Canvas> canvas = m_host->GetCanvas()) {
        canvas->Rearm();  // before the copy: whatever is drawn after it is announced again
        canvas->CopyTo(m_picture);
        m_snapshot = ImageOf(m_picture);
        Rescale();
    }
    update();
    ScheduleReading();
}

// Nothing is read while no screen reader listens; the next question reads the picture then.
void ViewWidget::ScheduleReading() {
    m_readingStale = true;
    if (!QAccessible::isActive() || m_nextReading.isActive()) return;
    const qint64 since = m_sinceReading.isValid() ? m_sinceReading.elapsed() : kReadingMs;
    m_nextReading.start(int(std::max<qint64>(0, kReadingMs - since)));
}

// The texts are worked out under the canvas's lock, as the view's thread draws on: the window's
// thread never waits for the view.
void ViewWidget::ReadPicture() {
    m_readingStale = false;
    m_sinceReading.start();
    const std::shared_ptr<Canvas> canvas = m_host && !m_shutDown ? m_host->GetCanvas() : nullptr;
    if (!canvas) return;
    Size size;
    {
        const auto lock = canvas->Lock();
        size = canvas->GetSize();
    }
    std::vector<PictureText> texts = canvas->Texts();
    std::string description = canvas->Description();
    if (texts == m_reading.texts && description == m_reading.description && size == m_reading.canvas) return;
    const bool describedAnew = description != m_reading.description;
    m_reading.texts = std::move(texts);
    m_reading.description = std::move(description);
    m_reading.canvas = size;
    ++m_reading.generation;
    AccessiblePicture::PictureRead(*this, describedAnew);
}

const ViewWidget::PictureReading& ViewWidget::Reading() {
    if (m_readingStale && !m_nextReading.isActive()) ReadPicture();
    return m_reading;
}

QString ViewWidget::DemonstrationName() const {
    const DemoDescriptor* demo = FindDemo(m_template.ResourceId());
    return QString::fromStdString(demo ? demo->newName : m_title);
}

Size ViewWidget::DeviceSize() const {
    const qreal ratio = devicePixelRatioF();
    return {std::max(1, int(width() * ratio + 0.5)), std::max(1, int(height() * ratio + 0.5))};
}

// The view draws its canvas at the widget's size in the screen's pixels, and the widget shows it
// pixel for pixel. Until the view has drawn at a new size (a resize, a zoom, mid-run), the canvas
// is resampled to the screen's pixels with area averaging, which keeps the one-pixel lines visible.
void ViewWidget::Rescale() {
    const qreal ratio = devicePixelRatioF();
    const Size device = DeviceSize();
    if (m_snapshot.isNull() || width() <= 0 || height() <= 0 ||
        (m_snapshot.width() == device.cx && m_snapshot.height() == device.cy)) {
        if (!m_snapshot.isNull()) m_snapshot.setDevicePixelRatio(ratio);
        m_scaled = QImage();
        return;
    }
    m_scaled = m_snapshot.scaled(size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_scaled.setDevicePixelRatio(ratio);
}

void ViewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_snapshot.isNull() && width() > 0 && height() > 0) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QPoint(0, 0), Shown());
        return;
    }
    painter.fillRect(rect(), kEmptyCanvas);
    // A view that failed before it had a canvas: the window says what went wrong.
    if (!m_failure.empty())
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, QString::fromStdString(m_failure));
}

void ViewWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_host && !m_shutDown) m_host->Resize({width(), height()}, DeviceSize());
    Rescale();
}

void ViewWidget::PostKey(unsigned message, const QKeyEvent& event) {
    if (!m_host || m_shutDown) return;
    const KeyStroke key = KeyMap::Translate(event.key(), event.modifiers());
    m_host->PostKey(MakeKeyMessage(message, key.vk, key.scan), event.isAutoRepeat());
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

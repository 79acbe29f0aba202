#include "qt/ContextHelpMode.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "platform/Messages.h"
#include "qt/ChildWindow.h"
#include "res/Resources.h"

namespace dulm {

ContextHelpMode::~ContextHelpMode() { Stop(); }

void ContextHelpMode::Start() {
    if (m_active) return;
    m_active = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    qApp->installEventFilter(this);
    emit activeChanged(true);
}

void ContextHelpMode::Stop() {
    if (!m_active) return;
    m_active = false;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    emit activeChanged(false);
}

unsigned ContextHelpMode::ContextOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (const auto* child = qobject_cast<const ChildWindow*>(w)) return HID_BASE_RESOURCE + child->TemplateId();
    return HID_BASE_RESOURCE + res::IDR_MAINFRAME;
}

// Menus must still open, and their items and the toolbar buttons still trigger their commands.
bool ContextHelpMode::IsCommandSource(const QWidget* widget) {
    if (qobject_cast<const QMenu*>(widget) || qobject_cast<const QMenuBar*>(widget)) return true;
    return qobject_cast<const QToolButton*>(widget) && qobject_cast<const QToolBar*>(widget->parentWidget());
}

bool ContextHelpMode::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        Stop();
        return true;
    }
    if (event->type() != QEvent::MouseButtonPress) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || IsCommandSource(widget)) return false;
    const unsigned context = ContextOf(widget);
    Stop();
    emit helpRequested(context);
    return true;
}

}  // namespace dulm

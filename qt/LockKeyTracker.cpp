#include "qt/LockKeyTracker.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

namespace dulm {

LockKeyTracker::LockKeyTracker(QObject* parent) : QObject(parent) { QCoreApplication::instance()->installEventFilter(this); }

// A key press reaches one window first and then travels through its widgets; counting it at the
// window sees every press exactly once.
bool LockKeyTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !qobject_cast<QWindow*>(watched)) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat()) return false;
    bool* lock = nullptr;
    switch (key->key()) {
    case Qt::Key_CapsLock: lock = &m_caps; break;
    case Qt::Key_NumLock: lock = &m_num; break;
    case Qt::Key_ScrollLock: lock = &m_scroll; break;
    default: return false;
    }
    *lock = !*lock;
    emit changed();
    return false;
}

}  // namespace dulm

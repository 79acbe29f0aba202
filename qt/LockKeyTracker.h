// The state of Caps Lock, Num Lock and Scroll Lock for the status bar. The toolkit cannot read
// the keyboard's lock state, so the tracker counts the presses of the three keys it sees from
// the moment the program starts, taking every lock to be off then.
#pragma once

#include <QObject>

namespace dulm {

class LockKeyTracker final : public QObject {
    Q_OBJECT
public:
    explicit LockKeyTracker(QObject* parent = nullptr);

    bool CapsLock() const { return m_caps; }
    bool NumLock() const { return m_num; }
    bool ScrollLock() const { return m_scroll; }

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_caps = false;
    bool m_num = false;
    bool m_scroll = false;
};

}  // namespace dulm

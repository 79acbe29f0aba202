// Context help (Shift+F1, the toolbar's help button): the next click names what the user wants
// help on. Commands clicked in this mode are answered by the main window, which asks Active();
// a click anywhere else is answered here. Esc leaves the mode.
#pragma once

#include <QObject>

class QWidget;

namespace dulm {

class ContextHelpMode final : public QObject {
    Q_OBJECT
public:
    explicit ContextHelpMode(QObject* parent = nullptr) : QObject(parent) {}
    ~ContextHelpMode() override;

    void Start();
    void Stop();
    bool Active() const { return m_active; }

    // The help topic of a click on this widget: its demonstration window's, else the main frame's.
    static unsigned ContextOf(const QWidget* widget);

signals:
    void activeChanged(bool active);
    void helpRequested(unsigned context);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool IsCommandSource(const QWidget* widget);
    bool m_active = false;
};

}  // namespace dulm

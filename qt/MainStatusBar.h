// The status bar: the message pane ("For Help, press F1" when idle, the keys and progress of the
// active window's run while one goes on, the prompts of the menu items) and the CAP, NUM and SCRL
// indicators.
#pragma once

#include <QLabel>
#include <QStatusBar>

namespace dulm {

class LockKeyTracker;

class MainStatusBar final : public QStatusBar {
public:
    explicit MainStatusBar(QWidget* parent);

    QString IdleText() const { return m_idle->text(); }
    QString Indicators() const;  // the indicator texts now shown, for tests: "CAP NUM"
    // The prompt of context-help mode replaces the idle text while the mode lasts.
    void ShowHelpModePrompt(bool on);
    // What the active window's run says (its keys and progress) in place of the idle text; the
    // idle text again when it is empty.
    void ShowRunText(const QString& text);

private:
    QLabel* AddIndicator(unsigned id);
    void UpdateIndicators();

    LockKeyTracker* m_locks;
    QLabel* m_idle;
    QLabel* m_caps;
    QLabel* m_num;
    QLabel* m_scroll;
};

}  // namespace dulm

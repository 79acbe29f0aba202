#include "qt/MainStatusBar.h"

#include <QStringList>

#include "qt/LockKeyTracker.h"
#include "res/Resources.h"
#include "res/Strings.h"

namespace dulm {

namespace {
QString ResourceText(unsigned id) { return QString::fromStdString(res::LoadString(id)); }
}  // namespace

// The idle text is an ordinary widget of the bar: the bar hides it while a prompt is shown and
// brings it back when the prompt ends.
MainStatusBar::MainStatusBar(QWidget* parent)
    : QStatusBar(parent), m_locks(new LockKeyTracker(this)), m_idle(new QLabel(ResourceText(res::AFX_IDS_IDLEMESSAGE))),
      m_caps(AddIndicator(res::ID_INDICATOR_CAPS)), m_num(AddIndicator(res::ID_INDICATOR_NUM)),
      m_scroll(AddIndicator(res::ID_INDICATOR_SCRL)) {
    setObjectName("statusBar");
    addWidget(m_idle, 1);
    connect(m_locks, &LockKeyTracker::changed, this, &MainStatusBar::UpdateIndicators);
    UpdateIndicators();
}

// A pane keeps its width when its lock is off, as the old indicator panes did.
QLabel* MainStatusBar::AddIndicator(unsigned id) {
    auto* pane = new QLabel;
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(ResourceText(id)) + 12);
    pane->setProperty("indicator", ResourceText(id));
    addPermanentWidget(pane);
    return pane;
}

void MainStatusBar::UpdateIndicators() {
    const auto show = [](QLabel* pane, bool on) { pane->setText(on ? pane->property("indicator").toString() : QString()); };
    show(m_caps, m_locks->CapsLock());
    show(m_num, m_locks->NumLock());
    show(m_scroll, m_locks->ScrollLock());
}

QString MainStatusBar::Indicators() const {
    QStringList on;
    for (const QLabel* pane : {m_caps, m_num, m_scroll})
        if (!pane->text().isEmpty()) on << pane->text();
    return on.join(' ');
}

void MainStatusBar::ShowRunText(const QString& text) {
    m_idle->setText(text.isEmpty() ? ResourceText(res::AFX_IDS_IDLEMESSAGE) : text);
}

void MainStatusBar::ShowHelpModePrompt(bool on) {
    if (on)
        showMessage(ResourceText(res::AFX_IDS_HELPMODEMESSAGE));
    else
        clearMessage();
}

}  // namespace dulm

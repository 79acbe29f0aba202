// What a view asks of the user, shown by the window's thread. The view's thread waits for the
// answer on its own message queue, so that closing the view wakes it (and unwinds its run) even
// while a dialog is waiting for the user.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include <QDialog>
#include <QObject>
#include <QPointer>

#include "platform/Ui.h"
#include "qt/HelpWindow.h"

namespace dulm {

class QtUi final : public QObject, public Ui {
    Q_OBJECT
public:
    QtUi(QWidget* dialogParent, HelpRequest help);

    // The widget that captures the mouse for the view.
    void SetViewWidget(QWidget* widget) { m_viewWidget = widget; }

    // The view's thread.
    int DoModal(CDialog& dialog) override;
    int MessageBox(const std::string& text, unsigned type) override;
    void WinHelp(unsigned context) override;
    void SetCapture(bool captured) override;

    // The window's thread, before the view is closed: every dialog and message box of the view is
    // cancelled, and requests still on their way are dropped.
    void CancelPending();
    // The dialogs and message boxes of this view now on the screen.
    std::vector<QDialog*> OpenDialogs() const;

private:
    struct Answer;
    using MakeDialog = std::function<QDialog*()>;
    using Translate = std::function<int(int finishedWith)>;

    // Shows a dialog on the window's thread and waits on the view's thread for its result.
    int Ask(MakeDialog make, Translate translate);
    // Runs a call on the window's thread. The call waits in a queue of ours, under our lock, and
    // only a call by name crosses Qt's event queue (which the thread checker cannot see), so that
    // what the view's thread put in the call is seen to happen before the window's thread runs it.
    void Post(std::function<void()> call);
    Q_INVOKABLE void RunPosted();
    void Show(QDialog* dialog, std::shared_ptr<Answer> answer, Translate translate);

    QWidget* m_dialogParent;
    HelpRequest m_help;
    QPointer<QWidget> m_viewWidget;
    bool m_closed = false;
    bool m_captured = false;  // the view holds the mouse (let go while a dialog is up)
    std::vector<QPointer<QDialog>> m_open;
    std::mutex m_postedMutex;
    std::deque<std::function<void()>> m_posted;
};

}  // namespace dulm

#include "qt/QtUi.h"

#include <mutex>

#include <QMessageBox>

#include "platform/Dialog.h"
#include "platform/ViewHost.h"
#include "qt/DialogLook.h"
#include "qt/TemplateDialog.h"

namespace dulm {

// The answer the view's thread waits for; shared with the window's thread, which may still hold
// it after the view has gone.
struct QtUi::Answer {
    explicit Answer(MessageQueue& q) : queue(q) {}
    MessageQueue& queue;
    int result = IDCANCEL;
    bool given = false;

    void Give(int value) {
        {
            std::lock_guard lock(queue.Mutex());
            if (given) return;
            result = value;
            given = true;
        }
        queue.Notify();
    }
};

QtUi::QtUi(QWidget* dialogParent, HelpRequest help) : m_dialogParent(dialogParent), m_help(std::move(help)) {}

int QtUi::Ask(MakeDialog make, Translate translate) {
    MessageQueue& queue = CurrentHost().Queue();
    auto answer = std::make_shared<Answer>(queue);
    Post([this, answer, make = std::move(make), translate = std::move(translate)] {
        if (m_closed) return;  // the view is closing: nobody waits for this answer any more
        Show(make(), answer, translate);
    });
    queue.WaitUntil([&] { return answer->given; });
    return answer->result;
}

// Not exec(): a nested event loop would keep running while the view is closed under it. Modal to
// the main window only, so that the help opened from the dialog can be read and clicked.
void QtUi::Show(QDialog* dialog, std::shared_ptr<Answer> answer, Translate translate) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QDialog::finished, this, [this, answer, translate](int finishedWith) {
        answer->Give(translate(finishedWith));
        // The view takes the mouse back once nothing of it asks the user any more.
        if (m_captured && !m_closed && m_viewWidget && OpenDialogs().empty()) m_viewWidget->grabMouse();
    });
    std::erase_if(m_open, [](const QPointer<QDialog>& open) { return open.isNull(); });
    m_open.emplace_back(dialog);
    // A dialog or message box answers the mouse: the view lets go of it meanwhile.
    if (m_viewWidget && QWidget::mouseGrabber() == m_viewWidget) m_viewWidget->releaseMouse();
    dialog->show();
}

int QtUi::DoModal(CDialog& dialog) {
    return Ask([this, &dialog] { return new TemplateDialog(dialog, m_help, m_dialogParent); },
               [](int finishedWith) { return finishedWith == QDialog::Accepted ? IDOK : IDCANCEL; });
}

int QtUi::MessageBox(const std::string& text, unsigned type) {
    return Ask([this, text, type] { return DialogLook::MakeMessageBox(m_dialogParent, text, type); },
               &DialogLook::MessageBoxResult);
}

void QtUi::WinHelp(unsigned context) {
    Post([this, context] {
        if (!m_closed && m_help) m_help(context);
    });
}

void QtUi::SetCapture(bool captured) {
    Post([this, captured] {
        m_captured = captured;
        if (m_closed || !m_viewWidget) return;
        if (!captured)
            m_viewWidget->releaseMouse();
        else if (OpenDialogs().empty())
            m_viewWidget->grabMouse();
    });
}

void QtUi::Post(std::function<void()> call) {
    {
        std::lock_guard lock(m_postedMutex);
        m_posted.push_back(std::move(call));
    }
    QMetaObject::invokeMethod(this, "RunPosted", Qt::QueuedConnection);
}

void QtUi::RunPosted() {
    std::deque<std::function<void()>> calls;
    {
        std::lock_guard lock(m_postedMutex);
        calls.swap(m_posted);
    }
    for (const auto& call : calls) call();
}

void QtUi::CancelPending() {
    m_closed = true;
    for (const QPointer<QDialog>& dialog : m_open)
        if (dialog) dialog->reject();
    m_open.clear();
    if (m_viewWidget && QWidget::mouseGrabber() == m_viewWidget) m_viewWidget->releaseMouse();
}

std::vector<QDialog*> QtUi::OpenDialogs() const {
    std::vector<QDialog*> open;
    for (const QPointer<QDialog>& dialog : m_open)
        if (dialog && dialog->isVisible()) open.push_back(dialog);
    return open;
}

}  // namespace dulm

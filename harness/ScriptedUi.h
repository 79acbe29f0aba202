// A user who answers dialogs and message boxes from a script, for tests and the render tool.
#pragma once

#include <atomic>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/RunMemory.h"
#include "platform/Ui.h"

namespace dulm {

// An answer a dialog did not take: an entry its exchange refused (the prompt it showed), or an
// answer that names no edit or radio group of the dialog or a button outside its group.
struct DialogRefusal {
    unsigned dialog = 0;
    int controlId = -1;
    std::string value;   // what was entered for that control
    std::string reason;  // the framework's prompt, or what is wrong with the answer
    bool badAnswer = false;
};

class ScriptedUi final : public Ui {
public:
    // Dialogs take the queued answers in order; an answer the dialog refuses is followed by the
    // next one for the same dialog. With no answer left a dialog is accepted as it opened.
    void QueueDialog(DialogAnswer answer);
    // Message boxes take the queued answers in order; with none left the answer is IDNO.
    void QueueAnswers(const std::vector<int>& answers);
    // The queued dialog answers no dialog has taken yet.
    size_t DialogAnswersLeft() const {
        std::lock_guard lock(m_mutex);
        return m_dialogAnswers.size();
    }
    // A user who gives up at the first refusal: the dialog is cancelled even with answers left.
    // A bad answer always cancels its dialog.
    void CancelAtRefusal() {
        std::lock_guard lock(m_mutex);
        m_cancelAtRefusal = true;
    }

    // From now on a real user answers: everything the view asks goes to this Ui.
    void HandOver(Ui& user) { m_user.store(&user, std::memory_order_release); }

    int DoModal(CDialog& dialog) override;
    int MessageBox(const std::string& text, unsigned type) override;
    void WinHelp(unsigned context) override;
    void SetCapture(bool captured) override;

    // What the user saw.
    std::vector<unsigned> DialogsShown() const;
    std::vector<std::string> Prompts() const;
    std::vector<DialogRefusal> Refusals() const;
    std::vector<std::string> MessageBoxes() const;
    std::vector<unsigned> HelpContexts() const;
    bool Captured() const;

private:
    std::atomic<Ui*> m_user{nullptr};
    mutable std::mutex m_mutex;
    std::deque<DialogAnswer> m_dialogAnswers;
    std::deque<int> m_boxAnswers;
    std::vector<unsigned> m_dialogsShown;
    std::vector<std::string> m_prompts;
    std::vector<DialogRefusal> m_refusals;
    bool m_cancelAtRefusal = false;
    std::vector<std::string> m_messageBoxes;
    std::vector<unsigned> m_helpContexts;
    bool m_captured = false;
};

}  // namespace dulm

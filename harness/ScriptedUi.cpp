#include "harness/ScriptedUi.h"

#include <algorithm>
#include <string_view>

#include "harness/EventScript.h"
#include "platform/Dialog.h"
#include "platform/Messages.h"

namespace dulm {

void ScriptedUi::QueueDialog(DialogAnswer answer) {
    std::lock_guard lock(m_mutex);
    m_dialogAnswers.push_back(std::move(answer));
}

void ScriptedUi::QueueAnswers(const std::vector<int>& answers) {
    std::lock_guard lock(m_mutex);
    m_boxAnswers.insert(m_boxAnswers.end(), answers.begin(), answers.end());
}

namespace {

std::optional<DialogRefusal> Apply(const DialogAnswer& answer, CDialog& dialog, DialogState& state) {
    const std::optional<std::string> wrong = ApplyDialogAnswer(answer, dialog, state);
    if (!wrong) return std::nullopt;
    // The first control the dialog could not take: the one the answer stopped at.
    for (const auto& [id, value] : answer.values) {
        DialogState probe = state;
        if (ApplyDialogAnswer(DialogAnswer{false, {{id, value}}}, dialog, probe))
            return DialogRefusal{dialog.Template().id, id, value, *wrong, true};
    }
    return DialogRefusal{dialog.Template().id, -1, {}, *wrong, true};
}

}  // namespace

int ScriptedUi::DoModal(CDialog& dialog) {
    if (Ui* user = m_user.load(std::memory_order_acquire)) return user->DoModal(dialog);
    std::unique_lock lock(m_mutex);
    m_dialogsShown.push_back(dialog.Template().id);
    DialogState state = dialog.InitialState();
    for (;;) {
        DialogAnswer answer;
        if (!m_dialogAnswers.empty()) {
            answer = std::move(m_dialogAnswers.front());
            m_dialogAnswers.pop_front();
        }
        if (answer.cancel) return IDCANCEL;
        if (std::optional<DialogRefusal> bad = Apply(answer, dialog, state)) {
            m_refusals.push_back(std::move(*bad));
            return IDCANCEL;
        }
        const std::optional<ExchangeFailure> failure = dialog.SaveState(state);
        if (!failure) return IDOK;
        m_prompts.push_back(failure->prompt);
        const ControlState* entry = state.Find(failure->controlId);
        m_refusals.push_back(
            {dialog.Template().id, failure->controlId, entry ? entry->text : std::string(), failure->prompt, false});
        // Nobody left to correct the entry, or a user who gives up.
        if (m_cancelAtRefusal || m_dialogAnswers.empty()) return IDCANCEL;
    }
}

int ScriptedUi::MessageBox(const std::string& text, unsigned type) {
    if (Ui* user = m_user.load(std::memory_order_acquire)) return user->MessageBox(text, type);
    std::lock_guard lock(m_mutex);
    m_messageBoxes.push_back(text);
    if (m_boxAnswers.empty()) return IDNO;
    const int answer = m_boxAnswers.front();
    m_boxAnswers.pop_front();
    return answer;
}

void ScriptedUi::WinHelp(unsigned context) {
    if (Ui* user = m_user.load(std::memory_order_acquire)) return user->WinHelp(context);
    std::lock_guard lock(m_mutex);
    m_helpContexts.push_back(context);
}

void ScriptedUi::SetCapture(bool captured) {
    if (Ui* user = m_user.load(std::memory_order_acquire)) return user->SetCapture(captured);
    std::lock_guard lock(m_mutex);
    m_captured = captured;
}

std::vector<unsigned> ScriptedUi::DialogsShown() const {
    std::lock_guard lock(m_mutex);
    return m_dialogsShown;
}
std::vector<std::string> ScriptedUi::Prompts() const {
    std::lock_guard lock(m_mutex);
    return m_prompts;
}
std::vector<DialogRefusal> ScriptedUi::Refusals() const {
    std::lock_guard lock(m_mutex);
    return m_refusals;
}
std::vector<std::string> ScriptedUi::MessageBoxes() const {
    std::lock_guard lock(m_mutex);
    return m_messageBoxes;
}
std::vector<unsigned> ScriptedUi::HelpContexts() const {
    std::lock_guard lock(m_mutex);
    return m_helpContexts;
}
bool ScriptedUi::Captured() const {
    std::lock_guard lock(m_mutex);
    return m_captured;
}

}  // namespace dulm

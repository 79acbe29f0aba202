#include "harness/ScriptedUi.h"

#include <cstdlib>

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

// Types the texts and clicks the radio buttons as a person would: an automatic radio button
// checks itself and clears the rest of its group, a plain one changes nothing, and the dialog
// answers every click.
void Apply(const DialogAnswer& answer, CDialog& dialog, DialogState& state) {
    const DialogTemplate& tmpl = dialog.Template();
    for (const auto& [id, value] : answer.values) {
        const auto group = tmpl.RadioGroup(id);
        if (group.empty()) {
            state[id].text = value;
            continue;
        }
        const int index = std::atoi(value.c_str());
        if (index < 0 || size_t(index) >= group.size()) continue;
        const int clicked = group[size_t(index)]->id;
        if (state[clicked].autoRadio)
            for (const DialogControl* button : group) state[button->id].checked = button->id == clicked;
        dialog.OnControlClicked(clicked, state);
    }
}

}  // namespace

int ScriptedUi::DoModal(CDialog& dialog) {
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
        Apply(answer, dialog, state);
        const std::optional<ExchangeFailure> failure = dialog.SaveState(state);
        if (!failure) return IDOK;
        m_prompts.push_back(failure->prompt);
        if (m_dialogAnswers.empty()) return IDCANCEL;  // nobody left to correct the entry
    }
}

int ScriptedUi::MessageBox(const std::string& text, unsigned /*type*/) {
    std::lock_guard lock(m_mutex);
    m_messageBoxes.push_back(text);
    if (m_boxAnswers.empty()) return IDNO;
    const int answer = m_boxAnswers.front();
    m_boxAnswers.pop_front();
    return answer;
}

void ScriptedUi::WinHelp(unsigned context) {
    std::lock_guard lock(m_mutex);
    m_helpContexts.push_back(context);
}

void ScriptedUi::SetCapture(bool captured) {
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

bool ParseDialogAnswer(const std::string& text, DialogAnswer& answer) {
    answer = DialogAnswer{};
    if (text == "cancel") {
        answer.cancel = true;
        return true;
    }
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        const std::string item = text.substr(start, end - start);
        const size_t eq = item.find('=');
        if (eq == std::string::npos || eq == 0) return false;
        char* idEnd = nullptr;
        const long id = std::strtol(item.c_str(), &idEnd, 10);
        if (idEnd != item.c_str() + eq) return false;
        answer.values[static_cast<int>(id)] = item.substr(eq + 1);
        start = end + 1;
    }
    return true;
}

}  // namespace dulm

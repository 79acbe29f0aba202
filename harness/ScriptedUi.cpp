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

// A radio group is named by its first button.
bool StartsRadioGroup(const DialogTemplate& tmpl, int id) {
    const std::vector<const DialogControl*> group = tmpl.RadioGroup(id);
    if (group.empty()) return false;
    const DialogControl* first = group.front();
    if (first->group || first == tmpl.controls.data()) return true;
    const DialogControl& before = *(first - 1);
    return before.kind != ControlKind::AutoRadio && before.kind != ControlKind::Radio;
}

// Types the texts and clicks the radio buttons as a person would: an automatic radio button
// checks itself and clears the rest of its group, a plain one changes nothing, and the dialog
// answers every click. An answer no person could give is returned instead.
std::optional<DialogRefusal> Apply(const DialogAnswer& answer, CDialog& dialog, DialogState& state) {
    const DialogTemplate& tmpl = dialog.Template();
    for (const auto& entry : answer.values) {
        const int id = entry.first;  // named, not bound: the lambda below captures them
        const std::string& value = entry.second;
        const DialogControl* control = tmpl.Find(id);
        const auto bad = [&](std::string why) { return DialogRefusal{tmpl.id, id, value, std::move(why), true}; };
        if (!control) return bad("no such control");
        if (control->kind == ControlKind::Edit) {
            state[id].text = value;
            continue;
        }
        if (!StartsRadioGroup(tmpl, id)) return bad("neither an edit nor the first button of a radio group");
        const auto group = tmpl.RadioGroup(id);
        long index = 0;
        if (!ParseInteger(value, 0, long(group.size()) - 1, index))
            return bad("the group's buttons are 0 to " + std::to_string(group.size() - 1));
        const int clicked = group[size_t(index)]->id;
        if (state[clicked].autoRadio)
            for (const DialogControl* button : group) state[button->id].checked = button->id == clicked;
        dialog.OnControlClicked(clicked, state);
    }
    return std::nullopt;
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

// An empty text is an answer too: the dialog is accepted as it opens. Otherwise every
// comma-separated item names a control, each control once.
bool ParseDialogAnswer(const std::string& text, DialogAnswer& answer) {
    answer = DialogAnswer{};
    if (text == "cancel") {
        answer.cancel = true;
        return true;
    }
    if (text.empty()) return true;
    for (size_t start = 0;;) {
        const size_t end = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, end - start);
        const size_t eq = item.find('=');
        if (eq == std::string::npos || eq == 0) return false;
        long id = 0;
        if (!ParseInteger(std::string_view(item).substr(0, eq), 0, 0xFFFF, id)) return false;
        if (!answer.values.emplace(int(id), item.substr(eq + 1)).second) return false;
        if (end == text.size()) return true;
        start = end + 1;
    }
}

}  // namespace dulm

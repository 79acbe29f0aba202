#include "platform/RunMemory.h"

#include <algorithm>
#include <charconv>

#include "platform/Dialog.h"

namespace dulm {

namespace {

thread_local RunMemory* t_memory = nullptr;

// A radio group is named by its first button.
bool StartsRadioGroup(const DialogTemplate& tmpl, int id) {
    const std::vector<const DialogControl*> group = tmpl.RadioGroup(id);
    if (group.empty()) return false;
    const DialogControl* first = group.front();
    if (first->group || first == tmpl.controls.data()) return true;
    const DialogControl& before = *(first - 1);
    return before.kind != ControlKind::AutoRadio && before.kind != ControlKind::Radio;
}

bool ParseIndex(std::string_view text, long lo, long hi, long& value) {
    long v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size() || v < lo || v > hi) return false;
    value = v;
    return true;
}

}  // namespace

std::optional<std::string> ApplyDialogAnswer(const DialogAnswer& answer, CDialog& dialog, DialogState& state) {
    const DialogTemplate& tmpl = dialog.Template();
    for (const auto& [id, value] : answer.values) {
        const DialogControl* control = tmpl.Find(id);
        if (!control) return "no such control";
        if (control->kind == ControlKind::Edit) {
            state[id].text = value;
            continue;
        }
        if (!StartsRadioGroup(tmpl, id)) return "neither an edit nor the first button of a radio group";
        const auto group = tmpl.RadioGroup(id);
        long index = 0;
        if (!ParseIndex(value, 0, long(group.size()) - 1, index))
            return "the group's buttons are 0 to " + std::to_string(group.size() - 1);
        const int clicked = group[size_t(index)]->id;
        if (state[clicked].autoRadio)
            for (const DialogControl* button : group) state[button->id].checked = button->id == clicked;
        dialog.OnControlClicked(clicked, state);
    }
    return std::nullopt;
}

DialogAnswer AnswerOf(const CDialog& dialog, const DialogState& state) {
    DialogAnswer answer;
    const DialogTemplate& tmpl = dialog.Template();
    for (const DialogControl& c : tmpl.controls) {
        if (c.id < 0) continue;
        if (c.kind == ControlKind::Edit) {
            if (const ControlState* s = state.Find(c.id)) answer.values[c.id] = s->text;
        } else if ((c.kind == ControlKind::AutoRadio || c.kind == ControlKind::Radio) && StartsRadioGroup(tmpl, c.id)) {
            const auto group = tmpl.RadioGroup(c.id);
            for (size_t i = 0; i < group.size(); ++i)
                if (const ControlState* s = state.Find(group[i]->id); s && s->checked)
                    answer.values[c.id] = std::to_string(i);
        }
    }
    return answer;
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
        if (!ParseIndex(std::string_view(item).substr(0, eq), 0, 0xFFFF, id)) return false;
        if (!answer.values.emplace(int(id), item.substr(eq + 1)).second) return false;
        if (end == text.size()) return true;
        start = end + 1;
    }
}

std::string FormatDialogAnswer(const DialogAnswer& answer) {
    if (answer.cancel) return "cancel";
    std::string text;
    for (const auto& [id, value] : answer.values) {
        if (value.find_first_of(",\r\n") != std::string::npos) continue;
        if (!text.empty()) text += ',';
        text += std::to_string(id) + '=' + value;
    }
    return text;
}

RunMemory::RunMemory(RunRecord prepared, bool answerDialogs)
    : m_prepared(std::move(prepared)), m_answer(answerDialogs) {}

long RunMemory::Seed(long now) {
    std::lock_guard lock(m_mutex);
    const long seed = m_prepared.seed.value_or(now);
    m_prepared.seed.reset();
    m_recorded.seed = seed;
    return seed;
}

bool RunMemory::Prepare(CDialog& dialog) {
    DialogAnswer answer;
    {
        std::lock_guard lock(m_mutex);
        auto& prepared = m_prepared.dialogs;
        const auto it = std::find_if(prepared.begin(), prepared.end(),
                                     [&](const RunRecord::Dialog& d) { return d.id == dialog.Template().id; });
        if (it == prepared.end()) return false;
        answer = std::move(it->answer);
        prepared.erase(it);
    }
    // A saved answer the dialog no longer takes leaves the dialog as it opens.
    DialogState state = dialog.InitialState();
    if (ApplyDialogAnswer(answer, dialog, state) || dialog.SaveState(state)) return false;
    return m_answer;
}

void RunMemory::Record(CDialog& dialog) {
    RunRecord::Dialog accepted{dialog.Template().id, AnswerOf(dialog, dialog.InitialState())};
    std::lock_guard lock(m_mutex);
    auto& dialogs = m_recorded.dialogs;
    const auto it = std::find_if(dialogs.begin(), dialogs.end(),
                                 [&](const RunRecord::Dialog& d) { return d.id == accepted.id; });
    if (it == dialogs.end()) dialogs.push_back(std::move(accepted));
    else *it = std::move(accepted);
}

RunRecord RunMemory::Recorded() const {
    std::lock_guard lock(m_mutex);
    return m_recorded;
}

RunMemory* CurrentRunMemory() { return t_memory; }
void SetThreadRunMemory(RunMemory* memory) { t_memory = memory; }

}  // namespace dulm

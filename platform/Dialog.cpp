#include "platform/Dialog.h"

#include "platform/RunMemory.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/Ui.h"
#include "platform/ViewHost.h"

namespace dulm {

namespace {

struct Failed {
    ExchangeFailure failure;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

struct ParsedInteger {
    long value = 0;
    bool overflow = false;  // a well-formed number beyond what a long holds
};

// The framework's integer parse: blanks around one decimal number with an optional sign, nothing else.
std::optional<ParsedInteger> ParseInteger(const std::string& text) {
    const char* p = text.c_str();
    while (IsBlank(*p)) ++p;
    const char first = *p;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(p, &end, 10);
    if (end == p || (value == 0 && first != '0')) return std::nullopt;
    const bool overflow = errno == ERANGE;
    while (IsBlank(*end)) ++end;
    if (*end != '\0') return std::nullopt;
    return ParsedInteger{value, overflow};
}

std::optional<double> ParseNumber(const std::string& text) {
    const char* p = text.c_str();
    while (IsBlank(*p)) ++p;
    char* end = nullptr;
    const double value = std::strtod(p, &end);
    if (end == p) return std::nullopt;
    while (IsBlank(*end)) ++end;
    if (*end != '\0') return std::nullopt;
    return value;
}

std::string FormatFloat(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", FLT_DIG, v);
    return buffer;
}

// The value entered, when it is an integer within [minValue, maxValue], the range of the member.
std::optional<long> ExchangeInteger(CDataExchange& dx, int id, long current, long minValue, long maxValue) {
    dx.FailPendingOverflow();
    dx.m_idLastControl = id;
    if (!dx.m_bSaveAndValidate) {
        dx.State()[id].text = std::to_string(current);
        return std::nullopt;
    }
    const std::optional<ParsedInteger> parsed = ParseInteger(dx.State()[id].text);
    if (!parsed) dx.Fail(kPromptInteger);
    if (parsed->overflow || parsed->value < minValue || parsed->value > maxValue) {
        dx.NoteOverflow();
        return std::nullopt;
    }
    return parsed->value;
}

}  // namespace

const ControlState* DialogState::Find(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : &it->second;
}

void CDataExchange::Fail(std::string prompt) const { throw Failed{{std::move(prompt), m_idLastControl}}; }

bool CDataExchange::TakeOverflow() {
    if (m_overflowId < 0 || m_overflowId != m_idLastControl) return false;
    m_overflowId = -1;
    return true;
}

void CDataExchange::FailPendingOverflow() {
    if (m_overflowId < 0) return;
    m_idLastControl = std::exchange(m_overflowId, -1);
    Fail(m_overflowPrompt);
}

std::string FormatPrompt(const std::string& prompt, const std::string& first, const std::string& second) {
    std::string out;
    for (size_t i = 0; i < prompt.size(); ++i) {
        if (prompt[i] == '%' && i + 1 < prompt.size() && (prompt[i + 1] == '1' || prompt[i + 1] == '2')) {
            out += prompt[i + 1] == '1' ? first : second;
            ++i;
        } else {
            out += prompt[i];
        }
    }
    return out;
}

void DDX_Text(CDataExchange& dx, int id, int& value) {
    if (const std::optional<long> v = ExchangeInteger(dx, id, value, INT_MIN, INT_MAX)) value = static_cast<int>(*v);
}

void DDX_Text(CDataExchange& dx, int id, long& value) {
    if (const std::optional<long> v = ExchangeInteger(dx, id, value, LONG_MIN, LONG_MAX)) value = *v;
}

void DDX_Text(CDataExchange& dx, int id, float& value) {
    dx.FailPendingOverflow();
    dx.m_idLastControl = id;
    if (!dx.m_bSaveAndValidate) {
        dx.State()[id].text = FormatFloat(value);
        return;
    }
    const std::optional<double> v = ParseNumber(dx.State()[id].text);
    if (!v) dx.Fail(kPromptNumber);
    // A number no float holds (beyond FLT_MAX, infinite, or not a number at all) is out of range,
    // like an integer too large for its member: converting it would be undefined. The member keeps
    // its value, and the range check refuses the entry.
    if (!(std::fabs(*v) <= FLT_MAX)) {
        dx.NoteOverflow(kPromptNumber);
        return;
    }
    value = static_cast<float>(*v);
}

void DDX_Radio(CDataExchange& dx, int firstId, int& index) {
    dx.FailPendingOverflow();
    const auto group = dx.Template().RadioGroup(firstId);
    if (!dx.m_bSaveAndValidate) {
        for (size_t i = 0; i < group.size(); ++i) dx.State()[group[i]->id].checked = int(i) == index;
        return;
    }
    index = -1;
    for (size_t i = 0; i < group.size(); ++i)
        if (dx.State()[group[i]->id].checked) index = static_cast<int>(i);
}

void DDV_MinMaxInt(CDataExchange& dx, int value, int minValue, int maxValue) {
    DDV_MinMaxLong(dx, value, minValue, maxValue);
}

void DDV_MinMaxLong(CDataExchange& dx, long value, long minValue, long maxValue) {
    if (!dx.m_bSaveAndValidate) return;
    if (!dx.TakeOverflow() && value >= minValue && value <= maxValue) return;
    dx.Fail(FormatPrompt(kPromptIntegerRange, std::to_string(minValue), std::to_string(maxValue)));
}

void DDV_MinMaxFloat(CDataExchange& dx, float value, float minValue, float maxValue) {
    const bool overflow = dx.TakeOverflow();
    dx.FailPendingOverflow();  // an earlier control's, which no range check took
    if (!dx.m_bSaveAndValidate || (!overflow && value >= minValue && value <= maxValue)) return;
    dx.Fail(FormatPrompt(kPromptNumberRange, FormatFloat(minValue), FormatFloat(maxValue)));
}

// A window's run remembers the answers of its dialogs, and may have one prepared (RunMemory); a
// dialog that shows takes the keys held as it opens, so their releases never reach the view.
int CDialog::DoModal() {
    RunMemory* memory = CurrentRunMemory();
    int result = IDOK;
    if (!memory || !memory->Prepare(*this)) {
        CurrentHost().ForgetHeldKeys();
        result = CurrentUi().DoModal(*this);
    }
    if (memory && result == IDOK) memory->Record(*this);
    return result;
}

DialogState CDialog::InitialState() {
    DialogState state;
    for (const DialogControl& c : m_template.controls) {
        if (c.id < 0) continue;
        state[c.id].text = c.kind == ControlKind::Edit ? std::string() : c.text;
        state[c.id].autoRadio = c.kind != ControlKind::Radio;
    }
    CDataExchange dx(m_template, state, false);
    DoDataExchange(dx);
    return state;
}

std::optional<ExchangeFailure> CDialog::SaveState(DialogState& state) {
    CDataExchange dx(m_template, state, true);
    try {
        DoDataExchange(dx);
        dx.FailPendingOverflow();
    } catch (const Failed& f) {
        return f.failure;
    }
    return std::nullopt;
}

}  // namespace dulm

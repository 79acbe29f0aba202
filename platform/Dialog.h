// Modal dialogs with data exchange: the dialog's DoDataExchange moves values between its members
// and its controls and validates them with the framework's standard prompts.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/DialogTemplate.h"
#include "platform/Messages.h"

namespace dulm {

// The controls' values while a dialog is open.
struct ControlState {
    std::string text;
    bool checked = false;
    bool autoRadio = true;  // a plain radio button is not set by clicking it; its dialog may switch the style
};

class DialogState {
public:
    ControlState& operator[](int id) { return m_controls[id]; }
    const ControlState* Find(int id) const;
    const std::map<int, ControlState>& Controls() const { return m_controls; }

private:
    std::map<int, ControlState> m_controls;
};

// The framework's prompts.
inline constexpr const char* kPromptInteger = "Please enter an integer.";
inline constexpr const char* kPromptIntegerRange = "Please enter an integer between %1 and %2.";
inline constexpr const char* kPromptNumber = "Please enter a number.";
inline constexpr const char* kPromptNumberRange = "Please enter a number between %1 and %2.";

// A refused entry: the prompt shown and the control that gets the focus again.
struct ExchangeFailure {
    std::string prompt;
    int controlId = -1;
};

class CDataExchange {
public:
    CDataExchange(const DialogTemplate& tmpl, DialogState& state, bool save)
        : m_bSaveAndValidate(save), m_template(tmpl), m_state(state) {}

    const bool m_bSaveAndValidate;
    int m_idLastControl = -1;

    const DialogTemplate& Template() const { return m_template; }
    DialogState& State() { return m_state; }
    [[noreturn]] void Fail(std::string prompt) const;

    // An entry too large (or too small) for its member is out of range: the range check that
    // follows its exchange refuses it with the range prompt. When no range check follows, the next
    // exchange (or the end of the exchange) refuses it with `prompt`, as no integer (or number) at all.
    void NoteOverflow(const char* prompt = kPromptInteger) {
        m_overflowId = m_idLastControl;
        m_overflowPrompt = prompt;
    }
    // True once for an overflow of the last control exchanged, which the caller then refuses.
    bool TakeOverflow();
    // Refuses an overflow that no range check took.
    void FailPendingOverflow();

private:
    const DialogTemplate& m_template;
    DialogState& m_state;
    int m_overflowId = -1;
    const char* m_overflowPrompt = kPromptInteger;
};

void DDX_Text(CDataExchange& dx, int id, int& value);
void DDX_Text(CDataExchange& dx, int id, long& value);
void DDX_Text(CDataExchange& dx, int id, float& value);
void DDX_Radio(CDataExchange& dx, int firstId, int& index);
void DDV_MinMaxInt(CDataExchange& dx, int value, int minValue, int maxValue);
void DDV_MinMaxLong(CDataExchange& dx, long value, long minValue, long maxValue);
void DDV_MinMaxFloat(CDataExchange& dx, float value, float minValue, float maxValue);

// Fills %1 and %2 of a prompt.
std::string FormatPrompt(const std::string& prompt, const std::string& first, const std::string& second);

class CDialog {
public:
    explicit CDialog(const DialogTemplate& tmpl) : m_template(tmpl) {}
    virtual ~CDialog() = default;

    // Shows the dialog through the calling view's Ui and returns IDOK or IDCANCEL.
    int DoModal();

    // What the window showing the dialog calls while DoModal waits: the controls' initial values
    // (UpdateData(FALSE)), and the exchange of the values entered (UpdateData(TRUE)).
    DialogState InitialState();
    std::optional<ExchangeFailure> SaveState(DialogState& state);
    // A button was clicked (a radio button's click has already checked it unless it is a plain
    // one); a dialog may change other controls in reply: texts, checks and radio styles.
    virtual void OnControlClicked(int /*id*/, DialogState& /*state*/) {}
    // F1 in the dialog opens the help at 0x20000 + the dialog's id.
    virtual unsigned HelpContext() const { return HID_BASE_RESOURCE + m_template.id; }

    const DialogTemplate& Template() const { return m_template; }

protected:
    virtual void DoDataExchange(CDataExchange& /*dx*/) {}

private:
    const DialogTemplate& m_template;
};

}  // namespace dulm

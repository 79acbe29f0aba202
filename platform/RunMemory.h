// What a window remembers of its run, so that the run can be saved, opened and run again: the
// answers its dialogs were accepted with and the seed its run took from time(NULL). A window
// opened from a saved run gets that seed at its first time(NULL), and each of its dialogs opens
// filled with the saved answer (or, for Run Again, is answered with it without showing).
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace dulm {

class CDialog;
class DialogState;

// One attempt at a dialog: the values typed, then "OK" (or "Cancel").
struct DialogAnswer {
    bool cancel = false;
    // An edit's id and its text, or the first id of a radio group and the index of the button to
    // click, in the order of the ids.
    std::map<int, std::string> values;
    friend bool operator==(const DialogAnswer&, const DialogAnswer&) = default;
};

// Types the texts and clicks the radio buttons of the answer into the state as a person would:
// an automatic radio button checks itself and clears the rest of its group, a plain one changes
// nothing, and the dialog answers every click. An answer no person could give (a control the
// dialog does not have, a button outside its group) leaves off there and says what is wrong.
std::optional<std::string> ApplyDialogAnswer(const DialogAnswer& answer, CDialog& dialog, DialogState& state);
// The answer that gives these values: every edit's text and every radio group's checked button.
DialogAnswer AnswerOf(const CDialog& dialog, const DialogState& state);
// "cancel", "" (accept as it opens) or "ID=VALUE,ID=VALUE" (each control once); false when the
// text is malformed, an empty item included.
bool ParseDialogAnswer(const std::string& text, DialogAnswer& answer);
// The same text; values with a comma or a line break cannot be written and are left out.
std::string FormatDialogAnswer(const DialogAnswer& answer);

struct RunRecord {
    struct Dialog {
        unsigned id = 0;  // the dialog's template id
        DialogAnswer answer;
        friend bool operator==(const Dialog&, const Dialog&) = default;
    };
    std::vector<Dialog> dialogs;  // the latest accepted answer of each dialog, in the order first accepted
    std::optional<long> seed;     // what time(NULL) gave the run
    friend bool operator==(const RunRecord&, const RunRecord&) = default;
};

class RunMemory {
public:
    // answerDialogs: the prepared dialogs are accepted without showing (Run Again); otherwise
    // they open filled in (a document opened), each once.
    explicit RunMemory(RunRecord prepared = {}, bool answerDialogs = false);

    // The view's thread. time(NULL): the prepared seed at the first call, afterwards `now`.
    long Seed(long now);
    // Before a dialog opens: fills in its prepared answer; true when it is to be accepted so.
    bool Prepare(CDialog& dialog);
    // After a dialog was accepted.
    void Record(CDialog& dialog);

    // Any thread.
    RunRecord Recorded() const;

private:
    mutable std::mutex m_mutex;
    RunRecord m_prepared;
    bool m_answer;
    RunRecord m_recorded;
};

// The memory of the calling view's thread, null elsewhere.
RunMemory* CurrentRunMemory();
void SetThreadRunMemory(RunMemory* memory);

}  // namespace dulm

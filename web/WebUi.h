// What a view asks of the page: dialogs, message boxes, help and the mouse capture. A dialog or
// message box is a request the page answers; the view's thread waits for the answer on its own
// queue, so that closing the window wakes it (and unwinds its run) while the page still shows it.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/Dialog.h"
#include "platform/Ui.h"

namespace dulm {
class MessageQueue;
}

namespace dulm::web {

// The page's side of a request, answered on the page's thread while the view's thread waits.
class Requests {
public:
    enum class Kind { Dialog, MessageBox };
    struct Request {
        Kind kind = Kind::Dialog;
        int window = 0;
        CDialog* dialog = nullptr;  // a dialog request
        DialogState state;          // its controls as the page last sent them
        std::string text;           // a message box's text
        unsigned type = 0;          // and its MB_ type
        MessageQueue* queue = nullptr;
        std::optional<int> answer;
    };

    static Requests& Instance();

    // The view's thread: registers a request, has the page show it, and waits for its answer.
    // Throws ViewClosed when the window closes meanwhile; the page is then told to drop it.
    int Ask(Request request);

    // The page's thread. Each returns false (or nothing) for a request that is gone.
    std::optional<std::string> Describe(int id);  // JSON
    // Runs the dialog's click handler on the state the page sends and returns the new state.
    std::optional<std::string> Click(int id, int control, const std::string& state);
    // Runs the dialog's exchange; an empty string when it took the values (the dialog closes),
    // otherwise JSON with the prompt and the control to focus.
    std::optional<std::string> Ok(int id, const std::string& state);
    bool Answer(int id, int result);
    // Whether a window waits for the page to answer a dialog or message box.
    bool Waiting(int window);

private:
    std::mutex m_mutex;
    int m_next = 1;
    std::map<int, std::shared_ptr<Request>> m_open;
};

class WebUi final : public Ui {
public:
    explicit WebUi(int window) : m_window(window) {}
    int DoModal(CDialog& dialog) override;
    int MessageBox(const std::string& text, unsigned type) override;
    void WinHelp(unsigned context) override;
    void SetCapture(bool captured) override;

private:
    int m_window;
};

// Dialog states cross to the page as text: one control a line, "id checked autoRadio text" with
// the text's backslashes and newlines escaped.
std::string EncodeState(const DialogState& state);
DialogState DecodeState(const std::string& text);

}  // namespace dulm::web

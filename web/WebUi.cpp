#include "web/WebUi.h"

#include "platform/ViewHost.h"
#include "web/Json.h"
#include "web/Notify.h"
#include "web/Templates.h"

namespace dulm::web {

Requests& Requests::Instance() {
    static Requests* requests = new Requests;  // the page may answer while the program ends
    return *requests;
}

int Requests::Ask(Request request) {
    MessageQueue& queue = CurrentHost().Queue();
    auto shared = std::make_shared<Request>(std::move(request));
    shared->queue = &queue;
    int id = 0;
    {
        std::lock_guard lock(m_mutex);
        id = m_next++;
        m_open.emplace(id, shared);
    }
    // However the wait ends, the request goes; one the page never answered is taken off the page.
    struct Withdraw {
        Requests& requests;
        int id;
        const Request& request;
        ~Withdraw() {
            bool answered = false;
            {
                std::lock_guard lock(requests.m_mutex);
                requests.m_open.erase(id);
                std::lock_guard queueLock(request.queue->Mutex());
                answered = request.answer.has_value();
            }
            if (!answered) Notify(Note::Drop, request.window, id);
        }
    } withdraw{*this, id, *shared};
    Notify(Note::Ask, shared->window, id);
    queue.WaitUntil([&] { return shared->answer.has_value(); });
    return *shared->answer;
}

std::optional<std::string> Requests::Describe(int id) {
    std::lock_guard lock(m_mutex);
    const auto it = m_open.find(id);
    if (it == m_open.end()) return std::nullopt;
    const Request& r = *it->second;
    JsonWriter json;
    json.BeginObject().Member("request", id).Member("window", r.window);
    if (r.kind == Kind::Dialog) {
        json.Member("kind", "dialog").Member("help", r.dialog->HelpContext()).Key("template");
        WriteTemplate(json, r.dialog->Template());
        json.Member("state", EncodeState(r.state));
    } else {
        json.Member("kind", "box").Member("text", r.text).Member("type", r.type);
    }
    json.EndObject();
    return json.Text();
}

std::optional<std::string> Requests::Click(int id, int control, const std::string& state) {
    std::lock_guard lock(m_mutex);
    const auto it = m_open.find(id);
    if (it == m_open.end() || !it->second->dialog) return std::nullopt;
    Request& r = *it->second;
    r.state = DecodeState(state);
    r.dialog->OnControlClicked(control, r.state);
    return EncodeState(r.state);
}

std::optional<std::string> Requests::Ok(int id, const std::string& state) {
    std::lock_guard lock(m_mutex);
    const auto it = m_open.find(id);
    if (it == m_open.end() || !it->second->dialog) return std::nullopt;
    Request& r = *it->second;
    r.state = DecodeState(state);
    if (const std::optional<ExchangeFailure> failure = r.dialog->SaveState(r.state)) {
        JsonWriter json;
        json.BeginObject().Member("prompt", failure->prompt).Member("control", failure->controlId).EndObject();
        return json.Text();
    }
    {
        std::lock_guard queueLock(r.queue->Mutex());
        r.answer = IDOK;
    }
    r.queue->Notify();
    return std::string();
}

bool Requests::Answer(int id, int result) {
    std::lock_guard lock(m_mutex);
    const auto it = m_open.find(id);
    if (it == m_open.end()) return false;
    Request& r = *it->second;
    {
        std::lock_guard queueLock(r.queue->Mutex());
        if (r.answer) return false;
        r.answer = result;
    }
    r.queue->Notify();
    return true;
}

bool Requests::Waiting(int window) {
    std::lock_guard lock(m_mutex);
    for (const auto& [id, request] : m_open)
        if (request->window == window) return true;
    return false;
}

int WebUi::DoModal(CDialog& dialog) {
    Requests::Request r;
    r.kind = Requests::Kind::Dialog;
    r.window = m_window;
    r.dialog = &dialog;
    r.state = dialog.InitialState();
    return Requests::Instance().Ask(std::move(r));
}

int WebUi::MessageBox(const std::string& text, unsigned type) {
    Requests::Request r;
    r.kind = Requests::Kind::MessageBox;
    r.window = m_window;
    r.text = text;
    r.type = type;
    return Requests::Instance().Ask(std::move(r));
}

void WebUi::WinHelp(unsigned context) { Notify(Note::Help, m_window, int(context)); }

void WebUi::SetCapture(bool captured) { Notify(Note::Capture, m_window, captured ? 1 : 0); }

namespace {

std::string Escape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out;
}

std::string Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            out += text[i + 1] == 'n' ? '\n' : text[i + 1];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::string EncodeState(const DialogState& state) {
    std::string out;
    for (const auto& [id, control] : state.Controls())
        out += std::to_string(id) + ' ' + (control.checked ? '1' : '0') + ' ' + (control.autoRadio ? '1' : '0') + ' ' +
               Escape(control.text) + '\n';
    return out;
}

DialogState DecodeState(const std::string& text) {
    DialogState state;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line(text.data() + start, end - start);
        start = end + 1;
        // "id checked autoRadio text"
        const std::size_t a = line.find(' ');
        if (a == std::string_view::npos || a + 5 > line.size()) continue;
        int id = 0;
        for (const char c : line.substr(0, a)) {
            if (c < '0' || c > '9' || id > 100000000) {
                id = -1;
                break;
            }
            id = id * 10 + (c - '0');
        }
        if (id < 0) continue;
        ControlState& control = state[id];
        control.checked = line[a + 1] == '1';
        control.autoRadio = line[a + 3] == '1';
        control.text = a + 5 <= line.size() ? Unescape(line.substr(a + 5)) : std::string();
    }
    return state;
}

}  // namespace dulm::web

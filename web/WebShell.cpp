#include "web/WebShell.h"

#include <chrono>

#include "app/DataExport.h"
#include "app/WindowLayout.h"
#include "demos/Registry.h"
#include "harness/RenderOptions.h"
#include "harness/Scenario.h"
#include "platform/ViewHost.h"
#include "res/Menus.h"
#include "web/Json.h"
#include "web/Notify.h"
#include "web/WebUi.h"

namespace dulm::web {

// A window of the page: a live view on the real clock, or one opened from a link, which runs on
// the virtual clock as the render tool does, and so shows the render tool's picture, and then
// lives on in real time with the page's user answering it.
struct Shell::Window {
    int id = 0;
    std::unique_ptr<WebUi> ui;  // outlives the host, which calls it
    std::unique_ptr<ViewHost> host;
    std::unique_ptr<Scenario> scenario;
    std::string error;  // why a link opened nothing
    Bitmap printed;     // under access: the picture drawn for the page
    // Held by the page's thread while it reads the view, and by the main thread while it ends it.
    std::mutex access;

    ViewHost* Host() const;
};

ViewHost* Shell::Window::Host() const {
    if (host) return host.get();
    if (scenario) return &scenario->Host();
    return nullptr;
}

Shell& Shell::Instance() {
    static Shell* shell = new Shell;  // lives as long as the page
    return *shell;
}

int Shell::NewWindowId() { return m_nextWindow++; }

void Shell::Post(Command command) {
    ++m_inFlight;
    {
        std::lock_guard lock(m_queueMutex);
        m_queue.push_back(std::move(command));
    }
    m_queueCv.notify_one();
}

void Shell::Run() {
    for (;;) {
        Command command;
        {
            std::unique_lock lock(m_queueMutex);
            m_queueCv.wait(lock, [&] { return !m_queue.empty(); });
            command = std::move(m_queue.front());
            m_queue.pop_front();
        }
        Handle(command);
        --m_inFlight;
    }
}

std::shared_ptr<Shell::Window> Shell::Find(int window) {
    std::lock_guard lock(m_windowsMutex);
    const auto it = m_windows.find(window);
    return it == m_windows.end() ? nullptr : it->second;
}

void Shell::Handle(Command& command) {
    switch (command.kind) {
    case Command::Kind::Init:
        m_frame = std::make_unique<CMainFrame>(ReferenceCanvasFor(command.size));
        SetAppMainFrame(m_frame.get());
        m_templates = MakeDemoTemplates();
        return;
    case Command::Kind::Open: Open(command); return;
    case Command::Kind::OpenLink: OpenLink(command); return;
    case Command::Kind::Close: Close(command.window); return;
    case Command::Kind::Print: {
        // The view draws its picture again at the page's size (its screen picture when it is in
        // the middle of a run); this thread waits for it, the page does not.
        const std::shared_ptr<Window> w = Find(command.window);
        ViewHost* host = w ? w->Host() : nullptr;
        if (!host) return;
        Bitmap picture = host->RequestPicture(command.size, *m_palette)->Wait(std::chrono::milliseconds(3000));
        if (picture.IsNull())
            if (const std::shared_ptr<Canvas> canvas = host->GetCanvas()) picture = canvas->Snapshot();
        {
            std::lock_guard lock(w->access);
            w->printed = std::move(picture);
        }
        Notify(Note::Printed, command.window);
        return;
    }
    case Command::Kind::Palette: {
        // templateId carries the choice: 1 the projector's colours, 0 the classic ones.
        m_palette = command.templateId == 1 ? &Palette::Projector() : &Palette::Classic();
        std::vector<std::shared_ptr<Window>> windows;
        {
            std::lock_guard lock(m_windowsMutex);
            for (const auto& [id, w] : m_windows) windows.push_back(w);
        }
        for (const auto& w : windows)
            if (ViewHost* host = w->Host()) host->SetPalette(*m_palette);
        return;
    }
    case Command::Kind::Input:
    case Command::Kind::Resize: break;
    }
    const std::shared_ptr<Window> w = Find(command.window);
    // Only this thread ends a window's view, so its host outlives this command without a lock.
    ViewHost* host = w ? w->Host() : nullptr;
    if (!host) return;
    // The client area is measured in the screen's pixels: the view draws its picture at that size,
    // which the page then shows pixel for pixel, however large the window.
    if (command.kind == Command::Kind::Resize)
        host->Resize(command.size, command.size);
    else if (command.message.message == WM_KEYDOWN || command.message.message == WM_KEYUP)
        host->PostKey(command.message, command.repeat);
    else
        host->Post(command.message);
}

void Shell::Open(const Command& command) {
    const CMultiDocTemplate* tmpl = nullptr;
    for (const auto& t : m_templates)
        if (t->ResourceId() == command.templateId) tmpl = t.get();
    if (!tmpl || !m_frame) return;
    auto w = std::make_shared<Window>();
    w->id = command.window;
    w->ui = std::make_unique<WebUi>(w->id);
    ViewOptions options;
    options.title = UntitledWindowTitle(tmpl->GetDocString(CMultiDocTemplate::docName), ++m_instances[tmpl->ResourceId()]);
    options.clientSize = command.size;
    options.palette = m_palette;
    options.trackedCommands = res::ViewCommands(MenuOf(tmpl->ResourceId()));
    const int id = w->id;
    options.onRefused = [id] { Notify(Note::Refused, id); };
    options.onCanvasChanged = [id] { Notify(Note::CanvasChanged, id); };
    options.onStateChanged = [id] { Notify(Note::StateChanged, id); };
    w->host = std::make_unique<ViewHost>(*tmpl, *w->ui, std::make_unique<SteadyClock>(), std::move(options));
    {
        std::lock_guard lock(m_windowsMutex);
        m_windows[id] = w;
    }
    w->host->Start();
}

// The render tool's options, carried by a link: the render tool's picture, reached on the virtual
// clock; resting there, the window is the page user's from then on. Bad options open no view:
// the window keeps what the render tool would have said, for the page to show.
void Shell::OpenLink(const Command& command) {
    auto w = std::make_shared<Window>();
    w->id = command.window;
    w->ui = std::make_unique<WebUi>(w->id);
    std::string error;
    if (const std::optional<RenderOptions> options = ParseRenderOptions(command.args, error)) {
        const int id = w->id;
        ScriptedRun run = RunScripted(*options, {[id] { Notify(Note::CanvasChanged, id); },
                                                 [id] { Notify(Note::StateChanged, id); }});
        if (run.status == 0) {
            run.scenario->GoLive(*w->ui);
            w->scenario = std::move(run.scenario);
        } else {
            error = run.message;  // the run's view ends with it
        }
    }
    w->error = error;
    {
        std::lock_guard lock(m_windowsMutex);
        m_windows[w->id] = w;
    }
    Notify(Note::Rested, w->id);
}

void Shell::Close(int window) {
    std::shared_ptr<Window> w;
    {
        std::lock_guard lock(m_windowsMutex);
        const auto it = m_windows.find(window);
        if (it == m_windows.end()) return;
        w = it->second;
        m_windows.erase(it);
    }
    // The view unwinds (its dialogs and message boxes leave the page) before anything goes.
    if (w->host) w->host->Close();
    if (w->scenario) w->scenario->Close();
    {
        std::lock_guard lock(w->access);
        w->host.reset();
        w->scenario.reset();
    }
    Notify(Note::Closed, window);
}

namespace {

// The picture's pixels in the canvas element's order (RGBA), into memory the page reads.
const std::uint8_t* ToRgba(const Bitmap& picture, std::vector<std::uint8_t>& rgba) {
    const Size size = picture.GetSize();
    rgba.resize(std::size_t(size.cx) * std::size_t(size.cy) * 4);
    std::uint8_t* out = rgba.data();
    for (int y = 0; y < size.cy; ++y) {
        const std::uint32_t* row = picture.Row(y);
        for (int x = 0; x < size.cx; ++x, out += 4) {
            const std::uint32_t p = row[x];
            out[0] = std::uint8_t(p >> 16);
            out[1] = std::uint8_t(p >> 8);
            out[2] = std::uint8_t(p);
            out[3] = 255;
        }
    }
    return rgba.data();
}

}  // namespace

const std::uint8_t* Shell::Frame(int window, Size& size) {
    const std::shared_ptr<Window> w = Find(window);
    if (!w) return nullptr;
    std::shared_ptr<Canvas> canvas;
    {
        std::lock_guard lock(w->access);
        if (ViewHost* host = w->Host()) canvas = host->GetCanvas();
    }
    if (!canvas) return nullptr;
    canvas->Rearm();  // before the copy: whatever is drawn after it is announced again
    Bitmap& picture = m_pictures[window];
    canvas->CopyTo(picture);
    size = picture.GetSize();
    return ToRgba(picture, m_frames[window]);
}

const std::uint8_t* Shell::PrintFrame(int window, Size& size) {
    const std::shared_ptr<Window> w = Find(window);
    if (!w) return nullptr;
    Bitmap picture;
    {
        std::lock_guard lock(w->access);
        picture = std::move(w->printed);
    }
    if (picture.IsNull()) return nullptr;
    size = picture.GetSize();
    return ToRgba(picture, m_frames[window]);
}

void Shell::Forget(int window) {
    m_frames.erase(window);
    m_pictures.erase(window);
}

bool Shell::Resting(int window) {
    // A command not yet handled may open the window, wake its view or, for a link's window, run it.
    if (m_inFlight > 0) return false;
    const std::shared_ptr<Window> w = Find(window);
    if (!w) return true;
    if (Requests::Instance().Waiting(window)) return true;
    std::lock_guard lock(w->access);
    ViewHost* host = w->Host();
    return !host || host->Queue().CurrentActivity() != Activity::Running;
}

std::string Shell::Csv(int window) {
    const std::shared_ptr<Window> w = Find(window);
    if (!w) return {};
    std::lock_guard lock(w->access);
    ViewHost* host = w->Host();
    return host ? ExportCsv(*host, std::chrono::milliseconds(0)).value_or("") : std::string();
}

std::shared_ptr<Canvas> Shell::CanvasOf(int window) {
    const std::shared_ptr<Window> w = Find(window);
    if (!w) return nullptr;
    std::lock_guard lock(w->access);
    ViewHost* host = w->Host();
    return host ? host->GetCanvas() : nullptr;
}

std::string Shell::Texts(int window) {
    const std::shared_ptr<Canvas> canvas = CanvasOf(window);
    return canvas ? PlainText(canvas->Texts()) : std::string();
}

std::string Shell::Description(int window) {
    const std::shared_ptr<Canvas> canvas = CanvasOf(window);
    return canvas ? canvas->Description() : std::string();
}

std::string Shell::LinkJson(int window) {
    const std::shared_ptr<Window> w = Find(window);
    if (!w) return {};
    std::lock_guard lock(w->access);
    ViewHost* host = w->Host();
    const DemoDescriptor* demo = host ? FindDemo(host->Template().ResourceId()) : nullptr;
    if (!demo) return {};
    const RunRecord run = host->Recorded();
    JsonWriter json;
    json.BeginObject().Member("demo", demo->name);
    if (const std::shared_ptr<Canvas> canvas = host->GetCanvas())  // the reference canvas the view maps
        json.Member("size", std::to_string(canvas->GetSize().cx) + "x" + std::to_string(canvas->GetSize().cy));
    if (run.seed) json.Key("time").Number(*run.seed);
    json.Key("dialog").BeginArray();
    for (const RunRecord::Dialog& d : run.dialogs) json.String(FormatDialogAnswer(d.answer));
    json.EndArray().EndObject();
    return json.Text();
}

std::string Shell::WindowJson(int window) {
    JsonWriter json;
    json.BeginObject().Member("window", window);
    if (const std::shared_ptr<Window> w = Find(window)) {
        std::lock_guard lock(w->access);
        if (!w->error.empty()) json.Member("error", w->error);
        if (ViewHost* host = w->Host()) {
            json.Member("title", host->Title())
                .Member("template", host->Template().ResourceId())
                .Member("status", host->StatusText())
                .Member("failure", host->Failure())
                .Member("opened", host->Opened())
                .Member("link", w->scenario != nullptr);
            json.Key("commands").BeginArray();
            for (unsigned id : res::ViewCommands(MenuOf(host->Template().ResourceId()))) {
                const ViewHost::CommandState state = host->QueryCommand(id);
                json.BeginArray().Number(id).Bool(state.enabled).Number(state.check).EndArray();
            }
            json.EndArray();
        }
    }
    json.EndObject();
    return json.Text();
}

}  // namespace dulm::web

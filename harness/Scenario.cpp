#include "harness/Scenario.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "app/WindowLayout.h"
#include "demos/Registry.h"
#include "res/Menus.h"

namespace dulm {

std::optional<unsigned> TemplateIdByName(const std::string& name) {
    const DemoDescriptor* demo = FindDemo(name);
    return demo ? std::optional<unsigned>(demo->templateId) : std::nullopt;
}

std::vector<std::string> DemoNames() {
    std::vector<std::string> names;
    for (const DemoDescriptor& demo : Demos()) names.push_back(demo.name);
    return names;
}

Scenario::Scenario(unsigned templateId, ScenarioOptions options, ScenarioAnnouncers announcers)
    : m_frame(options.canvas), m_options(options), m_templates(MakeDemoTemplates()) {
    const CMultiDocTemplate* tmpl = nullptr;
    for (const auto& t : m_templates)
        if (t->ResourceId() == templateId) tmpl = t.get();
    if (!tmpl) throw std::invalid_argument("no demonstration has template " + std::to_string(templateId));
    ViewOptions viewOptions;
    viewOptions.title = UntitledWindowTitle(tmpl->GetDocString(CMultiDocTemplate::docName), 1);
    viewOptions.clientSize = options.view.value_or(options.canvas);
    if (options.scale != 1) viewOptions.deviceSize = DeviceSizeAt(options.canvas, options.scale);
    viewOptions.palette = options.palette;
    viewOptions.trackedCommands = res::ViewCommands(MenuOf(templateId));
    viewOptions.logText = true;
    viewOptions.prepared = options.prepared;
    viewOptions.answerPrepared = options.answerPrepared;
    viewOptions.onCanvasChanged = std::move(announcers.onCanvasChanged);
    viewOptions.onStateChanged = std::move(announcers.onStateChanged);
    // The view's thread sees this scenario's frame, whatever other scenarios run meanwhile.
    viewOptions.onThreadStart = [frame = &m_frame] { SetThreadMainFrame(frame); };
    viewOptions.inkRecorder = options.inkRecorder;
    m_host = std::make_unique<ViewHost>(*tmpl, m_ui, std::make_unique<VirtualClock>(options.time),
                                        std::move(viewOptions));
}

Scenario::~Scenario() { Close(); }

Size DeviceSizeAt(Size canvas, double scale) {
    return {int(canvas.cx * scale + 0.5), int(canvas.cy * scale + 0.5)};
}

void Scenario::PostAt(std::int64_t ms, const MSG& m) {
    m_lastInputMs = std::max(m_lastInputMs, ms);
    m_host->Queue().PostAt(ms * 1000, m);
}

Point Scenario::ToClient(Point logical) const {
    const Size view = m_options.view.value_or(m_options.canvas);
    return {logical.x * view.cx / m_options.canvas.cx, logical.y * view.cy / m_options.canvas.cy};
}

void Scenario::KeyAt(std::int64_t ms, KeyStroke key) {
    KeyDownAt(ms, key);
    KeyUpAt(ms, key);
}
void Scenario::KeyDownAt(std::int64_t ms, KeyStroke key) { PostAt(ms, MakeKeyMessage(WM_KEYDOWN, key.vk, key.scan)); }
void Scenario::KeyUpAt(std::int64_t ms, KeyStroke key) { PostAt(ms, MakeKeyMessage(WM_KEYUP, key.vk, key.scan)); }
void Scenario::ClickAt(std::int64_t ms, Point logical) {
    PostAt(ms, MakeMouseMessage(WM_LBUTTONDOWN, ToClient(logical)));
}
void Scenario::RightClickAt(std::int64_t ms, Point logical) {
    PostAt(ms, MakeMouseMessage(WM_RBUTTONDOWN, ToClient(logical)));
}
void Scenario::HelpAt(std::int64_t ms) { PostAt(ms, MSG{WM_COMMANDHELP, 0, 0, {}}); }
void Scenario::CommandAt(std::int64_t ms, unsigned id) { PostAt(ms, MakeCommand(id)); }
void Scenario::PaintAt(std::int64_t ms) { PostAt(ms, MSG{WM_PAINT, 0, 0, {}}); }

Activity Scenario::RunUntil(std::int64_t ms) {
    m_host->Queue().SetHorizon(ms * 1000);
    if (!m_started) {
        m_started = true;
        m_host->Start();
    }
    const Activity rest = m_host->Queue().WaitUntilResting();
    m_host->Queue().HoldAtPresent();
    return rest;
}

std::int64_t Scenario::NowMs() const { return m_host->GetClock().NowUs() / 1000; }

Bitmap Scenario::Image() const {
    const auto canvas = m_host->GetCanvas();
    return canvas ? canvas->Snapshot() : Bitmap();
}

Colour Scenario::Pixel(int x, int y) const {
    const auto canvas = m_host->GetCanvas();
    return canvas ? canvas->PixelAt(x, y) : kBlack;
}

bool Scenario::Drew(const std::string& text) const {
    for (const TextRecord& r : TextLog())
        if (r.text == text) return true;
    return false;
}

void Scenario::GoLive(Ui& user) {
    m_ui.HandOver(user);
    if (m_ui.Captured()) user.SetCapture(true);  // a trial the script left running keeps the mouse
    m_host->Queue().ContinueInRealTime();
}

void Scenario::Close() {
    if (m_host) m_host->Close();
}

}  // namespace dulm

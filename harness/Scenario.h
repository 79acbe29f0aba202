// Runs one demonstration window on a virtual clock with a scripted user: the harness of the tests
// and of the render tool.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MainFrame.h"
#include "harness/ScriptedUi.h"
#include "platform/Bitmap.h"
#include "platform/Keys.h"
#include "platform/ViewHost.h"

namespace dulm {

struct ScenarioOptions {
    Size canvas{1000, 700};    // the reference canvas W x H
    std::optional<Size> view;  // the view's client size; W x H when not given
    long time = 0;             // what time(NULL) returns when the view opens
    RunRecord prepared = {};   // a saved run to repeat (see ViewOptions)
    bool answerPrepared = false;
    double scale = 1;          // the canvas's pixels per unit (a zoomed window, a printer)
    const Palette* palette = nullptr;  // the classic colours when not given
    InkRecorder* inkRecorder = nullptr;  // tests: told what every line and text is drawn on
};

// The canvas's pixels at a scale: each side rounded.
Size DeviceSizeAt(Size canvas, double scale);

// What a window that shows a scenario is told (see ViewOptions).
struct ScenarioAnnouncers {
    std::function<void()> onCanvasChanged;
    std::function<void()> onStateChanged;
};

// A virtual hour: a view still busy then is reported as such.
inline constexpr std::int64_t kVirtualHourMs = 3600 * 1000;

class Scenario {
public:
    explicit Scenario(unsigned templateId, ScenarioOptions options = {}, ScenarioAnnouncers announcers = {});
    ~Scenario();

    ScriptedUi& User() { return m_ui; }

    // Input at a virtual time in milliseconds after the view's first paint; post it before Run.
    void KeyAt(std::int64_t ms, KeyStroke key);  // down, then up
    void KeyDownAt(std::int64_t ms, KeyStroke key);
    void KeyUpAt(std::int64_t ms, KeyStroke key);
    void ClickAt(std::int64_t ms, Point logical);
    void RightClickAt(std::int64_t ms, Point logical);
    void HelpAt(std::int64_t ms);
    void CommandAt(std::int64_t ms, unsigned id);
    void PaintAt(std::int64_t ms);  // the window asks for a repaint (uncovered, help closed)
    // The time of the latest input posted, 0 when there is none.
    std::int64_t LastInputMs() const { return m_lastInputMs; }

    // Runs the view until it rests with the clock at most at ms: Quiescent, Horizon or Ended.
    Activity RunUntil(std::int64_t ms);
    Activity RunToQuiescence(std::int64_t limitMs = kVirtualHourMs) { return RunUntil(limitMs); }
    std::int64_t NowMs() const;

    // While the view rests.
    template <class Doc>
    Doc& Document() const {
        return dynamic_cast<Doc&>(*m_host->Document());
    }
    template <class View>
    View& GetView() const {
        return dynamic_cast<View&>(*m_host->View());
    }
    ViewHost& Host() { return *m_host; }
    // The picture; empty when the view has no canvas.
    Bitmap Image() const;
    Colour Pixel(int x, int y) const;
    const std::vector<TextRecord>& TextLog() const { return m_host->TextLog(); }
    bool Drew(const std::string& text) const;

    void Close();
    // While the view rests: from now on it lives on in real time, and the given user answers
    // what it asks (a window prepared by a script, then handed to a person).
    void GoLive(Ui& user);

private:
    void PostAt(std::int64_t ms, const MSG& m);
    Point ToClient(Point logical) const;

    CMainFrame m_frame;
    ScenarioOptions m_options;
    ScriptedUi m_ui;
    std::vector<std::unique_ptr<CMultiDocTemplate>> m_templates;
    std::unique_ptr<ViewHost> m_host;
    bool m_started = false;
    std::int64_t m_lastInputMs = 0;
};

// The demonstrations by folder name, in the order of the "New" list: "central" is template 4 and so on.
std::optional<unsigned> TemplateIdByName(const std::string& name);
std::vector<std::string> DemoNames();

}  // namespace dulm

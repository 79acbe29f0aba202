#include "tools/Render.h"

#include <cstdio>

#include "harness/EventScript.h"

namespace dulm {

namespace {

void PrintTextLog(const Scenario& scenario, std::ostream& out) {
    for (const TextRecord& r : scenario.TextLog()) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%02x%02x%02x", r.colour.r, r.colour.g, r.colour.b);
        out << r.x << ' ' << r.y << ' ' << colour << ' ' << r.text << '\n';
    }
}

}  // namespace

int Render(const RenderOptions& options, std::ostream& out, std::ostream& err) {
    Scenario scenario(*TemplateIdByName(options.demo), options.scenario);
    for (const std::string& d : options.dialogs) {
        DialogAnswer answer;
        if (!ParseDialogAnswer(d, answer)) {
            err << "dulm-render: bad --dialog answer: " << d << '\n';
            return 2;
        }
        scenario.User().QueueDialog(answer);
    }
    scenario.User().QueueAnswers(options.answers);
    std::string error;
    if (!PostEventScript(options.events, scenario, error)) {
        err << "dulm-render: " << error << '\n';
        return 2;
    }
    const Activity activity = scenario.RunToQuiescence();
    if (options.text) PrintTextLog(scenario, out);
    const bool written = scenario.Image().save(QString::fromStdString(options.out), "PNG");
    scenario.Close();
    if (activity == Activity::Horizon) {
        err << "dulm-render: the view was still busy after a virtual hour\n";
        return 1;
    }
    if (!written) {
        err << "dulm-render: cannot write " << options.out << '\n';
        return 1;
    }
    return 0;
}

}  // namespace dulm

// The render tool's options, which a link to the browser edition carries too, and the run they
// describe.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "harness/Scenario.h"

namespace dulm {

struct RenderOptions {
    std::string demo;
    std::string out;
    std::string csv;  // Export Data's file, "-" for standard output; empty: none
    ScenarioOptions scenario;
    std::vector<std::string> dialogs;  // one answer per dialog, in order ("cancel" or "ID=VALUE,...")
    std::vector<int> answers;          // IDYES / IDNO in order
    std::string events;
    bool text = false;
    bool shownText = false;  // the texts the finished picture shows, in reading order
    bool describe = false;  // print the picture's description
    bool help = false;
};

// Parses the arguments (without the program name); on an error returns nullopt and says why.
std::optional<RenderOptions> ParseRenderOptions(const std::vector<std::string>& args, std::string& error);
std::string RenderUsage();

// A demonstration run as the options say, on the virtual clock, until it rests or a virtual hour
// has passed since its last scripted input.
struct ScriptedRun {
    std::unique_ptr<Scenario> scenario;  // resting; null when the input was bad
    Activity activity = Activity::Quiescent;
    std::int64_t horizonMs = 0;
    int status = 0;       // 0, 1 the run could not be made, 2 bad input (an answer refused included)
    std::string message;  // why, when status is not 0
};
// The announcements let a window show the run.
ScriptedRun RunScripted(const RenderOptions& options, ScenarioAnnouncers announcers = {});

}  // namespace dulm

// The command line of dulm-render.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "harness/Scenario.h"

namespace dulm {

struct RenderOptions {
    std::string demo;
    std::string out;
    ScenarioOptions scenario;
    std::vector<std::string> dialogs;  // one answer per dialog, in order ("cancel" or "ID=VALUE,...")
    std::vector<int> answers;          // IDYES / IDNO in order
    std::string events;
    bool text = false;
    bool help = false;
};

// Parses the arguments (without the program name); on an error returns nullopt and says why.
std::optional<RenderOptions> ParseRenderOptions(const std::vector<std::string>& args, std::string& error);
std::string RenderUsage();

}  // namespace dulm

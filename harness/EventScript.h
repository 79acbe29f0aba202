// The timed input of the render tool: "WHAT@MS;WHAT@MS", for example
// "key:0@1;keyup:esc@1500;click:400,300@2000".
#pragma once

#include <string>

#include "harness/Scenario.h"

namespace dulm {

// Posts every event of the script to the scenario; on a malformed event returns false and says why.
bool PostEventScript(const std::string& script, Scenario& scenario, std::string& error);

}  // namespace dulm

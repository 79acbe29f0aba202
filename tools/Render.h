// Runs a demonstration as the render tool's options say and writes its picture.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "harness/RenderOptions.h"

namespace dulm {

// Returns the process exit code: 0 done, 1 the view was still busy a virtual hour after its last
// scripted input (or after a virtual hour without input) or the picture could not be made or
// written, 2 bad input (an answer a dialog refused included).
int Render(const RenderOptions& options, std::ostream& out, std::ostream& err);

// The whole command line (without the program name): usage, options and the render.
int RenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace dulm

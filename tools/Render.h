// Runs a demonstration as the render tool's options say and writes its picture.
#pragma once

#include <ostream>

#include "tools/RenderOptions.h"

namespace dulm {

// Returns the process exit code: 0 done, 1 the view was still busy after a virtual hour or the
// picture could not be written, 2 bad input.
int Render(const RenderOptions& options, std::ostream& out, std::ostream& err);

}  // namespace dulm

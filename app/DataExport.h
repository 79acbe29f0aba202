// Export Data of a window: its CSV, read from the view while the view's thread is parked in a wait
// or a pause (so that the running view cannot change what is read), with the seed of its run.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace dulm {

class ViewHost;

// Nullopt when the view did not park within `patience` (a run that never waits, a dialog open) or
// has ended.
std::optional<std::string> ExportCsv(ViewHost& host, std::chrono::milliseconds patience);

}  // namespace dulm

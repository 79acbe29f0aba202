// A saved demonstration: small readable text that keeps the run's parameters (its dialogs'
// answers, written as dulm-render's --dialog answers) and its seed, so that opening the file runs
// the same demonstration again:
//
//     Dulm demonstration 1
//     demo=central
//     seed=1733760000
//     dialog=103:1002=1000,1001=5,1003=3
//
// An empty file (what the program saved before) opens the demonstration with its defaults.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/RunMemory.h"

namespace dulm {

inline constexpr std::string_view kDemoFileMagic = "Dulm demonstration 1";
// Anything larger is not one of ours.
inline constexpr std::size_t kDemoFileLimit = 64 * 1024;

std::string WriteDemoFile(const std::string& demo, const RunRecord& run);

// The run a file's text prepares for a window of `demo`; nullopt with the reason when the text is
// not a document of that demonstration.
std::optional<RunRecord> ReadDemoFile(std::string_view text, const std::string& demo, std::string& error);

}  // namespace dulm

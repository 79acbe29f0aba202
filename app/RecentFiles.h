// The recent-file list of the initialisation file: read at start-up, never written back.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace dulm {

// Reads "File1" to "File<max>" of the "[Recent File List]" section of an INI text.
std::vector<std::string> ParseRecentFileList(const std::string& iniText, int maxEntries);
// The initialisation file: dulm.ini in the user's configuration folder.
std::filesystem::path InitialisationFile();
std::vector<std::string> LoadRecentFileList(int maxEntries);

}  // namespace dulm

// The recent-file list of the initialisation file: read at start-up, written back when a document
// is opened or saved.
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

// The list with path in front, once, cut to maxEntries.
std::vector<std::string> AddRecentFile(std::vector<std::string> files, const std::string& path, int maxEntries);
// The INI text with its "[Recent File List]" section replaced by these files (or added); every
// other section and line kept.
std::string WithRecentFileList(const std::string& iniText, const std::vector<std::string>& files);
// Writes the list into the initialisation file; false when it could not be written.
bool SaveRecentFileList(const std::vector<std::string>& files);

}  // namespace dulm

#include "app/RecentFiles.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace dulm {

namespace {

std::string Trim(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::vector<std::string> ParseRecentFileList(const std::string& iniText, int maxEntries) {
    std::istringstream in(iniText);
    std::map<std::string, std::string> entries;
    bool inSection = false;
    for (std::string line; std::getline(in, line);) {
        line = Trim(line);
        if (line.starts_with('[')) {
            inSection = line == "[Recent File List]";
            continue;
        }
        const size_t eq = line.find('=');
        if (inSection && eq != std::string::npos) entries[Trim(line.substr(0, eq))] = Trim(line.substr(eq + 1));
    }
    std::vector<std::string> files;
    for (int i = 1; i <= maxEntries; ++i) {
        const auto it = entries.find("File" + std::to_string(i));
        if (it != entries.end() && !it->second.empty()) files.push_back(it->second);
    }
    return files;
}

std::filesystem::path InitialisationFile() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        return std::filesystem::path(config) / "dulm.ini";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : ".") / ".config" / "dulm.ini";
}

std::vector<std::string> LoadRecentFileList(int maxEntries) {
    std::ifstream in(InitialisationFile());
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return ParseRecentFileList(text.str(), maxEntries);
}

}  // namespace dulm

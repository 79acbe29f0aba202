#include "app/RecentFiles.h"

#include <algorithm>
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

namespace {

std::string ReadInitialisationFile() {
    std::ifstream in(InitialisationFile());
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

std::vector<std::string> LoadRecentFileList(int maxEntries) {
    return ParseRecentFileList(ReadInitialisationFile(), maxEntries);
}

std::vector<std::string> AddRecentFile(std::vector<std::string> files, const std::string& path, int maxEntries) {
    std::erase(files, path);
    files.insert(files.begin(), path);
    if (files.size() > size_t(std::max(maxEntries, 0))) files.resize(size_t(std::max(maxEntries, 0)));
    return files;
}

std::string WithRecentFileList(const std::string& iniText, const std::vector<std::string>& files) {
    std::string section = "[Recent File List]\n";
    for (size_t i = 0; i < files.size(); ++i) section += "File" + std::to_string(i + 1) + "=" + files[i] + "\n";
    std::istringstream in(iniText);
    std::string out;
    bool inSection = false, written = false;
    for (std::string line; std::getline(in, line);) {
        const std::string trimmed = Trim(line);
        if (trimmed.starts_with('[')) {
            inSection = trimmed == "[Recent File List]";
            if (inSection && !written) {
                out += section;
                written = true;
            }
        }
        if (!inSection) out += line + "\n";
    }
    if (!written) out += (out.empty() || out.ends_with("\n\n") ? "" : "\n") + section;
    return out;
}

bool SaveRecentFileList(const std::vector<std::string>& files) {
    const std::filesystem::path path = InitialisationFile();
    const std::string text = WithRecentFileList(ReadInitialisationFile(), files);
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return bool(out);
}

}  // namespace dulm

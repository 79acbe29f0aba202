#include "app/DemoFile.h"

#include <charconv>
#include <set>

namespace dulm {

namespace {

constexpr std::size_t kMostDialogs = 16;

template <class T>
bool ParseNumber(std::string_view text, T& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::string WriteDemoFile(const std::string& demo, const RunRecord& run) {
    std::string text(kDemoFileMagic);
    text += "\ndemo=" + demo + "\n";
    if (run.seed) text += "seed=" + std::to_string(*run.seed) + "\n";
    for (const RunRecord::Dialog& d : run.dialogs)
        if (!d.answer.cancel) text += "dialog=" + std::to_string(d.id) + ":" + FormatDialogAnswer(d.answer) + "\n";
    return text;
}

std::optional<RunRecord> ReadDemoFile(std::string_view text, const std::string& demo, std::string& error) {
    RunRecord run;
    if (text.empty()) return run;
    const auto damaged = [&](const std::string& why) -> std::optional<RunRecord> {
        error = "The file is damaged: " + why + ".";
        return std::nullopt;
    };
    if (text.size() > kDemoFileLimit) {
        error = "The file is too large to be a demonstration document.";
        return std::nullopt;
    }
    bool first = true, sawDemo = false;
    std::set<unsigned> dialogs;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (first) {
            if (line != kDemoFileMagic) {
                error = "The file is not a demonstration document.";
                return std::nullopt;
            }
            first = false;
            continue;
        }
        if (line.empty()) continue;
        const std::size_t eq = line.find('=');
        const std::string where = "line " + std::to_string(lineNumber);
        if (eq == std::string_view::npos) return damaged(where + " is not KEY=VALUE");
        const std::string_view key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "demo") {
            if (sawDemo) return damaged(where + " names the demonstration again");
            sawDemo = true;
            if (value != demo) {
                error = "The file is a document of another demonstration (" + std::string(value.substr(0, 40)) + ").";
                return std::nullopt;
            }
        } else if (key == "seed") {
            long seed = 0;
            if (run.seed || !ParseNumber(value, seed) || seed < 0) return damaged(where + " has no valid seed");
            run.seed = seed;
        } else if (key == "dialog") {
            const std::size_t colon = value.find(':');
            RunRecord::Dialog d;
            if (colon == std::string_view::npos || !ParseNumber(value.substr(0, colon), d.id) ||
                !ParseDialogAnswer(std::string(value.substr(colon + 1)), d.answer) || d.answer.cancel)
                return damaged(where + " has no valid dialog answer");
            if (!dialogs.insert(d.id).second || dialogs.size() > kMostDialogs)
                return damaged(where + " repeats a dialog");
            run.dialogs.push_back(std::move(d));
        } else {
            return damaged(where + " has an unknown key");
        }
    }
    if (!sawDemo) return damaged("it names no demonstration");
    return run;
}

}  // namespace dulm

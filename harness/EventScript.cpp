#include "harness/EventScript.h"

#include <charconv>

#include "res/Resources.h"

namespace dulm {

namespace {

bool ParsePoint(const std::string& s, Point& p) {
    const size_t comma = s.find(',');
    if (comma == std::string::npos) return false;
    long x = 0, y = 0;
    if (!ParseInteger(s.substr(0, comma), kLeastCoordinate, kGreatestCoordinate, x) ||
        !ParseInteger(s.substr(comma + 1), kLeastCoordinate, kGreatestCoordinate, y))
        return false;
    p = {int(x), int(y)};
    return true;
}

bool PostEvent(const std::string& what, const std::string& arg, std::int64_t ms, Scenario& s) {
    Point p;
    if (what == "key" || what == "keydown" || what == "keyup") {
        const std::optional<KeyStroke> key = KeyByName(arg);
        if (!key) return false;
        if (what == "key") s.KeyAt(ms, *key);
        else if (what == "keydown") s.KeyDownAt(ms, *key);
        else s.KeyUpAt(ms, *key);
    } else if (what == "click" && ParsePoint(arg, p)) {
        s.ClickAt(ms, p);
    } else if (what == "rclick" && ParsePoint(arg, p)) {
        s.RightClickAt(ms, p);
    } else if (what == "help" && arg.empty()) {
        s.HelpAt(ms);
    } else if (what == "paint" && arg.empty()) {
        s.PaintAt(ms);
    } else if (what == "start" && arg.empty()) {
        s.CommandAt(ms, res::ID_START_DEMO);
    } else if (long id = 0; what == "command" && ParseInteger(arg, 0, 0xFFFF, id)) {
        s.CommandAt(ms, unsigned(id));
    } else {
        return false;
    }
    return true;
}

}  // namespace

bool ParseInteger(std::string_view text, long lo, long hi, long& value) {
    long v = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || stop != end || v < lo || v > hi) return false;
    value = v;
    return true;
}

std::string Excerpt(std::string_view text) {
    constexpr size_t kShown = 80;
    if (text.size() <= kShown) return std::string(text);
    size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // inside a UTF-8 sequence
    return std::string(text.substr(0, cut)) + "...";
}

bool PostEventScript(const std::string& script, Scenario& scenario, std::string& error) {
    size_t start = 0;
    while (start < script.size()) {
        size_t end = script.find(';', start);
        if (end == std::string::npos) end = script.size();
        const std::string event = script.substr(start, end - start);
        start = end + 1;
        if (event.empty()) continue;
        const size_t at = event.rfind('@');
        if (at == std::string::npos) {
            error = "event without a time: " + Excerpt(event);
            return false;
        }
        long ms = 0;
        if (!ParseInteger(std::string_view(event).substr(at + 1), 0, kLatestEventMs, ms)) {
            error = "bad time (0 to " + std::to_string(kLatestEventMs) + " ms): " + Excerpt(event);
            return false;
        }
        const std::string head = event.substr(0, at);
        const size_t colon = head.find(':');
        const std::string what = head.substr(0, colon);
        const std::string arg = colon == std::string::npos ? std::string() : head.substr(colon + 1);
        if (!PostEvent(what, arg, ms, scenario)) {
            error = "bad event: " + Excerpt(event);
            return false;
        }
    }
    return true;
}

}  // namespace dulm

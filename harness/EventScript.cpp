#include "harness/EventScript.h"

#include <cstdlib>

#include "res/Resources.h"

namespace dulm {

namespace {

bool ParseInt(const std::string& s, long& value) {
    if (s.empty()) return false;
    char* end = nullptr;
    value = std::strtol(s.c_str(), &end, 10);
    return *end == '\0';
}

bool ParsePoint(const std::string& s, Point& p) {
    const size_t comma = s.find(',');
    long x = 0, y = 0;
    if (comma == std::string::npos || !ParseInt(s.substr(0, comma), x) || !ParseInt(s.substr(comma + 1), y))
        return false;
    p = {int(x), int(y)};
    return true;
}

bool PostEvent(const std::string& what, const std::string& arg, long ms, Scenario& s) {
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
    } else if (long id = 0; what == "command" && ParseInt(arg, id)) {
        s.CommandAt(ms, unsigned(id));
    } else {
        return false;
    }
    return true;
}

}  // namespace

bool PostEventScript(const std::string& script, Scenario& scenario, std::string& error) {
    size_t start = 0;
    while (start < script.size()) {
        size_t end = script.find(';', start);
        if (end == std::string::npos) end = script.size();
        const std::string event = script.substr(start, end - start);
        start = end + 1;
        if (event.empty()) continue;
        const size_t at = event.rfind('@');
        long ms = 0;
        if (at == std::string::npos || !ParseInt(event.substr(at + 1), ms) || ms < 0) {
            error = "event without a time: " + event;
            return false;
        }
        const std::string head = event.substr(0, at);
        const size_t colon = head.find(':');
        const std::string what = head.substr(0, colon);
        const std::string arg = colon == std::string::npos ? std::string() : head.substr(colon + 1);
        if (!PostEvent(what, arg, ms, scenario)) {
            error = "unknown event: " + event;
            return false;
        }
    }
    return true;
}

}  // namespace dulm

#include "harness/RenderOptions.h"

#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "harness/EventScript.h"
#include "platform/Messages.h"

namespace dulm {

namespace {

// --time is a time(NULL) of the old 32-bit run-time library.
constexpr long kEarliestTime = -2147483648L;
constexpr long kLatestTime = 2147483647L;

// The views fill their background from the point (100, 100), so a canvas must reach past it:
// at 100 pixels the fill would start outside and the picture keep the canvas's first colour.
// The view only stretches the canvas, so it may be smaller.
constexpr long kSmallestCanvas = 101;
constexpr long kSmallestView = 100;
constexpr long kLargestSide = 8000;

// W x H, each from `least` to 8000.
bool ParseSize(const std::string& s, long least, Size& size) {
    const size_t x = s.find('x');
    long cx = 0, cy = 0;
    if (x == std::string::npos || !ParseInteger(std::string_view(s).substr(0, x), least, kLargestSide, cx) ||
        !ParseInteger(std::string_view(s).substr(x + 1), least, kLargestSide, cy))
        return false;
    size = {int(cx), int(cy)};
    return true;
}

// A scale of 1 to 4 in hundredths at most ("1.25"); the canvas's pixels at it at most 16000 a side.
constexpr long kLargestDeviceSide = 16000;
bool ParseScale(const std::string& s, double& scale) {
    const size_t dot = s.find('.');
    long whole = 0, hundredths = 0;
    if (!ParseInteger(std::string_view(s).substr(0, dot), 1, 4, whole)) return false;
    if (dot != std::string::npos) {
        const std::string fraction = s.substr(dot + 1);
        if (fraction.empty() || fraction.size() > 2 || !ParseInteger(fraction, 0, 99, hundredths)) return false;
        if (fraction.size() == 1) hundredths *= 10;
    }
    if (whole == 4 && hundredths != 0) return false;
    scale = double(whole * 100 + hundredths) / 100;
    return true;
}

// Every field between separators, empty ones included: "" is one empty field, "a;" two fields.
std::vector<std::string> Split(const std::string& s, char separator) {
    std::vector<std::string> parts;
    for (size_t start = 0;;) {
        const size_t end = s.find(separator, start);
        parts.push_back(s.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

// Each field is yes or no: an empty one (from "", "yes," or "yes,,no") is none of them.
bool ParseAnswers(const std::string& s, std::vector<int>& answers) {
    for (const std::string& a : Split(s, ',')) {
        if (a == "yes") answers.push_back(IDYES);
        else if (a == "no") answers.push_back(IDNO);
        else return false;
    }
    return true;
}

// The options that take a value: each may be given once, since a second would silently replace
// (or, for --answers, quietly extend) the first.
bool TakesValue(const std::string& a) {
    return a == "--out" || a == "--size" || a == "--view" || a == "--time" || a == "--dialog" || a == "--answers" ||
           a == "--events" || a == "--csv" || a == "--scale" || a == "--palette";
}

}  // namespace

std::string RenderUsage() {
    std::string names;
    for (const std::string& n : DemoNames()) names += " " + n;
    return "usage: dulm-render DEMO [--out FILE.png|-] [--csv FILE.csv|-] [--size WxH] [--view WxH] [--time T]\n"
           "                   [--dialog cancel|ID=VALUE,...[;...]] [--answers yes,no,...]\n"
           "                   [--events SCRIPT] [--scale S] [--palette classic|projector] [--text]\n"
           "                   [--shown-text] [--describe]\n"
           "Runs a demonstration headless on a virtual clock until it rests (for at most a virtual hour after\n"
           "its last scripted input), and writes its picture, its data or both. Each option is given at most once.\n"
           "  DEMO        one of:" + names + "\n"
           "  --out       the PNG file to write; - writes the picture to standard output (not with --text,\n"
           "              --shown-text or --describe)\n"
           "  --csv       the CSV file Export Data writes (parameters, seed and the run's data); - writes it\n"
           "              to standard output (not with --text, --shown-text, --describe or --out -)\n"
           "  --size      the reference canvas W x H, each 101 to 8000 (default 1000x700); the views fill\n"
           "              their background from the point (100, 100), which a smaller canvas lacks\n"
           "  --view      the view's client size, each 100 to 8000 (default: the canvas size)\n"
           "  --time      what time(NULL) returns when the view opens, which seeds the runs,\n"
           "              -2147483648 to 2147483647 (default 0)\n"
           "  --dialog    answers to the parameter dialogs in the order they open, ';' between dialogs:\n"
           "              an edit's control id and its text, or a radio group's first id and the index to\n"
           "              check (1002=1000,1001=5,1003=3), each control once; 'cancel' cancels; an empty\n"
           "              answer, or none, accepts the dialog with its defaults; an answer no dialog takes\n"
           "              is bad input\n"
           "  --answers   Yes/No answers to the message boxes, in order, each yes or no (default: no)\n"
           "  --events    timed input, ';' between events, each WHAT@MS in virtual milliseconds after the\n"
           "              first paint (0 to 2147483647): key:K (down and up), keydown:K, keyup:K, click:X,Y,\n"
           "              rclick:X,Y (logical points, -32768 to 32767), help (F1 in the window), start\n"
           "              (\"Start Demo\"), command:ID, paint (a repaint);\n"
           "              K is 0-9, num0-num9, esc, pause, numlock, f1, space, enter, left, right, up,\n"
           "              down or a letter\n"
           "  --scale     the picture's pixels per unit of the canvas, 1 to 4 (1.25, 1.5, 2): the same\n"
           "              picture drawn at that scale, texts rasterised at the scaled size (default 1)\n"
           "  --palette   classic (the default) or projector: every colour against its background at\n"
           "              3:1 or more, a red and a green that differ for colour-blind viewers\n"
           "  --text      print every TextOut: x y #rrggbb text, in the canvas's units and the\n"
           "              program's colours, whatever the scale and palette\n"
           "  --shown-text  print the texts the finished picture shows, in reading order (what a\n"
           "              screen reader is told), in the same form\n"
           "  --describe  print the picture's one-line description for screen readers, as the line\n"
           "              \"Description: \" and the text (after the texts of --text; nothing when the\n"
           "              picture has none)\n"
           "Exit status: 0 written, 1 the view was still busy or the picture could not be made or written,\n"
           "2 bad input (an option, an event, or a dialog answer the dialog refused or no dialog took).\n";
}

std::optional<RenderOptions> ParseRenderOptions(const std::vector<std::string>& args, std::string& error) {
    RenderOptions o;
    std::set<std::string> given;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (TakesValue(a) && !given.insert(a).second) return error = a + " given more than once", std::nullopt;
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        std::optional<std::string> v;
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--text") {
            o.text = true;
        } else if (a == "--shown-text") {
            o.shownText = true;
        } else if (a == "--describe") {
            o.describe = true;
        } else if (a == "--out" && (v = value())) {
            o.out = *v;
        } else if (a == "--csv" && (v = value())) {
            if (v->empty()) return error = "bad --csv: an empty file name", std::nullopt;
            o.csv = *v;
        } else if (a == "--size" && (v = value())) {
            if (!ParseSize(*v, kSmallestCanvas, o.scenario.canvas))
                return error = "bad --size (each side 101 to 8000): " + Excerpt(*v), std::nullopt;
        } else if (a == "--view" && (v = value())) {
            Size view;
            if (!ParseSize(*v, kSmallestView, view))
                return error = "bad --view (each side 100 to 8000): " + Excerpt(*v), std::nullopt;
            o.scenario.view = view;
        } else if (a == "--time" && (v = value())) {
            if (!ParseInteger(*v, kEarliestTime, kLatestTime, o.scenario.time))
                return error = "bad --time (" + std::to_string(kEarliestTime) + " to " + std::to_string(kLatestTime) +
                               "): " + Excerpt(*v),
                       std::nullopt;
        } else if (a == "--scale" && (v = value())) {
            if (!ParseScale(*v, o.scenario.scale)) return error = "bad --scale (1 to 4): " + Excerpt(*v), std::nullopt;
        } else if (a == "--palette" && (v = value())) {
            o.scenario.palette = Palette::Named(*v);
            if (!o.scenario.palette) return error = "bad --palette (classic or projector): " + Excerpt(*v), std::nullopt;
        } else if (a == "--dialog" && (v = value())) {
            o.dialogs = Split(*v, ';');
        } else if (a == "--answers" && (v = value())) {
            if (!ParseAnswers(*v, o.answers)) return error = "bad --answers: " + Excerpt(*v), std::nullopt;
        } else if (a == "--events" && (v = value())) {
            o.events = *v;
        } else if (!a.starts_with("-") && o.demo.empty()) {
            o.demo = a;
        } else {
            return error = "unexpected argument: " + Excerpt(a), std::nullopt;
        }
    }
    if (o.help) return o;
    if (o.demo.empty() || !TemplateIdByName(o.demo)) return error = "name a demonstration", std::nullopt;
    if (o.out.empty() && o.csv.empty()) return error = "--out FILE.png or --csv FILE.csv is required", std::nullopt;
    if (const Size device = DeviceSizeAt(o.scenario.canvas, o.scenario.scale);
        device.cx > kLargestDeviceSide || device.cy > kLargestDeviceSide)
        return error = "--size times --scale exceeds 16000 pixels a side", std::nullopt;
    // Only one thing may go to standard output.
    const std::pair<bool, const char*> printing[] = {{o.text, "--text"}, {o.shownText, "--shown-text"},
                                                     {o.describe, "--describe"}};
    for (const auto& [on, name] : printing) {
        if (on && o.out == "-") return error = std::string(name) + " and --out - both write to standard output", std::nullopt;
        if (on && o.csv == "-") return error = std::string(name) + " and --csv - both write to standard output", std::nullopt;
    }
    if (o.out == "-" && o.csv == "-") return error = "--out - and --csv - both write to standard output", std::nullopt;
    return o;
}

ScriptedRun RunScripted(const RenderOptions& options, ScenarioAnnouncers announcers) {
    ScriptedRun run;
    auto fail = [&](int status, std::string message) {
        run.status = status;
        run.message = std::move(message);
        return std::move(run);
    };
    auto scenario = std::make_unique<Scenario>(*TemplateIdByName(options.demo), options.scenario, std::move(announcers));
    scenario->User().CancelAtRefusal();
    for (const std::string& d : options.dialogs) {
        DialogAnswer answer;
        if (!ParseDialogAnswer(d, answer)) return fail(2, "bad --dialog answer: " + Excerpt(d));
        scenario->User().QueueDialog(answer);
    }
    scenario->User().QueueAnswers(options.answers);
    if (std::string error; !PostEventScript(options.events, *scenario, error)) return fail(2, error);
    run.horizonMs = scenario->LastInputMs() + kVirtualHourMs;
    run.activity = scenario->RunToQuiescence(run.horizonMs);
    run.scenario = std::move(scenario);
    Scenario& s = *run.scenario;
    if (!s.Host().Opened()) return fail(1, "the demonstration's document did not open");
    if (const std::vector<DialogRefusal> refusals = s.User().Refusals(); !refusals.empty()) {
        const DialogRefusal& r = refusals.front();
        if (r.badAnswer)
            return fail(2, "bad --dialog answer for dialog " + std::to_string(r.dialog) + ": " +
                               std::to_string(r.controlId) + '=' + Excerpt(r.value) + " (" + r.reason + ")");
        return fail(2, "dialog " + std::to_string(r.dialog) + " refused " + std::to_string(r.controlId) + '=' +
                           Excerpt(r.value) + ": " + r.reason);
    }
    // Answers no dialog asked for: the run was not the one the command line meant.
    if (const size_t left = s.User().DialogAnswersLeft(); left != 0) {
        const size_t first = options.dialogs.size() - left;
        return fail(2, "no dialog took --dialog answer " + std::to_string(first + 1) + " of " +
                           std::to_string(options.dialogs.size()) + ": " +
                           (options.dialogs[first].empty() ? "(empty)" : Excerpt(options.dialogs[first])));
    }
    // The view's thread stopped on a failure; its canvas shows the same sentence.
    if (const std::string failure = s.Host().Failure(); !failure.empty()) return fail(1, failure);
    return run;
}

}  // namespace dulm

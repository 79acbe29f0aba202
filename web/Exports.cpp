// The functions the page calls, on its own thread. None of them waits for a view.
#include <emscripten/emscripten.h>

#include <optional>
#include <string>

#include "app/HelpFile.h"
#include "app/WindowLayout.h"
#include "platform/Keys.h"
#include "platform/Messages.h"
#include "web/Json.h"
#include "web/Notify.h"
#include "web/Templates.h"
#include "web/WebShell.h"
#include "web/WebUi.h"

namespace dulm::web {

void Notify(Note note, int window, int arg) {
    MAIN_THREAD_ASYNC_EM_ASM({ if (Module["dulmNotify"]) Module["dulmNotify"]($0, $1, $2); }, int(note), window, arg);
}

namespace {

// The text a call returns stays valid until the next call that returns text.
const char* Keep(std::string text) {
    static std::string kept;
    kept = std::move(text);
    return kept.c_str();
}

Command InputOf(int window, const MSG& message) {
    Command c;
    c.kind = Command::Kind::Input;
    c.window = window;
    c.message = message;
    return c;
}

// A window's view drawn at another size: the client area's, or a printed page's.
Command SizedOf(Command::Kind kind, int window, int width, int height) {
    Command c;
    c.kind = kind;
    c.window = window;
    c.size = {width, height};
    return c;
}

// The help file that travels with the page, read at its first use.
const HelpFile* Help() {
    static const std::optional<HelpFile> file = HelpFile::Load("/help/dulm.hlp");
    return file ? &*file : nullptr;
}

// A help page as JSON {id, title, html}: "index" the index, "contents", "using", or a topic's
// hex id; a context number as "0x20087". Empty when there is no such page.
std::string HelpPage(const std::string& id) {
    const HelpFile* help = Help();
    if (!help) return {};
    JsonWriter json;
    if (id == "index") {
        const HelpTopic* contents = help->FindId("contents");
        json.BeginObject()
            .Member("id", "index")
            .Member("title", contents ? contents->title : std::string("Index"))
            .Member("html", help->IndexHtml())
            .EndObject();
        return json.Text();
    }
    const HelpTopic* topic = help->FindId(id);
    if (!topic) return {};
    json.BeginObject().Member("id", topic->id).Member("title", topic->title).Member("html", help->ToHtml(*topic)).EndObject();
    return json.Text();
}

}  // namespace
}  // namespace dulm::web

using namespace dulm;
using namespace dulm::web;

extern "C" {

EMSCRIPTEN_KEEPALIVE void dulm_init(int width, int height) {
    Command c;
    c.kind = Command::Kind::Init;
    c.size = {width, height};
    Shell::Instance().Post(c);
}

EMSCRIPTEN_KEEPALIVE const char* dulm_resources() { return Keep(ResourcesJson()); }

// Where the help first goes beside the dialog it was asked from, as on the desktop: the wanted
// rectangle, the dialog's and the page's (left, top, right, bottom each), and the least width;
// "[left, top, right, bottom]".
EMSCRIPTEN_KEEPALIVE const char* dulm_place_beside(int wl, int wt, int wr, int wb, int dl, int dt, int dr, int db,
                                                   int al, int at, int ar, int ab, int leastWidth) {
    const Rect r = PlaceBeside({wl, wt, wr, wb}, {dl, dt, dr, db}, {al, at, ar, ab}, leastWidth);
    return Keep('[' + std::to_string(r.left) + ',' + std::to_string(r.top) + ',' + std::to_string(r.right) + ',' +
                std::to_string(r.bottom) + ']');
}

// Tile's grid, as the desktop makes it: count cells over an area of areaWidth x areaHeight whose
// clients (a cell less a window's frame of frameWidth x frameHeight) come nearest the pictures'
// shape, as "[[left, top, right, bottom], ...]".
EMSCRIPTEN_KEEPALIVE const char* dulm_tile(int count, int areaWidth, int areaHeight, int pictureWidth,
                                           int pictureHeight, int frameWidth, int frameHeight) {
    std::string json = "[";
    for (const Rect& r : TileGrid(count, {0, 0, areaWidth, areaHeight}, {pictureWidth, pictureHeight},
                                  {frameWidth, frameHeight})) {
        if (json.size() > 1) json += ',';
        json += '[' + std::to_string(r.left) + ',' + std::to_string(r.top) + ',' + std::to_string(r.right) + ',' +
                std::to_string(r.bottom) + ']';
    }
    return Keep(json + ']');
}

// A new window of a demonstration, its view's client area width x height.
EMSCRIPTEN_KEEPALIVE int dulm_open(unsigned templateId, int width, int height) {
    Command c;
    c.kind = Command::Kind::Open;
    c.window = Shell::Instance().NewWindowId();
    c.templateId = templateId;
    c.size = {width, height};
    Shell::Instance().Post(c);
    return c.window;
}

// A window from a link: the render tool's options, one per line.
EMSCRIPTEN_KEEPALIVE int dulm_open_link(const char* lines) {
    Command c;
    c.kind = Command::Kind::OpenLink;
    c.window = Shell::Instance().NewWindowId();
    std::string text = lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        if (end > start) c.args.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    Shell::Instance().Post(c);
    return c.window;
}

EMSCRIPTEN_KEEPALIVE void dulm_close(int window) {
    Command c;
    c.kind = Command::Kind::Close;
    c.window = window;
    Shell::Instance().Post(c);
}

// A key by the render tool's name for it ("0", "num7", "esc", "pause", "f1", "space", "a", ...);
// down is 1 for a key press, 2 for a press repeated while the key is held, 0 for its release.
// Keys without a name are not passed on.
EMSCRIPTEN_KEEPALIVE void dulm_key(int window, const char* name, int down) {
    const std::optional<KeyStroke> key = KeyByName(name);
    if (!key) return;
    Command c = InputOf(window, MakeKeyMessage(down ? WM_KEYDOWN : WM_KEYUP, key->vk, key->scan));
    c.repeat = down == 2;
    Shell::Instance().Post(c);
}

// button 0 left, 2 right; x, y in the view's client area.
EMSCRIPTEN_KEEPALIVE void dulm_mouse(int window, int button, int x, int y) {
    Shell::Instance().Post(InputOf(window, MakeMouseMessage(button == 2 ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, {x, y})));
}

EMSCRIPTEN_KEEPALIVE void dulm_command(int window, unsigned id) { Shell::Instance().Post(InputOf(window, MakeCommand(id))); }

// F1 in the window.
EMSCRIPTEN_KEEPALIVE void dulm_help(int window) { Shell::Instance().Post(InputOf(window, MSG{WM_COMMANDHELP, 0, 0, {}})); }

// The window asks for a repaint (uncovered, the help closed).
EMSCRIPTEN_KEEPALIVE void dulm_paint(int window) { Shell::Instance().Post(InputOf(window, MSG{WM_PAINT, 0, 0, {}})); }

EMSCRIPTEN_KEEPALIVE void dulm_resize(int window, int width, int height) {
    Shell::Instance().Post(SizedOf(Command::Kind::Resize, window, width, height));
}

// Every picture in the projector's colours (1) or the classic ones (0).
EMSCRIPTEN_KEEPALIVE void dulm_palette(int projector) {
    Command c;
    c.kind = Command::Kind::Palette;
    c.templateId = projector == 1 ? 1 : 0;
    Shell::Instance().Post(c);
}

// The picture drawn again for a page of width x height pixels (the canvas's shape kept by the
// page); Note::Printed says when dulm_print_frame has it.
EMSCRIPTEN_KEEPALIVE void dulm_print(int window, int width, int height) {
    Shell::Instance().Post(SizedOf(Command::Kind::Print, window, width, height));
}

// The picture: a pointer to width x height x 4 bytes, or 0; dulm_frame_size then gives
// width * 65536 + height.
static int g_frameSize = 0;
EMSCRIPTEN_KEEPALIVE const std::uint8_t* dulm_frame(int window) {
    Size size;
    const std::uint8_t* pixels = Shell::Instance().Frame(window, size);
    g_frameSize = size.cx * 65536 + size.cy;
    return pixels;
}
EMSCRIPTEN_KEEPALIVE int dulm_frame_size() { return g_frameSize; }
// The picture for the page, as dulm_frame gives a window's; 0 when there is none.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* dulm_print_frame(int window) {
    Size size;
    const std::uint8_t* pixels = Shell::Instance().PrintFrame(window, size);
    g_frameSize = size.cx * 65536 + size.cy;
    return pixels;
}
EMSCRIPTEN_KEEPALIVE void dulm_forget(int window) { Shell::Instance().Forget(window); }

// Export Data: "" while the view does not rest in a wait; the page asks again.
EMSCRIPTEN_KEEPALIVE const char* dulm_csv(int window) { return Keep(Shell::Instance().Csv(window)); }
EMSCRIPTEN_KEEPALIVE const char* dulm_texts(int window) { return Keep(Shell::Instance().Texts(window)); }
EMSCRIPTEN_KEEPALIVE const char* dulm_description(int window) { return Keep(Shell::Instance().Description(window)); }
EMSCRIPTEN_KEEPALIVE const char* dulm_link(int window) { return Keep(Shell::Instance().LinkJson(window)); }

EMSCRIPTEN_KEEPALIVE int dulm_resting(int window) { return Shell::Instance().Resting(window) ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE const char* dulm_window(int window) { return Keep(Shell::Instance().WindowJson(window)); }

// Requests (dialogs and message boxes): "" when the request is gone.
EMSCRIPTEN_KEEPALIVE const char* dulm_request(int request) {
    return Keep(Requests::Instance().Describe(request).value_or(""));
}
EMSCRIPTEN_KEEPALIVE const char* dulm_dialog_click(int request, int control, const char* state) {
    return Keep(Requests::Instance().Click(request, control, state).value_or(""));
}
// "" when the dialog took the values and closes; else JSON {prompt, control}; "gone" when the
// request is gone.
EMSCRIPTEN_KEEPALIVE const char* dulm_dialog_ok(int request, const char* state) {
    return Keep(Requests::Instance().Ok(request, state).value_or("gone"));
}
EMSCRIPTEN_KEEPALIVE const char* dulm_help_page(const char* id) { return Keep(HelpPage(id)); }

EMSCRIPTEN_KEEPALIVE int dulm_answer(int request, int result) { return Requests::Instance().Answer(request, result) ? 1 : 0; }

}  // extern "C"

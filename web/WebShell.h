// The browser edition's windows, run for the page by the program's main thread (a worker, so that
// the page's own thread never waits for a view). The page posts commands; the main thread opens
// and closes windows and hands input to their views; the page reads pictures and states directly.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/MainFrame.h"
#include "platform/Palette.h"
#include "platform/Bitmap.h"
#include "platform/DocTemplate.h"
#include "platform/Messages.h"

namespace dulm {
class Scenario;
class ViewHost;
}  // namespace dulm

namespace dulm::web {

class WebUi;

struct Command {
    enum class Kind { Init, Open, OpenLink, Input, Resize, Close, Palette, Print };
    Kind kind = Kind::Input;
    int window = 0;
    unsigned templateId = 0;
    Size size;
    MSG message{};
    bool repeat = false;  // a key press repeated while the key is held
    std::vector<std::string> args;  // a link's render options
};

class Shell {
public:
    static Shell& Instance();

    // The page's thread.
    int NewWindowId();
    void Post(Command command);
    // The window's picture in the page's byte order (R, G, B, A), copied now; null when it has
    // none. The pointer stays valid until the next call for the same window or Forget.
    const std::uint8_t* Frame(int window, Size& size);
    void Forget(int window);
    // The picture Print drew for the page, in the page's byte order, as Frame gives it; null when
    // there is none.
    const std::uint8_t* PrintFrame(int window, Size& size);
    // The window's title, status text, failure, and the state of its menu's commands.
    std::string WindowJson(int window);
    // Export Data: the window's CSV, read only if its view rests in a wait right now (the page
    // never waits for a view); empty otherwise.
    std::string Csv(int window);
    // The texts of its picture, line by line (what Copy Picture puts beside the image).
    std::string Texts(int window);
    // The picture's one-line description for screen readers ("" when its texts say it all).
    std::string Description(int window);
    // What a link needs to open the window's run again: JSON {demo, size, time, dialog: [...]},
    // its canvas, the seed as the link's time and the dialogs' answers in the render tool's form;
    // "" for none.
    std::string LinkJson(int window);
    // Whether the window's view rests: it waits for input (a dialog or message box included) or
    // has finished, and no command the page posted is still to be handled. A window that is
    // gone rests.
    bool Resting(int window);

    // The main thread: handles commands until the program ends.
    [[noreturn]] void Run();

private:
    struct Window;
    std::shared_ptr<Window> Find(int window);
    // The window's canvas, kept alive for reading after the window's lock is let go; null when
    // the window or its view is gone.
    std::shared_ptr<Canvas> CanvasOf(int window);
    void Handle(Command& command);
    void Open(const Command& command);
    void OpenLink(const Command& command);
    void Close(int window);

    std::mutex m_queueMutex;
    std::condition_variable m_queueCv;
    std::deque<Command> m_queue;
    std::atomic<int> m_nextWindow{1};
    std::atomic<int> m_inFlight{0};  // commands posted and not yet handled

    std::mutex m_windowsMutex;
    std::map<int, std::shared_ptr<Window>> m_windows;

    // The main thread's.
    std::unique_ptr<CMainFrame> m_frame;
    std::vector<std::unique_ptr<CMultiDocTemplate>> m_templates;
    std::map<unsigned, int> m_instances;  // windows opened so far per template, for their titles
    const Palette* m_palette = &Palette::Classic();  // every window's, and the next window's

    // The page thread's.
    std::map<int, std::vector<std::uint8_t>> m_frames;
    std::map<int, Bitmap> m_pictures;
};

}  // namespace dulm::web

// Runs one demonstration window: its document and view live on a thread of their own, which
// executes the view's message loop. Closing cancels every wait of that thread, unwinds the run,
// destroys view and document on the thread and only then returns. A run notices closing at its
// next wait, pause, dialog or PeekMessage, so closing returns as soon as the run next does one of
// these; a run that does none of them for a long time keeps its window open that long.
// A failure of the view's thread (any exception but ViewClosed) ends that thread only: the canvas
// says what went wrong, and the other windows go on.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "platform/Dc.h"
#include "platform/DocTemplate.h"
#include "platform/MessageQueue.h"
#include "platform/RunMemory.h"
#include "platform/Ui.h"

namespace dulm {

struct ViewOptions {
    std::string title;                      // the document's title, "Central Limit1"
    Size clientSize{1000, 700};             // the view's client area
    std::vector<unsigned> trackedCommands;  // commands whose update handlers the window reads
    bool logText = false;                   // keep every TextOut for tests
    // Called on the view's thread when the document refuses to open (OnNewDocument failed), so
    // that the window can close itself.
    std::function<void()> onRefused;
    // Called by Close() on the closing thread once the view knows it is closing and before its
    // thread is joined: the window cancels the dialogs and message boxes it shows for the view,
    // which then unwind the run instead of answering it.
    std::function<void()> onClosing = nullptr;
    // Called on the view's thread before the document is created.
    std::function<void()> onThreadStart = nullptr;
    // Called on the view's thread when the canvas was made, drawn on or resized, or when the view
    // failed: at most once until the window calls the canvas's Rearm, so that the window shows
    // every change without looking for one.
    std::function<void()> onCanvasChanged = nullptr;
    // Called on the view's thread when a tracked command's state or the status text changed.
    std::function<void()> onStateChanged = nullptr;
    // A saved run to repeat: its seed and dialog answers (see RunMemory); its dialogs are accepted
    // without showing when answerPrepared is set, otherwise they open filled in.
    RunRecord prepared = {};
    bool answerPrepared = false;
    // The canvas's pixels: the client area in device pixels (a zoomed window, a screen of more
    // pixels per unit), which the view's drawing is mapped onto; one pixel per unit when not given.
    std::optional<Size> deviceSize = std::nullopt;
    const Palette* palette = nullptr;       // the classic colours when not given
    InkRecorder* inkRecorder = nullptr;     // tests: told what every line and text is drawn on
};

// The view's picture drawn again at another device size (a printer's), as RequestPicture asked.
class PictureRequest {
public:
    PictureRequest(Size device, const Palette& palette) : m_device(device), m_palette(palette) {}
    // Waits at most the given time; the picture, or an empty one when the view could not draw it
    // again (it is in the middle of a paint or a run, has one to do, or has ended) or did not
    // answer in time.
    Bitmap Wait(std::chrono::milliseconds timeout);

private:
    friend class ViewHost;
    void Answer(Bitmap picture);

    const Size m_device;
    const Palette& m_palette;
    std::mutex m_mutex;
    std::condition_variable m_answered;
    bool m_done = false;
    Bitmap m_picture;
};

class ViewHost {
public:
    ViewHost(const CMultiDocTemplate& tmpl, Ui& ui, std::unique_ptr<Clock> clock, ViewOptions options);
    ~ViewHost();
    ViewHost(const ViewHost&) = delete;
    ViewHost& operator=(const ViewHost&) = delete;

    // Any thread.
    void Start();
    void Close();
    void Post(const MSG& m) { m_queue.Post(m); }
    // A key pressed or released in the live window (WM_KEYDOWN or WM_KEYUP). A key that answered a
    // dialog or message box is the dialog's: its release, and the repeats of its press, never
    // reach the view. Only the keys whose press the view was given since the view last asked
    // something are passed on when released or repeated.
    void PostKey(const MSG& m, bool repeat = false);
    // The client area's new size, and the device size its pixels now have (none: unchanged). A new
    // device size resamples the picture until the view has drawn it again at that size.
    void Resize(Size client, std::optional<Size> device = std::nullopt);
    // Any thread: the canvas's palette, now and for the canvas made later.
    void SetPalette(const Palette& palette);
    // Any thread: the view's picture drawn again by its OnDraw onto pixels of the given device size,
    // when it rests between paints; the answer comes on the view's thread.
    std::shared_ptr<PictureRequest> RequestPicture(Size device, const Palette& palette);
    MessageQueue& Queue() { return m_queue; }
    Clock& GetClock() { return *m_clock; }
    const CMultiDocTemplate& Template() const { return m_template; }
    const std::string& Title() const { return m_options.title; }
    // The canvas the view draws on; null until the view has mapped its canvas.
    std::shared_ptr<Canvas> GetCanvas() const;
    // The state the update handlers last gave a tracked command.
    struct CommandState {
        bool enabled = false;
        int check = -1;
    };
    CommandState QueryCommand(unsigned id) const;
    // False when the document refused to open (OnNewDocument failed).
    bool Opened() const { return m_opened.load(); }
    // What the window says when its thread failed; empty while it has not.
    std::string Failure() const;
    // What the view last put in the status bar: its keys and progress while a run goes on, empty
    // when nothing runs.
    std::string StatusText() const;
    // The dialog answers and seed of the run so far, to save or run again.
    RunRecord Recorded() const { return m_memory.Recorded(); }

    // Tests, while the view's thread rests.
    CDocument* Document() const { return m_document.get(); }
    CView* View() const { return m_view.get(); }
    const std::vector<TextRecord>& TextLog() const { return m_textLog; }

    // The view's thread.
    void Dispatch(const MSG& m);
    void Invalidate() { m_invalid = true; }
    void SetScaleToFitSize(Size total);
    // Draws on the host's canvas, which outlives every view and Dc of the host.
    Dc MakeDc();
    Ui& GetUi() { return m_ui; }
    // A dialog or message box is opening: the keys down now belong to it (see PostKey).
    void ForgetHeldKeys();
    void SetStatusText(std::string text);
    // The picture's one-line description (Canvas::SetDescription): set and announced only when it
    // differs from the last one, so that a run may say it after every step.
    void Describe(std::string_view line);

private:
    void ThreadMain();
    void ShowFailure(const std::string& text);
    void RunLoop();
    void Paint();
    void DrawPictures();
    void PublishCommandStates();
    int ScaleStep(Size client) const;

    const CMultiDocTemplate& m_template;
    Ui& m_ui;
    std::unique_ptr<Clock> m_clock;
    ViewOptions m_options;
    MessageQueue m_queue;
    RunMemory m_memory;
    std::thread m_thread;
    std::atomic<bool> m_opened{false};

    mutable std::mutex m_canvasMutex;
    std::shared_ptr<Canvas> m_canvas;  // once made, the same canvas for the host's lifetime
    const Palette* m_palette;          // under the canvas lock
    std::string m_failure;
    std::string m_statusText;
    std::map<unsigned, std::atomic<int>> m_commandStates;
    std::mutex m_keysMutex;
    std::vector<unsigned> m_heldKeys;  // virtual keys whose press the view was given
    std::vector<std::shared_ptr<PictureRequest>> m_pictureRequests;  // under the canvas lock

    // Owned by the view's thread.
    std::unique_ptr<CDocument> m_document;
    std::unique_ptr<CView> m_view;
    Size m_clientSize;
    std::optional<Size> m_deviceSize;
    bool m_invalid = false;
    bool m_painting = false;  // OnDraw is running: a run, or a picture drawn again
    std::vector<TextRecord> m_textLog;
    std::string m_description;  // what the canvas was last told
};

// The host of the calling view's thread.
ViewHost& CurrentHost();

// The message calls of a view's thread, as its runs use them.
void WaitMessage();
bool PeekMessage(MSG& m);
void DispatchMessage(const MSG& m);

}  // namespace dulm

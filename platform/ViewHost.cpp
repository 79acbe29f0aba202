#include "platform/ViewHost.h"

#include <algorithm>
#include <cassert>
#include <exception>
#include <new>

#include "platform/Typeface.h"

namespace dulm {

namespace {

thread_local ViewHost* t_host = nullptr;

// Check marks and enabling packed into one atomic: bit 0 enabled, the rest the check mark + 1.
int PackCommandState(const CCmdUI& cmd) { return (cmd.m_bEnabled ? 1 : 0) | ((cmd.m_nCheck + 1) << 1); }

}  // namespace

ViewHost::ViewHost(const CMultiDocTemplate& tmpl, Ui& ui, std::unique_ptr<Clock> clock, ViewOptions options)
    : m_template(tmpl), m_ui(ui), m_clock(std::move(clock)), m_options(std::move(options)), m_queue(*m_clock),
      m_memory(m_options.prepared, m_options.answerPrepared),
      m_palette(m_options.palette ? m_options.palette : &Palette::Classic()), m_clientSize(m_options.clientSize),
      m_deviceSize(m_options.deviceSize) {
    for (unsigned id : m_options.trackedCommands) m_commandStates[id].store(0);
}

ViewHost::~ViewHost() { Close(); }

void ViewHost::Start() { m_thread = std::thread([this] { ThreadMain(); }); }

void ViewHost::Close() {
    if (!m_thread.joinable()) return;
    m_queue.RequestClose();
    if (m_options.onClosing) m_options.onClosing();
    m_thread.join();
}

void ViewHost::PostKey(const MSG& m, bool repeat) {
    const auto vk = static_cast<unsigned>(m.wParam);
    {
        std::lock_guard lock(m_keysMutex);
        const auto held = std::find(m_heldKeys.begin(), m_heldKeys.end(), vk);
        if (m.message == WM_KEYDOWN && !repeat) {
            if (held == m_heldKeys.end()) m_heldKeys.push_back(vk);
        } else if (held == m_heldKeys.end()) {
            return;  // its press went to a dialog or message box
        } else if (m.message == WM_KEYUP) {
            m_heldKeys.erase(held);
        }
    }
    Post(m);
}

void ViewHost::ForgetHeldKeys() {
    std::lock_guard lock(m_keysMutex);
    m_heldKeys.clear();
}

// The device size travels in wParam and lParam; 0 leaves it as it is.
void ViewHost::Resize(Size client, std::optional<Size> device) {
    const Size d = device.value_or(Size{});
    Post(MSG{WM_SIZE, std::uintptr_t(std::max(d.cx, 0)), std::intptr_t(std::max(d.cy, 0)), {client.cx, client.cy}});
}

Bitmap PictureRequest::Wait(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    m_answered.wait_for(lock, timeout, [this] { return m_done; });
    return m_done ? std::move(m_picture) : Bitmap();
}

void PictureRequest::Answer(Bitmap picture) {
    {
        std::lock_guard lock(m_mutex);
        if (m_done) return;
        m_picture = std::move(picture);
        m_done = true;
    }
    m_answered.notify_all();
}

std::shared_ptr<PictureRequest> ViewHost::RequestPicture(Size device, const Palette& palette) {
    auto request = std::make_shared<PictureRequest>(device, palette);
    {
        std::lock_guard lock(m_canvasMutex);
        m_pictureRequests.push_back(request);
    }
    Post(MSG{WM_DRAWPICTURE, 0, 0, {}});
    return request;
}

// A view resting between paints draws its picture again in OnDraw (a resize or an uncovered window
// repaints it so); in the middle of a paint (a run) or with one still to do, it cannot. A view
// whose OnDraw draws over what its canvas shows (Regression waiting for a click) finds the picture
// so far there, enlarged, as after a resize.
void ViewHost::DrawPictures() {
    std::vector<std::shared_ptr<PictureRequest>> requests;
    {
        std::lock_guard lock(m_canvasMutex);
        requests.swap(m_pictureRequests);
    }
    const std::shared_ptr<Canvas> canvas = GetCanvas();
    for (const auto& request : requests) {
        if (m_painting || m_invalid || !canvas || !m_view) {
            request->Answer(Bitmap());
            continue;
        }
        Canvas picture(Size{}, Size{});
        picture.CopyPicture(*canvas);
        picture.SetDeviceSize(request->m_device);
        picture.SetPalette(request->m_palette);
        {
            m_painting = true;
            struct Done {
                bool& painting;
                ~Done() { painting = false; }
            } done{m_painting};
            Dc dc(picture, m_clientSize);
            m_view->OnDraw(dc);
        }
        request->Answer(picture.Snapshot());
    }
}

// The canvas's lock is taken inside the host's, as when the canvas is made, so that the last
// palette chosen is the canvas's whatever the order of the two.
void ViewHost::SetPalette(const Palette& palette) {
    std::lock_guard lock(m_canvasMutex);
    m_palette = &palette;
    if (m_canvas) m_canvas->SetPalette(palette);
}

std::shared_ptr<Canvas> ViewHost::GetCanvas() const {
    std::lock_guard lock(m_canvasMutex);
    return m_canvas;
}

std::string ViewHost::Failure() const {
    std::lock_guard lock(m_canvasMutex);
    return m_failure;
}

std::string ViewHost::StatusText() const {
    std::lock_guard lock(m_canvasMutex);
    return m_statusText;
}

void ViewHost::SetStatusText(std::string text) {
    {
        std::lock_guard lock(m_canvasMutex);
        if (text == m_statusText) return;
        m_statusText = std::move(text);
    }
    if (m_options.onStateChanged) m_options.onStateChanged();
}

void ViewHost::Describe(std::string_view line) {
    if (line == m_description) return;
    const std::shared_ptr<Canvas> canvas = GetCanvas();
    if (!canvas) return;
    m_description = line;
    canvas->SetDescription(m_description);
    canvas->MarkChanged();
}

ViewHost::CommandState ViewHost::QueryCommand(unsigned id) const {
    const auto it = m_commandStates.find(id);
    if (it == m_commandStates.end()) return {};
    const int packed = it->second.load();
    return {(packed & 1) != 0, (packed >> 1) - 1};
}

void ViewHost::ThreadMain() {
    t_host = this;
    SetThreadClock(m_clock.get());
    SetThreadRunMemory(&m_memory);
    std::string failure;
    try {
        if (m_options.onThreadStart) m_options.onThreadStart();
        m_document = m_template.CreateDocument();
        if (m_document->OnNewDocument()) {
            m_opened = true;
            m_document->SetTitle(m_options.title);
            m_view = m_template.CreateView();
            m_view->m_host = this;
            m_view->m_pDocument = m_document.get();
            m_document->AddView(m_view.get());
            m_view->OnInitialUpdate();
            m_invalid = true;  // the first paint
            PublishCommandStates();
            RunLoop();
        } else if (m_options.onRefused) {
            m_options.onRefused();
        }
    } catch (const ViewClosed&) {
        // The window is closing: the run has unwound.
    } catch (const std::bad_alloc&) {
        failure = "This demonstration has stopped: there was not enough memory.";
    } catch (const FontError& e) {
        failure = std::string("This demonstration has stopped: it cannot draw its texts (") + e.what() + ").";
    } catch (const std::exception& e) {
        failure = std::string("This demonstration has stopped after an internal error (") + e.what() + ").";
    }
    // View and document go first, so that what they held is free for the message.
    m_view.reset();
    m_document.reset();
    {
        std::lock_guard lock(m_canvasMutex);
        for (const auto& request : m_pictureRequests) request->Answer(Bitmap());
        m_pictureRequests.clear();
    }
    if (!failure.empty()) ShowFailure(failure);
    SetThreadRunMemory(nullptr);
    SetThreadClock(nullptr);
    t_host = nullptr;
    m_queue.MarkEnded();
}

// The run has unwound; the window keeps showing its canvas with the failure written across it,
// in a box over the middle. Drawing needs memory too: when it fails, the window still has the
// text to show.
void ViewHost::ShowFailure(const std::string& text) {
    {
        std::lock_guard lock(m_canvasMutex);
        m_failure = text;
    }
    const std::shared_ptr<Canvas> canvas = GetCanvas();
    if (!canvas) {
        if (m_options.onCanvasChanged) m_options.onCanvasChanged();
        return;
    }
    try {
        const Size size = canvas->GetSize();
        Dc dc(*canvas, size, m_options.logText ? &m_textLog : nullptr);
        const std::string hint = "Close this window; the other windows go on.";
        const int lineHeight = dc.GetTextMetrics().tmHeight;
        const int top = size.cy / 2 - lineHeight * 2;
        dc.Rectangle(0, top, size.cx, top + lineHeight * 4);
        for (int line = 0; line < 2; ++line) {
            const std::string& s = line == 0 ? text : hint;
            dc.TextOut((size.cx - dc.GetTextExtentPoint(s).cx) / 2, top + lineHeight / 2 + line * lineHeight * 3 / 2, s);
        }
    } catch (const std::exception&) {
        // Out of memory, or no font to write with: the window draws the text itself.
    }
}

// Input first; a repaint when nothing is waiting, as paints come last in the old queue.
void ViewHost::RunLoop() {
    for (;;) {
        MSG m;
        if (m_queue.TakeMessage(m)) {
            Dispatch(m);
        } else if (m_invalid) {
            Paint();
        } else {
            m_queue.WaitMessage();
        }
    }
}

void ViewHost::Paint() {
    m_invalid = false;
    const std::shared_ptr<Canvas> canvas = GetCanvas();
    if (!canvas) return;
    Dc dc(*canvas, m_clientSize, m_options.logText ? &m_textLog : nullptr);
    m_painting = true;
    struct Done {
        bool& painting;
        ~Done() { painting = false; }
    } done{m_painting};
    m_view->OnDraw(dc);
    PublishCommandStates();
}

void ViewHost::Dispatch(const MSG& m) {
    const auto nFlags = static_cast<unsigned>((m.lParam >> 16) & 0xFFFF);
    const auto nRepCnt = static_cast<unsigned>(m.lParam & 0xFFFF);
    const auto nChar = static_cast<unsigned>(m.wParam);
    switch (m.message) {
    case WM_KEYDOWN:
        m_view->OnKeyDown(nChar, nRepCnt, nFlags);
        break;
    case WM_KEYUP:
        m_view->OnKeyUp(nChar, nRepCnt, nFlags);
        break;
    case WM_LBUTTONDOWN:
        m_view->OnLButtonDown(0, m.pt);
        break;
    case WM_RBUTTONDOWN:
        m_view->OnRButtonDown(0, m.pt);
        break;
    case WM_COMMANDHELP:
        if (!m_view->OnCommandHelp()) m_ui.WinHelp(HID_BASE_RESOURCE + m_template.ResourceId());
        break;
    case WM_COMMAND:
        if (!m_view->OnCommand(nChar)) m_document->OnCommand(nChar);
        break;
    case WM_SIZE: {
        const Size client{m.pt.x, m.pt.y};
        if (ScaleStep(client) != ScaleStep(m_clientSize)) Invalidate();
        m_clientSize = client;
        if (m.wParam > 0 && m.lParam > 0) {
            const Size device{int(m.wParam), int(m.lParam)};
            m_deviceSize = device;
            const std::shared_ptr<Canvas> canvas = GetCanvas();
            if (canvas && canvas->DeviceSize() != device) {
                canvas->SetDeviceSize(device);
                Invalidate();
            }
        }
        break;
    }
    case WM_PAINT:
        Invalidate();
        break;
    case WM_DRAWPICTURE:
        DrawPictures();
        break;
    default:
        break;
    }
    PublishCommandStates();
}

// The step of the scaled font that a client size selects; a resize that changes it repaints.
int ViewHost::ScaleStep(Size client) const {
    const std::shared_ptr<Canvas> canvas = GetCanvas();
    if (!canvas || canvas->GetSize().cx <= 0 || canvas->GetSize().cy <= 0) return 0;
    const Size ext = canvas->GetSize();
    return std::min({client.cx * 8 / ext.cx, client.cy * 8 / ext.cy, 7});
}

void ViewHost::PublishCommandStates() {
    bool changed = false;
    for (auto& [id, state] : m_commandStates) {
        CCmdUI cmd{id};
        if (!m_view->OnUpdateCommand(cmd)) m_document->OnUpdateCommand(cmd);
        const int packed = PackCommandState(cmd);
        changed |= state.exchange(packed) != packed;
    }
    if (changed && m_options.onStateChanged) m_options.onStateChanged();
}

void ViewHost::SetScaleToFitSize(Size total) {
    const Size device = m_deviceSize.value_or(total);
    const std::shared_ptr<Canvas> canvas = GetCanvas();
    if (canvas) {
        if (canvas->GetSize() != total || canvas->DeviceSize() != device) canvas->Resize(total, device);
        return;
    }
    auto made = std::make_shared<Canvas>(total, device);
    made->SetAnnouncer(m_options.onCanvasChanged);
    made->SetInkRecorder(m_options.inkRecorder);
    {
        // The palette is set under the host's lock, so that a palette chosen meanwhile reaches
        // either the new canvas here or the canvas it finds.
        std::lock_guard lock(m_canvasMutex);
        made->SetPalette(*m_palette);
        m_canvas = made;
    }
    made->MarkChanged();  // the window shows the new canvas
}

Dc ViewHost::MakeDc() {
    const std::shared_ptr<Canvas> canvas = GetCanvas();
    assert(canvas && "a view draws only after SetScaleToFitSize");
    return Dc(*canvas, m_clientSize, m_options.logText ? &m_textLog : nullptr);
}

ViewHost& CurrentHost() {
    assert(t_host && "called outside a view's thread");
    return *t_host;
}

Ui& CurrentUi() { return CurrentHost().GetUi(); }

int AfxMessageBox(const std::string& text, unsigned type) {
    const unsigned icon = (type & 0xF) == MB_YESNO ? unsigned(MB_ICONEXCLAMATION) : 0u;
    CurrentHost().ForgetHeldKeys();
    return CurrentUi().MessageBox(text, type | icon);
}

void WaitMessage() { CurrentHost().Queue().WaitMessage(); }
bool PeekMessage(MSG& m) { return CurrentHost().Queue().PeekMessage(m); }
void DispatchMessage(const MSG& m) { CurrentHost().Dispatch(m); }

void CDocument::UpdateAllViews(CView* sender) {
    for (CView* view : m_views)
        if (view != sender) view->InvalidateRect();
}

void CView::SetScaleToFitSize(Size total) { m_host->SetScaleToFitSize(total); }
void CView::InvalidateRect() { m_host->Invalidate(); }
void CView::SetStatusText(std::string text) { m_host->SetStatusText(std::move(text)); }
std::string CView::StatusText() const { return m_host->StatusText(); }
void CView::Describe(std::string_view line) { m_host->Describe(line); }
void CView::SetTimer(unsigned id, unsigned intervalMs) { m_host->Queue().SetTimer(id, intervalMs); }
void CView::KillTimer(unsigned id) { m_host->Queue().KillTimer(id); }
Dc CView::GetDC() { return m_host->MakeDc(); }
unsigned CView::TemplateId() const { return m_host->Template().ResourceId(); }

}  // namespace dulm

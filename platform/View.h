// Views: each demonstration's drawing and input handlers, run on the view's own thread.
#pragma once

#include <string>
#include <string_view>

#include "platform/Dc.h"
#include "platform/Document.h"
#include "platform/Gdi.h"

namespace dulm {

class ViewHost;

class CView {
public:
    virtual ~CView() = default;

    CDocument* GetDocument() const { return m_pDocument; }

    virtual void OnInitialUpdate() {}
    virtual void OnDraw(Dc& dc) = 0;
    // Key handlers receive nFlags, the high word of the key's lParam: its low byte is the scan code.
    virtual void OnKeyDown(unsigned /*nChar*/, unsigned /*nRepCnt*/, unsigned /*nFlags*/) {}
    virtual void OnKeyUp(unsigned /*nChar*/, unsigned /*nRepCnt*/, unsigned /*nFlags*/) {}
    // Mouse handlers receive the point in client (device) coordinates.
    virtual void OnLButtonDown(unsigned /*nFlags*/, Point /*point*/) {}
    virtual void OnRButtonDown(unsigned /*nFlags*/, Point /*point*/) {}
    // A help request (F1); false lets the frame open the help at the view's topic.
    virtual bool OnCommandHelp() { return false; }
    virtual bool OnCommand(unsigned /*id*/) { return false; }
    virtual bool OnUpdateCommand(CCmdUI& /*cmdUI*/) { return false; }

    // The status bar's message pane while this view's window is active; empty gives the idle text.
    void SetStatusText(std::string text);
    std::string StatusText() const;
    // One line for screen readers saying what the picture shows that its texts do not ("Histogram
    // of 1000 sample means, tallest bar at 0.05"); empty when the texts say it all. Cheap when the
    // line is unchanged: call it whenever the state it tells may have changed (after a sample, a
    // ball, a paint), never per pixel.
    void Describe(std::string_view line);

protected:
    // Maps the logical canvas of this size onto the whole client area (scale to fit).
    void SetScaleToFitSize(Size total);
    // Queues a repaint of the whole view, without erasing. A repaint asked for while a run is in
    // progress happens when the run has ended.
    void InvalidateRect();
    void SetTimer(unsigned id, unsigned intervalMs);
    void KillTimer(unsigned id);
    // A device context of the client area, for measuring and converting points outside OnDraw.
    Dc GetDC();
    // The template's resource id, the base of the view's help topic.
    unsigned TemplateId() const;

private:
    friend class ViewHost;
    friend class CDocument;
    ViewHost* m_host = nullptr;
    CDocument* m_pDocument = nullptr;
};

using CScrollView = CView;

}  // namespace dulm

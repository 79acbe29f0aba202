// The main frame's drawing resources, borrowed by every view: eight bold Arial fonts, six pens
// and the reference canvas W x H, the frame's client size when it was created.
#pragma once

#include "platform/Gdi.h"

namespace dulm {

class CMainFrame {
public:
    // client: the frame's client area as measured at creation; it is never updated.
    explicit CMainFrame(Size client);

    Font m_font12, m_font14, m_font16, m_font20, m_font24, m_font28, m_font36, m_font48;
    int m_cxClient;  // W
    int m_cyClient;  // H
    Pen m_penRed, m_penGreen, m_penBlue, m_penBlack, m_penGrey, m_penLightGrey;

    Size ReferenceCanvas() const { return {m_cxClient, m_cyClient}; }
};

// The application's main frame, as a view's constructor takes it: the calling thread's own frame
// when it has one, else the application's.
const CMainFrame& AfxGetMainFrame();
void SetAppMainFrame(const CMainFrame* frame);
// The frame of the calling thread only (a headless view's thread), so that windows with frames of
// their own never see each other's.
void SetThreadMainFrame(const CMainFrame* frame);

}  // namespace dulm

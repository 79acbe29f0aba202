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

// The application's main frame, as a view's constructor takes it.
const CMainFrame& AfxGetMainFrame();
void SetAppMainFrame(const CMainFrame* frame);

}  // namespace dulm

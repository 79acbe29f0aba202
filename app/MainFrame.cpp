#include "app/MainFrame.h"

#include <cassert>

namespace dulm {

CMainFrame::CMainFrame(Size client)
    : m_font12(Font::BoldArial(12)), m_font14(Font::BoldArial(14)), m_font16(Font::BoldArial(16)),
      m_font20(Font::BoldArial(20)), m_font24(Font::BoldArial(24)), m_font28(Font::BoldArial(28)),
      m_font36(Font::BoldArial(36)), m_font48(Font::BoldArial(48)), m_cxClient(client.cx), m_cyClient(client.cy),
      m_penRed{kRed}, m_penGreen{kGreen}, m_penBlue{kBlue}, m_penBlack{kBlack}, m_penGrey{kGrey},
      m_penLightGrey{kLightGrey} {}

namespace {
const CMainFrame* g_mainFrame = nullptr;
thread_local const CMainFrame* t_mainFrame = nullptr;
}  // namespace

const CMainFrame& AfxGetMainFrame() {
    const CMainFrame* frame = t_mainFrame ? t_mainFrame : g_mainFrame;
    assert(frame && "the main frame is created before any view");
    return *frame;
}

void SetAppMainFrame(const CMainFrame* frame) { g_mainFrame = frame; }
void SetThreadMainFrame(const CMainFrame* frame) { t_mainFrame = frame; }

}  // namespace dulm

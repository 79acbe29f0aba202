#include "app/ViewConventions.h"

#include <algorithm>

namespace dulm {

int ScaledFontStep(Size viewportExt, Size reference) {
    return std::min(viewportExt.cx * 8 / reference.cx, viewportExt.cy * 8 / reference.cy);
}

const Font& ScaledFont(const CMainFrame& frame, int step) {
    switch (step) {
    case 0: return frame.m_font48;
    case 1: return frame.m_font36;
    case 2: return frame.m_font28;
    case 3: return frame.m_font24;
    case 4: return frame.m_font20;
    case 5: return frame.m_font16;
    case 6: return frame.m_font14;
    default: return frame.m_font12;
    }
}

SelectGuard<Font> SelectScaledFont(Dc& dc, const CMainFrame& frame) {
    return SelectGuard<Font>(dc, ScaledFont(frame, ScaledFontStep(dc.GetViewportExtEx(), frame.ReferenceCanvas())));
}

void PaintGreyBackground(Dc& dc) {
    dc.SetBkColor(kGrey);
    dc.SetBkMode(BkMode::Transparent);
    const SelectGuard<Brush> brush(dc, Brush::Solid(kGrey));
    dc.FloodFill(100, 100, kNeverDrawn);
}

}  // namespace dulm

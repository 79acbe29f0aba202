// What every demonstration view does the same way: the font for the current scale and the grey
// background.
#pragma once

#include "app/MainFrame.h"
#include "platform/Dc.h"

namespace dulm {

// k = min(cx * 8 / W, cy * 8 / H) from the viewport extent; 0 selects the 48-point font and 7 or
// more the 12-point font, so that text keeps a readable size however small the window is.
int ScaledFontStep(Size viewportExt, Size reference);
const Font& ScaledFont(const CMainFrame& frame, int step);

// Selects the scaled font; the previous font comes back when the guard ends.
[[nodiscard]] SelectGuard<Font> SelectScaledFont(Dc& dc, const CMainFrame& frame);

// Grey background colour, transparent text background, and a grey flood fill from (100, 100) up to
// a colour that is never drawn, so that the whole view turns grey.
void PaintGreyBackground(Dc& dc);

}  // namespace dulm

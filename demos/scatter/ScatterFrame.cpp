#include "demos/scatter/ScatterFrame.h"

#include <cstdint>

#include "plot/AxisLabels.h"

namespace dulm {

ScatterFrame::ScatterFrame(Size canvas, int ch_, int cw_)
    : ch(ch_), cw(cw_), Wl(canvas.cx - 1), Hl(canvas.cy - 1), xRow(Hl - ch_),
      box{2 * cw_, 2 * ch_ - ch_ / 2, Wl - cw_, xRow - ch_ / 2} {}

// In 64 bits: a raw point may lie millions of pixels off a tall canvas, and its product with the
// plot's height would pass the range of an int. The result lies no farther out than the raw point.
Point ScatterFrame::Place(int xr, int yr) const {
    return {box.left + static_cast<int>(std::int64_t{xr} * box.Width() / Wl),
            box.top + static_cast<int>(std::int64_t{yr} * box.Height() / Hl)};
}

void DrawAxisNumber(Dc& dc, int x, int y, double value) { DrawNumber(dc, x, y, "%.0f", value); }

void DrawScatterHeading(Dc& dc, const ScatterFrame& f) {
    dc.TextOut(0, 0, "SCATTERPLOT DISTRIBUTION");
    DrawAxisNumber(dc, 2 * f.cw, f.xRow, -5.0);
    DrawAxisNumber(dc, (f.Wl + 2 * f.cw - f.cw) / 2, f.xRow, 0.0);
    DrawAxisNumber(dc, f.Wl - 2 * f.cw, f.xRow, 5.0);
}

}  // namespace dulm

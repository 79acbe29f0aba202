// The box a plot is drawn in, on the reference canvas: left, top, right and the baseline
// (bottom), in logical units.
#pragma once

#include "platform/Gdi.h"

namespace dulm {

struct PlotBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;  // the baseline

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    friend constexpr bool operator==(const PlotBox&, const PlotBox&) = default;
};

// The box of the hypothesis-test pictures and of the sampling histograms on a W x H canvas:
// left 40, top 30, right W - 20, baseline H - 70.
constexpr PlotBox StandardPlotBox(Size canvas) { return {40, 30, canvas.cx - 20, canvas.cy - 70}; }

}  // namespace dulm

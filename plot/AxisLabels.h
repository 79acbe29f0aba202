// The axis labels that the hypothesis-test pictures and the sampling histograms share, on a
// W x H canvas, each drawn with TextOut in the current text colour.
#pragma once

#include <string>
#include <vector>

#include "platform/Dc.h"

namespace dulm {

// A label's text and where its top left corner goes.
struct AxisLabel {
    Point at;
    std::string text;
};

// Draws value formatted with format (one double conversion) at (x, y).
void DrawNumber(Dc& dc, int x, int y, const char* format, double value);

// divisions + 1 values spread evenly under the plot, at y = H - 58: the first "%4.1f" at x = 32,
// value k "%5.2f" at (k (W - 80) + divisions / 2) / divisions + 28 (the middle one at
// (W - 15) / 2 - 4), the last "%4.1f" at W - 48.
void DrawXAxisLabels(Dc& dc, Size canvas, const float* values, int divisions);
std::vector<AxisLabel> XAxisLabels(Size canvas, const float* values, int divisions);

// The top of the y axis at (0, 25) and its half at (0, (H - 50) / 2), both in format.
void DrawYAxisTopAndMiddle(Dc& dc, Size canvas, const char* format, float top);
std::vector<AxisLabel> YAxisTopAndMiddleLabels(Size canvas, const char* format, float top);
// The 0 at the foot of the y axis, "%3.0f" at (0, H - 75).
void DrawYAxisZero(Dc& dc, Size canvas);
AxisLabel YAxisZeroLabel(Size canvas);

}  // namespace dulm

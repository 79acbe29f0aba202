// The frame both scatterplot demonstrations draw in: axes from -5 to 5 both ways, the plot
// rectangle inset by the font's height and character width, and the heading with the x labels.
#pragma once

#include "plot/PlotBox.h"
#include "platform/Dc.h"

namespace dulm {

inline constexpr Colour kScatterBlue = RGB(0, 0, 196);    // heading, axis labels, residual lengths
inline constexpr Colour kScatterGreen = RGB(0, 164, 0);   // r, Syx and err
inline constexpr Colour kScatterLine = RGB(80, 80, 80);   // fitted lines and residuals

// Add 0.5 and truncate toward zero: the program's rounding.
constexpr int Rnd(double v) { return static_cast<int>(v + 0.5); }

struct ScatterFrame {
    // canvas: W x H; ch, cw: the selected font's height and character width.
    ScatterFrame(Size canvas, int ch, int cw);

    // A raw point, in the W x H space without margins, placed in the plot rectangle.
    Point Place(int xr, int yr) const;

    int ch, cw;
    int Wl, Hl;  // W - 1, H - 1
    int xRow;    // the top of the x-axis labels: Hl - ch
    PlotBox box;
};

// "SCATTERPLOT DISTRIBUTION" at the top left and the x labels -5, 0 and 5 along xRow, in the
// current text colour.
void DrawScatterHeading(Dc& dc, const ScatterFrame& f);
// A "%.0f" label.
void DrawAxisNumber(Dc& dc, int x, int y, double value);

}  // namespace dulm

// A density curve drawn with the pixel pen over a plot box: sampled at one point per column (at
// most 1024 columns, whole pixels apart and centred) and scaled to at most 767 units of height.
#pragma once

#include "platform/FunctionRef.h"
#include "plot/PixelLine.h"
#include "plot/PlotBox.h"

namespace dulm {

using DensityFn = FunctionRef<double(float)>;

struct DensityAxes {
    float xmin = 0.0f;
    float xmax = 1.0f;
    float ymin = 0.0f;
    float ymax = 1.0f;
};

// How PlotDensity maps values onto the box, for the pictures that mark points on the curve.
struct DensityScale {
    int nx = 1;        // columns sampled: min(1023, width)
    int stepPx = 1;    // width / nx, whole units between samples
    int xoff = 0;      // (width - stepPx nx) / 2, centring the samples
    int ny = 1;        // min(767, height)
    int yoff = 0;      // the baseline below the top: (height + (height / ny) ny) / 2
    float dx = 1.0f;   // (xmax - xmin) / nx
    float xScale = 1.0f;  // stepPx / dx
    float yScale = 1.0f;  // ny / (ymax - ymin)
    DensityAxes axes;

    static DensityScale For(const PlotBox& box, const DensityAxes& axes);
    // rnd((v - xmin) xScale) + xoff: the column of v, from the box's left edge.
    int XOffset(float v) const;
    // yoff - rnd((density - ymin) yScale): the height of a density value, from the box's top.
    int YOffset(double density) const;
};

enum class DensityMode {
    Outline,  // one line through the samples
    Fill,     // a vertical line from the baseline up to each sample
};

// Draws the density over the box with the pen, starting from the baseline at the left edge of
// the curve area; values outside ymin..ymax are skipped. Returns the y of the last point drawn
// (the baseline when none was).
int PlotDensity(PixelPen& pen, const PlotBox& box, const DensityAxes& axes, DensityFn density, DensityMode mode);

}  // namespace dulm

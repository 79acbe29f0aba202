#include "plot/PlotDensity.h"

#include <algorithm>

namespace dulm {

namespace {

// Adds a half and truncates toward zero.
int Round(float v) { return static_cast<int>(v + 0.5f); }

}  // namespace

DensityScale DensityScale::For(const PlotBox& box, const DensityAxes& axes) {
    const int pw = box.Width();
    const int ph = box.Height();
    DensityScale s;
    s.axes = axes;
    s.nx = std::max(1, std::min(1023, pw));
    s.stepPx = pw / s.nx;
    s.xoff = (pw - s.stepPx * s.nx) / 2;
    s.ny = std::max(1, std::min(767, ph));
    s.yoff = (ph + (ph / s.ny) * s.ny) / 2;
    s.dx = (axes.xmax - axes.xmin) / static_cast<float>(s.nx);
    s.xScale = static_cast<float>(s.stepPx) / s.dx;
    s.yScale = static_cast<float>(s.ny) / (axes.ymax - axes.ymin);
    return s;
}

int DensityScale::XOffset(float v) const { return Round((v - axes.xmin) * xScale) + xoff; }

// The density is a double, but the scales are single precision and so is the product.
int DensityScale::YOffset(double density) const {
    return yoff - Round(static_cast<float>(density - axes.ymin) * yScale);
}

int PlotDensity(PixelPen& pen, const PlotBox& box, const DensityAxes& axes, DensityFn density, DensityMode mode) {
    const DensityScale s = DensityScale::For(box, axes);
    int py = s.yoff;
    pen.MoveTo(box.left + s.xoff, box.top + s.yoff);
    float x = axes.xmin;
    for (int p = s.xoff; p <= s.nx * s.stepPx + s.xoff; p += s.stepPx, x += s.dx) {
        const double v = density(x);
        if (v < axes.ymin || v > axes.ymax) continue;
        py = s.YOffset(v);
        if (mode == DensityMode::Fill) pen.MoveTo(box.left + p, box.top + s.yoff);
        pen.LineTo(box.left + p, box.top + py);
    }
    return box.top + py;
}

}  // namespace dulm

#include "demos/hypothesis/DensityPicture.h"

#include <string>

#include "plot/AxisLabels.h"

namespace dulm {

DensityPicture::DensityPicture(Dc& dc, Size canvas, float xmin, float xmax, float ymax)
    : m_dc(dc),
      m_canvas(canvas),
      m_box(StandardPlotBox(canvas)),
      m_axes{xmin, xmax, 0.0f, ymax},
      m_scale(DensityScale::For(m_box, m_axes)),
      m_pen(dc, {canvas.cx - 1, canvas.cy - 1}) {}

void DensityPicture::DrawLabels(std::string_view name, float centre, float step) const {
    m_dc.TextOut(0, 0, std::string(name) + " Distribution");
    DrawYAxisTopAndMiddle(m_dc, m_canvas, "%.2f", m_axes.ymax);
    DrawYAxisZero(m_dc, m_canvas);
    float values[7];
    for (int k = 0; k < 7; ++k) values[k] = centre + static_cast<float>(k - 3) * step;
    DrawXAxisLabels(m_dc, m_canvas, values, 6);
}

CurveEnds DensityPicture::Plot(DensityFn density, Colour colour) {
    m_pen.SetColour(colour);
    const Point first{m_box.left + m_scale.xoff, Y(density(m_axes.xmin))};
    PlotDensity(m_pen, m_box, m_axes, density, DensityMode::Outline);
    return {first, m_pen.Current()};
}

// On a canvas of at most 1083 x 867 the curve spans the whole box and its zero level is the
// box's baseline; on a larger one it is centred in the box and the closing lines follow it.
void DensityPicture::CloseUnder(const CurveEnds& curve) {
    const int zero = ZeroLevel();
    m_pen.MoveTo(curve.last);
    m_pen.LineTo(curve.last.x, zero);
    m_pen.LineTo(curve.first.x, zero);
    m_pen.LineTo(curve.first);
}

void DensityPicture::FillTail(Point top, Point curveEnd, Colour colour) {
    const int zero = ZeroLevel();
    m_pen.SetColour(colour);
    m_pen.MoveTo(top);
    m_pen.LineTo(top.x, zero);
    m_pen.LineTo(curveEnd.x, zero);
    m_pen.LineTo(curveEnd);
    const int inside = curveEnd.x > top.x ? 5 : -5;
    m_dc.FloodFill(top.x + inside, zero - 5, colour);
}

}  // namespace dulm

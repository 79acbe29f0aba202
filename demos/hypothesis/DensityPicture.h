// What the Alpha and Power pictures share: the sentence of a window whose dialog was cancelled,
// density curves over the standard plot box with their labels, and the tails beyond a critical
// value cut off and filled.
#pragma once

#include <string_view>
#include <vector>

#include "plot/AxisLabels.h"
#include "plot/PlotDensity.h"

namespace dulm {

// The sentence of a window whose dialog was cancelled: it names the command that starts the run.
inline constexpr const char* kIllustrationInstruction =
    "Use 'Start Demo' on the 'Demo' menu to start the illustration.";

// Where a plotted curve starts and ends, on the canvas.
struct CurveEnds {
    Point first;
    Point last;
};

class DensityPicture {
public:
    // The standard plot box of the canvas, x from xmin to xmax and y from 0 to ymax.
    DensityPicture(Dc& dc, Size canvas, float xmin, float xmax, float ymax);

    // "<name> Distribution" at the top left; ymax, its half and 0 up the y axis; seven values
    // under the plot, xmin to xmax in steps of a sixth.
    void DrawLabels(std::string_view name, float centre, float step);

    // Which way a text moves off one drawn before it that it would overlap.
    enum class Away { Right, Down };
    // Writes a text at its place when it fits there; else the nearest place inside the canvas
    // and clear of the texts this picture wrote before it (as far as the canvas has room): a
    // small window's larger font keeps every text whole and apart.
    void PutText(Point at, std::string_view text, Away away);
    // Writes a row of labels left to right: each at its place when the row fits there; else each
    // moved right clear of what was written before it, and then the row pulled back inside the
    // canvas from its right end, each label keeping clear of the one after it.
    void PutRow(const std::vector<AxisLabel>& labels);

    // The curve in outline, in colour, from its zero level at the left edge of the curve area.
    CurveEnds Plot(DensityFn density, Colour colour);
    // Closes the area under a curve: down from its last point to the zero level, along it to
    // the first column and up to the first point.
    void CloseUnder(const CurveEnds& curve);
    // Cuts the tail of a curve off at top, a point of the curve: a line down to the zero level,
    // along it to the curve's end on that side and up to the end; then fills the tail with the
    // selected brush from 5 units inside the corner, up to the colour of the lines.
    void FillTail(Point top, Point curveEnd, Colour colour);

    // The canvas column of x and the canvas row of a density value.
    int X(float x) const { return m_box.left + m_scale.XOffset(x); }
    int Y(double density) const { return m_box.top + m_scale.YOffset(density); }
    int ZeroLevel() const { return m_box.top + m_scale.yoff; }

private:
    static bool Overlap(const Rect& a, const Rect& b);
    // The rectangle moved, as little as it takes, inside the canvas.
    Rect Inside(Rect r) const;
    // Where PutText writes the text.
    Rect Place(Point at, std::string_view text, Away away) const;
    void Write(const Rect& r, std::string_view text);
    // Where PutRow writes the labels.
    std::vector<Rect> RowBoxes(const std::vector<AxisLabel>& labels) const;

    Dc& m_dc;
    Size m_canvas;
    PlotBox m_box;
    DensityAxes m_axes;
    DensityScale m_scale;
    PixelPen m_pen;
    std::vector<Rect> m_texts;  // where the texts written so far lie
};

}  // namespace dulm

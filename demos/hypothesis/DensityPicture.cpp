#include "demos/hypothesis/DensityPicture.h"

#include <algorithm>
#include <string>


namespace dulm {

DensityPicture::DensityPicture(Dc& dc, Size canvas, float xmin, float xmax, float ymax)
    : m_dc(dc),
      m_canvas(canvas),
      m_box(StandardPlotBox(canvas)),
      m_axes{xmin, xmax, 0.0f, ymax},
      m_scale(DensityScale::For(m_box, m_axes)),
      m_pen(dc, {canvas.cx - 1, canvas.cy - 1}) {}

void DensityPicture::DrawLabels(std::string_view name, float centre, float step) {
    PutText({0, 0}, std::string(name) + " Distribution", Away::Right);
    for (const AxisLabel& label : YAxisTopAndMiddleLabels(m_canvas, "%.2f", m_axes.ymax))
        PutText(label.at, label.text, Away::Down);
    float values[7];
    for (int k = 0; k < 7; ++k) values[k] = centre + static_cast<float>(k - 3) * step;
    const std::vector<AxisLabel> row = XAxisLabels(m_canvas, values, 6);
    // The row is placed first, so that the y axis's 0, which stands just above its left end,
    // moves up out of its way where a small window's larger font makes them meet.
    const std::vector<Rect> boxes = RowBoxes(row);
    const AxisLabel zero = YAxisZeroLabel(m_canvas);
    const Rect at = Place(zero.at, zero.text, Away::Down);
    Rect r = at;
    for (const Rect& box : boxes)
        if (Overlap(r, box)) {
            const int top = std::max(0, box.top - (at.bottom - at.top));
            r = {r.left, top, r.right, top + (at.bottom - at.top)};
        }
    // A canvas too small for any room keeps it where it was rather than on the label above.
    if (std::any_of(m_texts.begin(), m_texts.end(), [&](const Rect& t) { return Overlap(r, t); })) r = at;
    Write(r, zero.text);
    for (size_t k = 0; k < boxes.size(); ++k) Write(boxes[k], row[k].text);
}

void DensityPicture::PutRow(const std::vector<AxisLabel>& labels) {
    const std::vector<Rect> boxes = RowBoxes(labels);
    for (size_t k = 0; k < boxes.size(); ++k) Write(boxes[k], labels[k].text);
}

bool DensityPicture::Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

Rect DensityPicture::Inside(Rect r) const {
    const int dx = std::max(0, std::min(r.left, m_canvas.cx - (r.right - r.left))) - r.left;
    const int dy = std::max(0, std::min(r.top, m_canvas.cy - (r.bottom - r.top))) - r.top;
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

void DensityPicture::Write(const Rect& r, std::string_view text) {
    m_dc.TextOut(r.left, r.top, text);
    m_texts.push_back(r);
}

std::vector<Rect> DensityPicture::RowBoxes(const std::vector<AxisLabel>& labels) const {
    // A little room between two labels side by side, less when the row would not fit with it.
    std::vector<Size> extents;
    int width = 0;
    for (const AxisLabel& label : labels) {
        extents.push_back(m_dc.GetTextExtentPoint(label.text));
        width += extents.back().cx;
    }
    int gap = extents.empty() ? 0 : extents[0].cy / 4;
    if (labels.size() > 1) gap = std::max(0, std::min(gap, (m_canvas.cx - width) / int(labels.size() - 1)));
    std::vector<Rect> boxes;
    for (size_t k = 0; k < labels.size(); ++k) {
        const Size extent = extents[k];
        const int left = std::max(0, labels[k].at.x);
        const int top = std::max(0, std::min(labels[k].at.y, m_canvas.cy - extent.cy));
        Rect r{left, top, left + extent.cx, top + extent.cy};
        // Past every text written before it, and every label of the row before it, it overlaps.
        const std::vector<Rect>* const written[] = {&m_texts, &boxes};
        for (bool moved = true; moved;) {
            moved = false;
            for (const std::vector<Rect>* texts : written)
                for (const Rect& t : *texts)
                    if (Overlap(r, t)) {
                        r = {t.right + gap, r.top, t.right + gap + extent.cx, r.bottom};
                        moved = true;
                    }
        }
        boxes.push_back(r);
    }
    // Back inside from the right: the last label to the canvas's edge, each other one clear of
    // the label after it; none further left than the canvas's own edge.
    int limit = m_canvas.cx;
    for (auto it = boxes.rbegin(); it != boxes.rend(); ++it) {
        const int shift = std::min(std::max(0, it->right - limit), it->left);
        it->left -= shift;
        it->right -= shift;
        limit = it->left - gap;
    }
    return boxes;
}

void DensityPicture::PutText(Point at, std::string_view text, Away away) { Write(Place(at, text, away), text); }

Rect DensityPicture::Place(Point at, std::string_view text, Away away) const {
    const Size extent = m_dc.GetTextExtentPoint(text);
    Rect r = Inside({at.x, at.y, at.x + extent.cx, at.y + extent.cy});
    const auto overlapped = [&]() -> const Rect* {
        for (const Rect& t : m_texts)
            if (Overlap(r, t)) return &t;
        return nullptr;
    };
    // Each move passes one text written before; the canvas's edge ends the search.
    for (size_t moves = 0; moves <= m_texts.size(); ++moves) {
        const Rect* other = overlapped();
        if (!other) break;
        const int gap = extent.cy / 4;  // a little room between two texts side by side
        const Rect moved = away == Away::Right
                               ? Rect{other->right + gap, r.top, other->right + gap + extent.cx, r.bottom}
                               : Rect{r.left, other->bottom, r.right, other->bottom + extent.cy};
        if (moved.right > m_canvas.cx || moved.bottom > m_canvas.cy) break;
        r = moved;
    }
    return r;
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

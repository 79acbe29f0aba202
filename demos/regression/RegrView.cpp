#include "demos/regression/RegrView.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "app/DemoData.h"
#include "app/ViewConventions.h"
#include "platform/Keys.h"
#include "plot/AxisLabels.h"
#include "plot/ClippedLine.h"

namespace dulm {

namespace {

// The points from left to right: a, b, c, d, e.
constexpr std::array<size_t, kRegrPoints> kLeftToRight = {4, 2, 0, 1, 3};

// How far from the origin a raw coordinate of the fitted line or of a residual may lie. A steep
// line's ends lie millions of pixels off the canvas; this is farther than any canvas reaches, so
// nothing cut there would have shown, and near enough that the rounding to pixels, the line's
// arithmetic and a residual's length printed at its middle all stay in range.
constexpr double kReach = 1 << 24;

ScaledPoint WithinReach(ScaledPoint p) {
    return {std::clamp(p.u, -kReach, kReach), std::clamp(p.v, -kReach, kReach)};
}

// Cuts the segment a-z to the part within reach in both coordinates (Liang and Barsky's clip).
// Ends within reach stay exactly as they are. False when no part is within reach; the ends are
// then only moved within reach.
bool CutToReach(ScaledPoint& a, ScaledPoint& z) {
    const auto within = [](ScaledPoint p) { return std::fabs(p.u) <= kReach && std::fabs(p.v) <= kReach; };
    if (within(a) && within(z)) return true;
    const double du = z.u - a.u;
    const double dv = z.v - a.v;
    double t0 = 0.0;
    double t1 = 1.0;
    const auto keep = [&](double p, double q) {  // the parameters t with p t <= q
        if (p == 0.0) return q >= 0.0;
        if (p < 0.0) t0 = std::max(t0, q / p);
        else t1 = std::min(t1, q / p);
        return t0 <= t1;
    };
    const bool reaches = keep(-du, a.u + kReach) && keep(du, kReach - a.u) && keep(-dv, a.v + kReach) &&
                         keep(dv, kReach - a.v);
    if (reaches) {
        const ScaledPoint start = a;
        a = {start.u + t0 * du, start.v + t0 * dv};
        z = {start.u + t1 * du, start.v + t1 * dv};
    }
    a = WithinReach(a);  // also what rounding left a hair beyond
    z = WithinReach(z);
    return reaches;
}

}  // namespace

CRegrDoc& CRegrView::Doc() const { return static_cast<CRegrDoc&>(*GetDocument()); }

// A click left of the centroid (or on it) moves the left end, one right of it the right end.
// The first click of a game marks its end at once; every later one shows the line again.
void CRegrView::OnLButtonDown(unsigned /*nFlags*/, Point point) {
    if (m_bStopped || !m_frame) return;
    Dc dc = GetDC();
    PlaceEnd(dc, dc.DPtoLP(point));
}

void CRegrView::PlaceEnd(Dc& dc, Point p) {
    const bool right = p.x > m_centroidX;
    (right ? m_right : m_left) = p;
    (right ? m_rightData : m_leftData) = DataOf(p);
    ++m_clicks;
    if (m_bWaiting) {
        m_bWaiting = 0;
        DrawChosenEnd(dc, p);
        DescribeGame();
    } else {
        GetDocument()->UpdateAllViews();
    }
}

// The arrow keys move the cross a hundredth of the plot (a tenth of a unit) a step, within the
// plot; the first one shows it on the centroid. Enter places an end at the cross (OnKeyUp).
void CRegrView::OnKeyDown(unsigned nChar, unsigned /*nRepCnt*/, unsigned /*nFlags*/) {
    if (m_bStopped || !m_frame) return;
    const std::optional<ArrowStep> arrow = ArrowOfKey(nChar);
    if (!arrow) return;
    const PlotBox box = m_frame->box;
    if (!m_cross) {
        m_cross = m_centroid;
    } else {
        const int stepX = std::max(1, box.Width() / 100), stepY = std::max(1, box.Height() / 100);
        m_cross = Point{std::clamp(m_cross->x + arrow->dx * stepX, box.left, box.right),
                        std::clamp(m_cross->y + arrow->dy * stepY, box.top, box.bottom)};
    }
    m_bCrossMoved = true;
    InvalidateRect();
}

void CRegrView::DrawCross(Dc& dc, Point p) const {
    const SelectGuard<Pen> pen(dc, m_pFrame->m_penBlack);
    constexpr int kGap = 3, kArm = 14;
    dc.MoveTo(p.x - kArm, p.y);
    dc.LineTo(p.x - kGap, p.y);
    dc.MoveTo(p.x + kGap + 1, p.y);
    dc.LineTo(p.x + kArm + 1, p.y);
    dc.MoveTo(p.x, p.y - kArm);
    dc.LineTo(p.x, p.y - kGap);
    dc.MoveTo(p.x, p.y + kGap + 1);
    dc.LineTo(p.x, p.y + kArm + 1);
}

void CRegrView::DrawChosenEnd(Dc& dc, Point p) const {
    const SelectGuard<Pen> pen(dc, m_penLine);
    dc.MoveTo(p.x - 3, p.y);
    dc.LineTo(p.x + 4, p.y);
    dc.MoveTo(p.x, p.y - 3);
    dc.LineTo(p.x, p.y + 4);
}

// Esc ends the game: the least-squares line replaces the user's. Enter places an end at the
// keyboard's cross, once it shows.
void CRegrView::OnKeyUp(unsigned nChar, unsigned /*nRepCnt*/, unsigned nFlags) {
    if (m_bStopped) return;
    if (IsEnterKey(nChar) && m_cross && m_frame) {
        Dc dc = GetDC();
        PlaceEnd(dc, *m_cross);
        return;
    }
    if (!IsEscScan(nFlags)) return;
    m_bStopped = 1;
    m_bRepeatUpdate = 1;
    m_bWaiting = 0;
    GetDocument()->UpdateAllViews();
}

// F1 opens the help as usual; the paint after the help window closes starts from a fresh scatterplot.
bool CRegrView::OnCommandHelp() {
    m_bHelpPressed = 1;
    return false;
}

void CRegrView::OnDraw(Dc& dc) {
    SetStatusText(m_bStopped ? ""
                             : "Click, or arrow keys and Enter: your line's ends left and right of the red "
                               "centroid; Esc shows the least-squares line");
    if (m_bCrossMoved) {
        m_bCrossMoved = false;
        Doc().m_bFresh = 1;
    }
    DrawGame(dc);
    if (m_cross && !m_bStopped && m_frame) DrawCross(dc, *m_cross);
    DescribeGame();
}

void CRegrView::DrawGame(Dc& dc) {
    CRegrDoc& doc = Doc();
    if (m_bHelpPressed) {
        m_bHelpPressed = 0;
        doc.m_bFresh = 1;
    }
    if (doc.m_bFresh) {
        const SelectGuard<Brush> brush(dc, m_brushBackground);
        dc.FloodFill(100, 100, kNeverDrawn);
    }
    dc.SetBkColor(kGrey);
    dc.SetBkMode(BkMode::Transparent);
    const auto font = SelectScaledFont(dc, *m_pFrame);
    const TextMetrics tm = dc.GetTextMetrics();
    m_frame.emplace(ReferenceCanvas(), tm.tmHeight, tm.tmAveCharWidth);
    m_xScale = m_frame->Wl * 0.1;
    m_yScale = m_frame->xRow * 0.1;

    if (doc.m_bFresh) {
        DrawScatter(dc);
        doc.m_bFresh = 0;
    }
    // A repaint while waiting for the first click leaves the scatterplot as it is.
    if (m_bWaiting) return;
    if (m_bStopped) doc.m_bUserLine = 0;

    if (doc.m_bUserLine && m_clicks == 1) {  // a repaint before the second click
        DrawScatter(dc);
        DrawChosenEnd(dc, m_leftData ? m_left : m_right);
        return;
    }
    if (doc.m_bUserLine) {
        const ScaledPoint left = m_leftData.value_or(DataOf({0, 0}));
        const ScaledPoint right = m_rightData.value_or(DataOf({0, 0}));
        const double xL = left.u, yL = left.v, xR = right.u, yR = right.v;
        m_x0 = xL;
        m_y0 = yL;
        // Ends (nearly) one above the other get a steep line instead of a division by almost nothing.
        m_slope = xR - xL < 0.01 ? 100.0 : (yR - yL) / (xR - xL);
        DrawScatter(dc);
        DrawFittedLine(dc);
        return;
    }

    DrawScatter(dc);
    m_slope = doc.m_sdY * m_r / doc.m_sdX;
    m_x0 = 0.0;
    m_y0 = doc.m_meanY;
    DrawFittedLine(dc);
    DrawPointList(dc);
    if (m_bRepeatUpdate) {
        doc.UpdateAllViews();
        m_bRepeatUpdate = 0;
    }
}

ScaledPoint CRegrView::Scaled(double x, double y) const { return {(x + 5.0) * m_xScale, (y + 5.0) * m_yScale}; }

Point CRegrView::RawOf(ScaledPoint s) const { return {Rnd(s.u), m_frame->xRow - Rnd(s.v)}; }

ScaledPoint CRegrView::DataOf(Point p) const {
    ScaledPoint data;
    ToData(p, data.u, data.v);
    return data;
}

void CRegrView::ToData(Point p, double& x, double& y) const {
    const ScatterFrame& f = *m_frame;
    const double rawX = double(p.x - f.box.left) * f.Wl / f.box.Width();
    const double rawY = double(p.y - f.box.top) * f.Hl / f.box.Height();
    x = rawX / m_xScale - 5.0;
    y = (f.xRow - rawY) / m_yScale - 5.0;
}

void CRegrView::DrawScatter(Dc& dc) {
    const CRegrDoc& doc = Doc();
    const ScatterFrame& f = *m_frame;
    {
        const SelectGuard<Brush> brush(dc, m_brushBackground);
        dc.FloodFill(100, 100, kNeverDrawn);
    }
    dc.SetTextColor(kScatterBlue);
    DrawScatterHeading(dc, f);
    DrawAxisNumber(dc, 0, 2 * f.ch - f.ch, 5.0);
    DrawAxisNumber(dc, 0, (f.xRow + 2 * f.ch) / 2 - f.ch, 0.0);
    DrawAxisNumber(dc, 0, f.xRow - f.ch / 2, -5.0);

    dc.SetTextColor(kBlack);
    double sum = 0.0;
    for (size_t i = 0; i < kRegrPoints; ++i) {
        PlotLetter(dc, doc.m_x[i], doc.m_y[i], doc.m_letters[i]);
        sum += doc.m_x[i] * doc.m_y[i];
    }
    // The x values have mean 0: Pearson's r, and the least-squares line's mean squared residual.
    dc.SetTextColor(kScatterBlue);
    m_r = sum / 5.0 / (doc.m_sdX * doc.m_sdY);
    m_syx = (1.0 - m_r * m_r) * doc.m_sdY * doc.m_sdY;

    // A small red square around the centroid (0, mean of y).
    const Point raw = Raw(0.0, doc.m_meanY);
    const Point c = f.Place(raw.x, raw.y);
    const SelectGuard<Pen> pen(dc, m_penMarker);
    dc.MoveTo(c.x + 1, c.y + 1);
    dc.LineTo(c.x - 1, c.y + 1);
    dc.LineTo(c.x - 1, c.y - 1);
    dc.LineTo(c.x + 1, c.y - 1);
    dc.LineTo(c.x + 1, c.y + 1);
    m_centroidX = c.x;
    m_centroid = c;
}

void CRegrView::PlotLetter(Dc& dc, double x, double y, char letter) {
    if (x > 5.0 || x < -5.0 || y > 5.0 || y < -5.0) return;
    const Point raw = Raw(x, y);
    const Point p = m_frame->Place(raw.x, raw.y);
    dc.TextOut(p.x - m_frame->cw / 2, p.y - m_frame->ch / 2, std::string_view(&letter, 1));
}

// Cut at y = -4.9 and 4.9 when steeper than 1, otherwise at x = -4.9 and 4.9 (falling lines
// included, whose ends may then lie beyond the frame, far beyond it on a tall canvas). Only
// what falls on the canvas is walked; a residual's far end and its length stop within reach.
void CRegrView::DrawFittedLine(Dc& dc) {
    const CRegrDoc& doc = Doc();
    const ScatterFrame& f = *m_frame;
    const double b = m_slope;
    auto lineY = [&](double x) { return (x - m_x0) * b + m_y0; };
    ScaledPoint a;
    ScaledPoint z;
    if (b > 1.0) {
        a = Scaled((-4.9 - m_y0) / b + m_x0, -4.9);
        z = Scaled((4.9 - m_y0) / b + m_x0, 4.9);
    } else {
        a = Scaled(-4.9, lineY(-4.9));
        z = Scaled(4.9, lineY(4.9));
    }
    const bool reaches = CutToReach(a, z);
    m_err = 0.0;
    for (size_t i = 0; i < kRegrPoints; ++i) {
        const double d = lineY(doc.m_x[i]) - doc.m_y[i];
        m_err += d * d / 5.0;
    }

    {
        const SelectGuard<Pen> pen(dc, m_penLine);
        const Point rawFrom = RawOf(a), rawTo = RawOf(z);
        m_lineFrom = f.Place(rawFrom.x, rawFrom.y);
        m_lineTo = f.Place(rawTo.x, rawTo.y);
        if (reaches) LineWithin(dc, m_lineFrom, m_lineTo, {0, 0, f.Wl + 1, f.Hl + 1});
        // Each point's residual, with its length beside the middle of the segment.
        for (size_t i = 0; i < kRegrPoints; ++i) {
            const double fitted = lineY(doc.m_x[i]);
            const Point point = Raw(doc.m_x[i], doc.m_y[i]);
            const int yrLine = RawOf(WithinReach(Scaled(doc.m_x[i], fitted))).y;
            dc.MoveTo(f.Place(point.x, point.y));
            dc.LineTo(f.Place(point.x, yrLine));
            char text[32];
            std::snprintf(text, sizeof text, "%.3f", std::fabs(fitted - doc.m_y[i]));
            DrawResidualLabel(dc, f.Place(point.x, (yrLine + point.y) / 2), text);
        }
    }

    dc.SetTextColor(kScatterGreen);
    DrawNumber(dc, f.Wl / 2 - 3 * f.cw, 3 * f.ch / 4, "Syx = %.7f", m_syx);
    DrawNumber(dc, f.Wl / 2 - 3 * f.cw, 11 * f.ch / 4, "err = %.7f", m_err);
    dc.SetTextColor(kBlack);
}

// The label's box is moved just above or below the red square (the side of the label's middle)
// when it would overlap it.
void CRegrView::DrawResidualLabel(Dc& dc, Point mid, const char* text) const {
    const int ch = m_frame->ch;
    const Size extent = dc.GetTextExtentPoint(text);
    int top = mid.y - ch / 2;
    const Rect marker{m_centroid.x - 1, m_centroid.y - 1, m_centroid.x + 2, m_centroid.y + 2};
    const bool covers = mid.x < marker.right && marker.left < mid.x + extent.cx && top < marker.bottom &&
                        marker.top < top + extent.cy;
    if (covers) top = mid.y <= m_centroid.y ? marker.top - extent.cy : marker.bottom;
    dc.TextOut(mid.x, top, text);
}

void CRegrView::DescribeGame() {
    if (!m_frame) return;
    const CRegrDoc& doc = Doc();
    std::string line = "Points";
    char text[96];
    for (size_t i = 0; i < kRegrPoints; ++i) {
        const size_t j = kLeftToRight[i];
        std::snprintf(text, sizeof text, "%s %c (%g, %.2f)", i == 0 ? "" : ",", doc.m_letters[j], doc.m_x[j], doc.m_y[j]);
        line += text;
    }
    std::snprintf(text, sizeof text, "; centroid (0, %.2f)", doc.m_meanY);
    line += text;
    // A value that shows as zero at one decimal is said as 0.0, never -0.0.
    const auto tenth = [](double v) { return std::abs(v) < 0.05 ? 0.0 : v; };
    const auto at = [&](const char* what, Point p) {
        const ScaledPoint d = DataOf(p);
        std::snprintf(text, sizeof text, "; %s at (%.1f, %.1f)", what, tenth(d.u), tenth(d.v));
        line += text;
    };
    if (m_bStopped) {
        std::snprintf(text, sizeof text, "; least-squares line through the centroid, slope %.2f", m_slope);
        line += text;
    } else if (m_clicks == 1 && !m_bWaiting) {
        at("your line's first end", m_leftData ? m_left : m_right);
    } else if (m_clicks > 1) {
        const ScaledPoint left = m_leftData.value_or(DataOf({0, 0}));
        std::snprintf(text, sizeof text, "; your line through (%.1f, %.1f), slope %.2f", tenth(left.u), tenth(left.v),
                      m_slope);
        line += text;
    }
    if (m_cross && !m_bStopped) at("keyboard cross", *m_cross);
    Describe(line);
}

// "a = (-2, 0.123)" and so on, left to right.
void CRegrView::DrawPointList(Dc& dc) {
    const CRegrDoc& doc = Doc();
    const ScatterFrame& f = *m_frame;
    const int step = (f.xRow - 4 * f.ch - 2 * f.ch) / 8;
    for (int i = 0; i < kRegrPoints; ++i) {
        const size_t j = kLeftToRight[size_t(i)];
        char text[48];
        std::snprintf(text, sizeof text, "%c = (%hd, %.3f)", doc.m_letters[j], static_cast<short>(i - 2), doc.m_y[j]);
        dc.TextOut(4 * f.cw, 2 * f.ch + i * step, text);
    }
}

void CRegrView::ExportData(DemoData& data) const {
    const CRegrDoc& doc = Doc();
    double sum = 0.0;  // as the scatterplot works r out: the x values have mean 0
    for (size_t i = 0; i < kRegrPoints; ++i) sum += doc.m_x[i] * doc.m_y[i];
    const double r = sum / 5.0 / (doc.m_sdX * doc.m_sdY);
    data.Parameter("r", DemoData::Number(r));
    data.Parameter("Syx", DemoData::Number((1.0 - r * r) * doc.m_sdY * doc.m_sdY));
    data.Table({"Point", "x", "y"});
    std::array<size_t, kRegrPoints> order{0, 1, 2, 3, 4};
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return doc.m_x[a] < doc.m_x[b]; });
    for (size_t i : order)
        data.Row({std::string(1, doc.m_letters[i]), DemoData::Number(doc.m_x[i]), DemoData::Number(doc.m_y[i])});
    // A line of this slope through (x0, y0), with err, its mean squared residual, as drawn.
    data.Table({"Line", "Slope", "Intercept", "err"});
    const auto line = [&](const char* name, double slope, double x0, double y0) {
        double err = 0.0;
        for (size_t i = 0; i < kRegrPoints; ++i) {
            const double d = (doc.m_x[i] - x0) * slope + y0 - doc.m_y[i];
            err += d * d / 5.0;
        }
        data.Row({name, DemoData::Number(slope), DemoData::Number(y0 - slope * x0), DemoData::Number(err)});
    };
    if (!m_bWaiting && m_frame) {
        double xL = 0.0, yL = 0.0, xR = 0.0, yR = 0.0;
        ToData(m_left, xL, yL);
        ToData(m_right, xR, yR);
        line("Your line", xR - xL < 0.01 ? 100.0 : (yR - yL) / (xR - xL), xL, yL);
    }
    line("Least squares", doc.m_sdY * r / doc.m_sdX, 0.0, doc.m_meanY);
}

}  // namespace dulm

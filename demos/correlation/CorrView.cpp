#include "demos/correlation/CorrView.h"

#include <cstdio>

#include "app/DemoData.h"
#include "app/ViewConventions.h"
#include "demos/correlation/PairsDlg.h"
#include "platform/Keys.h"
#include "plot/AxisLabels.h"

namespace dulm {

CCorrDoc& CCorrView::Doc() const { return static_cast<CCorrDoc&>(*GetDocument()); }

void CCorrView::OnRButtonDown(unsigned /*nFlags*/, Point /*point*/) { AskPairs(); }

void CCorrView::AskPairs() {
    CCorrDoc& doc = Doc();
    if (doc.m_nPairs != 0) return;  // an interchange is under way
    CPairsDlg dlg;
    if (dlg.DoModal() == IDOK) {
        doc.m_nPairs = static_cast<std::int16_t>(dlg.m_nPairs);
        InterchangePairs(doc);
    }
    EndInterchange();
}

// Digits 1 to 9, on the top row or the keypad, interchange that many pairs; "0" interchanges ten.
// Enter asks how many, as a right click does.
void CCorrView::OnKeyUp(unsigned nChar, unsigned /*nRepCnt*/, unsigned nFlags) {
    if (IsEnterKey(nChar)) {
        AskPairs();
        return;
    }
    CCorrDoc& doc = Doc();
    if (const std::optional<int> digit = DigitOfKey(nChar, nFlags))
        doc.m_nPairs = static_cast<std::int16_t>(*digit == 0 ? 10 : *digit);
    InterchangePairs(doc);
    EndInterchange();
}

void CCorrView::EndInterchange() {
    CCorrDoc& doc = Doc();
    if (doc.m_nPairs == 0) return;
    doc.m_nPairs = 0;
    doc.UpdateAllViews();
}

void CCorrView::OnDraw(Dc& dc) {
    const CCorrDoc& doc = Doc();
    SetStatusText("Right click or Enter: interchange pairs of points; 1-9: interchange that many at once, 0: ten");
    dc.SetBkColor(kGrey);
    dc.SetBkMode(BkMode::Transparent);
    {
        const SelectGuard<Brush> brush(dc, m_brushBackground);
        dc.FloodFill(100, 100, kNeverDrawn);
    }
    const auto font = SelectScaledFont(dc, *m_pFrame);
    const TextMetrics tm = dc.GetTextMetrics();
    m_frame.emplace(ReferenceCanvas(), tm.tmHeight, tm.tmMaxCharWidth);
    const ScatterFrame& f = *m_frame;
    m_xScale = static_cast<float>(f.Wl) / 10.0f;
    m_yScale = static_cast<float>(f.Hl - f.ch) / 10.0f;

    dc.SetTextColor(kScatterBlue);
    DrawLabels(dc);

    // Every point counts in the sum of products, drawn or not.
    dc.SetTextColor(kBlack);
    float sum = 0.0f;
    for (size_t i = 0; i < kCorrPoints; ++i) {
        PlotSymbol(dc, doc.m_x[i], doc.m_y[i], doc.m_bLetters ? doc.m_letters[i] : 'o');
        sum += doc.m_x[i] * doc.m_y[i];
    }
    // The values are centred: this is Pearson's r, and the least-squares line passes through 0.
    m_r = sum / 26.0f / (doc.m_sdX * doc.m_sdY);
    m_slope = m_r * doc.m_sdY / doc.m_sdX;
    DrawFittedLine(dc);

    dc.SetTextColor(kScatterGreen);
    DrawNumber(dc, f.Wl / 2 - 3 * f.cw, 3 * f.ch / 4, "r = %.2f", m_r);

    char line[128];
    std::snprintf(line, sizeof line, "Scatterplot of 26 points shown as %s, least-squares line through 0 of slope %.2f",
                  doc.m_bLetters ? "letters" : "circles", static_cast<double>(m_slope));
    Describe(line);
}

void CCorrView::DrawLabels(Dc& dc) {
    const ScatterFrame& f = *m_frame;
    DrawScatterHeading(dc, f);
    DrawAxisNumber(dc, 0, 2 * f.ch - f.ch / 2, 5.0);
    DrawAxisNumber(dc, 0, (f.xRow + 2 * f.ch - f.ch) / 2, 0.0);
    DrawAxisNumber(dc, 0, f.xRow - f.ch / 2, -5.0);
}

void CCorrView::PlotSymbol(Dc& dc, float x, float y, char symbol) {
    if (x > 5.0f || x < -5.0f || y > 5.0f || y < -5.0f) return;
    const ScatterFrame& f = *m_frame;
    const int xr = Rnd((x + 5.0f) * m_xScale) - 1;
    const int yr = (f.Hl - f.ch) - Rnd((y + 5.0f) * m_yScale) - 1;
    const Point p = f.Place(xr, yr);
    dc.MoveTo(p);
    dc.TextOut(p.x, p.y - f.ch / 2, std::string_view(&symbol, 1));
}

// Cut at y = -4.9 and 4.9 when steeper than 1, otherwise at x = -4.9 and 4.9 (falling lines
// included, whose ends may then lie beyond the frame).
void CCorrView::DrawFittedLine(Dc& dc) {
    const ScatterFrame& f = *m_frame;
    constexpr float kCut = 4.9f;
    const int top = f.Hl - f.ch;
    Point a;
    Point b;
    if (m_slope > 1.0f) {
        a = {Rnd((-kCut / m_slope + 5.0f) * m_xScale), top - Rnd((-kCut + 5.0f) * m_yScale)};
        b = {Rnd((kCut / m_slope + 5.0f) * m_xScale), top - Rnd((kCut + 5.0f) * m_yScale)};
    } else {
        a = {Rnd((-kCut + 5.0f) * m_xScale), top - Rnd((-kCut * m_slope + 5.0f) * m_yScale)};
        b = {Rnd((kCut + 5.0f) * m_xScale), top - Rnd((kCut * m_slope + 5.0f) * m_yScale)};
    }
    const SelectGuard<Pen> pen(dc, m_penLine);
    dc.MoveTo(f.Place(a.x, a.y));
    dc.LineTo(f.Place(b.x, b.y));
}

void CCorrView::ExportData(DemoData& data) const {
    const CCorrDoc& doc = Doc();
    float sum = 0.0f;  // as the paint works r out: the values are centred
    for (size_t i = 0; i < kCorrPoints; ++i) sum += doc.m_x[i] * doc.m_y[i];
    data.Parameter("r", DemoData::Number(sum / 26.0f / (doc.m_sdX * doc.m_sdY)));
    data.Table({"Point", "x", "y"});
    for (size_t i = 0; i < kCorrPoints; ++i)
        data.Row({std::string(1, doc.m_letters[i]), DemoData::Number(doc.m_x[i]), DemoData::Number(doc.m_y[i])});
}

}  // namespace dulm

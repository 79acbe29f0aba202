// The Correlation demonstration: the 26 points, the least-squares line and r. A right click or
// Enter asks how many pairs to interchange, a digit key interchanges that many at once ("0" ten).
#pragma once

#include <optional>

#include "app/DemoView.h"
#include "demos/correlation/CorrDoc.h"
#include "demos/scatter/ScatterFrame.h"

namespace dulm {

class CCorrView : public CDemoView {
public:
    void OnDraw(Dc& dc) override;
    void OnRButtonDown(unsigned nFlags, Point point) override;
    void OnKeyUp(unsigned nChar, unsigned nRepCnt, unsigned nFlags) override;
    // The 26 pairs with their letters, and r.
    void ExportData(DemoData& data) const override;

    // What the last paint showed.
    float R() const { return m_r; }
    float Slope() const { return m_slope; }

private:
    CCorrDoc& Doc() const;
    // The pairs dialog, unless an interchange is under way; "OK" interchanges that many.
    void AskPairs();
    // The end of an interchange: the pairs are cleared and every view of the document redrawn.
    void EndInterchange();
    void DrawLabels(Dc& dc);
    // The symbol to the right of the point (x, y), centred on it vertically; nothing outside -5 to 5.
    void PlotSymbol(Dc& dc, float x, float y, char symbol);
    void DrawFittedLine(Dc& dc);

    // The view's own pen and brush, kept as long as the view.
    const Pen m_penLine{kScatterLine, 0};
    const Brush m_brushBackground = Brush::Solid(kGrey);

    // Recomputed by every paint.
    std::optional<ScatterFrame> m_frame;
    float m_xScale = 1.0f;
    float m_yScale = 1.0f;
    float m_r = 0.0f;
    float m_slope = 0.0f;
};

}  // namespace dulm

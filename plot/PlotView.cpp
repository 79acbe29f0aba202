#include "plot/PlotView.h"

#include <algorithm>

#include "platform/ViewHost.h"

namespace dulm {

HistogramBins::HistogramBins(int records, std::int16_t frameWidth, std::int16_t frameHeight)
    : m_array(static_cast<HistogramBin*>(std::calloc(static_cast<size_t>(records), sizeof(HistogramBin)))),
      m_records(records), m_frameWidth(frameWidth), m_frameHeight(frameHeight) {}

float IntegrateMidpoint(float a, float b, float h, CurveFn fn) {
    float sum = 0.0f;
    float x = a + h / 2.0f;
    const float end = b - h / 2.0f;
    while (x <= end) {
        sum = static_cast<float>(sum + fn(x) * h);
        x = x + h;
    }
    const float r = x - h / 2.0f;  // the left edge of the first step not taken
    const float rest = b - r;
    if (rest > 0.0f) sum = static_cast<float>(sum + fn(r + rest / 2.0f) * rest);
    return sum;
}

// One plotted column per logical unit of the frame's width and one row per unit of its height,
// when nx and ny are at least the frame's size.
struct CPlotView::Grid {
    int columns;
    int columnStep;
    int xOffset;
    int rows;
    int rowStep;
    int baseline;  // offset from m_top
};

CPlotView::Grid CPlotView::MakeGrid(std::int16_t nx, std::int16_t ny) const {
    Grid g{};
    // A frame without width or height has one column or row, so that nothing divides by zero.
    g.columns = std::max(1, std::min(nx - 1, int(m_width)));
    g.columnStep = m_width / g.columns;
    g.xOffset = (m_width - g.columnStep * g.columns) / 2;
    g.rows = std::max(1, std::min(ny - 1, int(m_height)));
    g.rowStep = m_height / g.rows;
    g.baseline = (m_height + g.rowStep * g.rows) / 2;
    return g;
}

void CPlotView::OnInitialUpdate() { SetScaleToFitSize({100, 100}); }

void CPlotView::OnDraw(Dc& /*dc*/) {}

void CPlotView::SetPlotRect(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom) {
    m_left = left;
    m_top = top;
    m_right = right;
    m_bottom = bottom;
    m_width = static_cast<std::int16_t>(right - left);
    m_height = static_cast<std::int16_t>(bottom - top);
}

void CPlotView::PlotCurve(Dc& dc, Colour colour, std::int16_t nx, std::int16_t ny, float xmin, float xmax,
                          float ymin, float ymax, CurveFn fn, bool filled) {
    const Grid g = MakeGrid(nx, ny);
    const float dx = (xmax - xmin) / static_cast<float>(g.columns);
    const float yScale = static_cast<float>(g.rows) / (ymax - ymin);
    float x = xmin;
    for (int c = 0; c <= g.columns; ++c, x += dx) {
        const double v = fn(x);
        if (v > ymax || v < ymin) continue;
        const int y = g.baseline - static_cast<int>((v - ymin) * yScale + 0.5);
        const int px = m_left + g.xOffset + c * g.columnStep;
        if (filled) {
            dc.MoveTo(px, m_top + g.baseline);
            dc.LineTo(px, m_top + y);
        } else {
            dc.SetPixel(px, m_top + y, colour);
        }
    }
}

HistogramBins CPlotView::AnimateHistogram(Dc& dc, std::int16_t nx, std::int16_t ny, float xmin, float xmax,
                                          float ymin, float ymax, std::int32_t count, SampleFn sampleFn,
                                          float& done) {
    const Grid g = MakeGrid(nx, ny);
    HistogramBins bins(g.columns + 1, m_width, m_height);
    if (!bins) return bins;
    for (int k = 0; k <= g.columns; ++k) {
        bins[k].x = static_cast<std::int16_t>(g.xOffset + k * g.columnStep);
        bins[k].top = static_cast<std::int16_t>(g.baseline);
    }

    const float dx = (xmax - xmin) / static_cast<float>(g.columns);
    const float dy = (ymax - ymin) / static_cast<float>(g.rows);
    const float lo = xmin - dx / 2.0f;
    const float hi = xmax + dx / 2.0f;
    const float yBase = ymin - dy / 2.0f;
    const float yLimit = ymax + dy / 2.0f;

    std::int32_t binned = 0;
    float v = 0.0f;
    while (binned < count) {
        v = sampleFn();
        if (v == kAbortValue) break;
        if (v < lo || v > hi) continue;  // dropped: neither counted nor drawn
        const int k = static_cast<int>((v - lo) / dx);
        if (k > g.columns) continue;
        HistogramBin& bin = bins[k];
        bin.count += 1.0f;
        if (bin.count > yLimit) break;  // the column passed the top: the value is not counted
        ++binned;
        const int newTop = g.baseline - static_cast<int>((bin.count - yBase) / dy) * g.rowStep;
        if (newTop >= bin.top) continue;
        dc.MoveTo(m_left + bin.x, m_top + bin.top);
        bin.top = static_cast<std::int16_t>(newTop);
        dc.LineTo(m_left + bin.x, m_top + newTop);
        // The queue is looked at only when a bar grows, so a run without pauses costs no more
        // than its sampling; an Esc released at any other moment goes unnoticed here.
        MSG m;
        if (PeekMessage(m)) {
            const bool esc = m.message == WM_KEYUP && ScanCodeOf(m) == 1;
            DispatchMessage(m);
            if (esc) break;
        }
    }
    done = v == kAbortValue ? kAbortValue : static_cast<float>(binned);
    return bins;
}

void CPlotView::RedrawStoredHistogram(Dc& dc, const HistogramBins& bins) {
    const int last = std::min(int(m_width), bins.Records() - 1);
    for (int k = 0; k <= last; ++k) {
        dc.MoveTo(m_left + bins[k].x, m_bottom);
        dc.LineTo(m_left + bins[k].x, m_top + bins[k].top);
    }
}

void CPlotView::RedrawStretchedHistogram(Dc& dc, const HistogramBins& bins) {
    const double w = m_width;
    const double h = m_height;
    const double w0 = bins.FrameWidth() > 0 ? bins.FrameWidth() : 1;
    const double h0 = bins.FrameHeight() > 0 ? bins.FrameHeight() : 1;
    for (int k = 0; k < bins.Records(); ++k) {
        if (bins[k].count == 0.0f) continue;
        const int x = static_cast<int>(bins[k].x * w / w0) + m_left;
        const int y = static_cast<int>(bins[k].top * h / h0) + m_top;
        dc.MoveTo(x, m_bottom);
        dc.LineTo(x, y);
    }
}

HistogramBins RequireBins(HistogramBins bins, int& finished) {
    if (!bins) {
        finished = 1;
        std::abort();
    }
    return bins;
}

}  // namespace dulm

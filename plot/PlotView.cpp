#include "plot/PlotView.h"

#include "app/DemoData.h"

#include <algorithm>
#include <atomic>
#include <cstdio>

#include "platform/Clock.h"
#include "platform/Keys.h"
#include "platform/ViewHost.h"

namespace dulm {

namespace {

std::atomic<int> g_injectedFailures{0};

HistogramBin* AllocateBins(int records) {
    int left = g_injectedFailures.load();
    while (left > 0)
        if (g_injectedFailures.compare_exchange_weak(left, left - 1)) return nullptr;
    return static_cast<HistogramBin*>(std::calloc(static_cast<size_t>(records), sizeof(HistogramBin)));
}

}  // namespace

HistogramBins::HistogramBins(int records, std::int16_t frameWidth, std::int16_t frameHeight)
    : m_array(AllocateBins(records)), m_records(records), m_frameWidth(frameWidth), m_frameHeight(frameHeight) {}

void HistogramBins::InjectAllocationFailures(int n) { g_injectedFailures.store(n); }

void CPlotView::ReportNoMemory(Dc& dc) { dc.TextOut(100, 100, "Not enough memory for the histogram."); }

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
    int baseline;  // offset from m_box.top
};

CPlotView::Grid CPlotView::MakeGrid(std::int16_t nx, std::int16_t ny) const {
    Grid g{};
    // A frame without width or height has one column or row, so that nothing divides by zero.
    const int width = Width16();
    const int height = Height16();
    g.columns = std::max(1, std::min(nx - 1, width));
    g.columnStep = width / g.columns;
    g.xOffset = (width - g.columnStep * g.columns) / 2;
    g.rows = std::max(1, std::min(ny - 1, height));
    g.rowStep = height / g.rows;
    g.baseline = (height + g.rowStep * g.rows) / 2;
    return g;
}

namespace {

constexpr long kDescribeEveryMs = 250;

}  // namespace

std::string HistogramDescription(const char* of, long count, float tallestAt) {
    if (count == 0) return std::string("Empty histogram of ") + of;
    char text[160];
    std::snprintf(text, sizeof text, "Histogram of %ld %s, tallest bar at %.3g", count, of, double(tallestAt));
    return text;
}

void CPlotView::OnInitialUpdate() { SetScaleToFitSize({100, 100}); }

void CPlotView::OnDraw(Dc& /*dc*/) {}

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
        const int px = m_box.left + g.xOffset + c * g.columnStep;
        if (filled) {
            dc.MoveTo(px, m_box.top + g.baseline);
            dc.LineTo(px, m_box.top + y);
        } else {
            dc.SetPixel(px, m_box.top + y, colour);
        }
    }
}

HistogramBins CPlotView::AnimateHistogram(Dc& dc, std::int16_t nx, std::int16_t ny, float xmin, float xmax,
                                          float ymin, float ymax, std::int32_t count, SampleFn sampleFn,
                                          float& done) {
    const Grid g = MakeGrid(nx, ny);
    HistogramBins bins(g.columns + 1, Width16(), Height16());
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
    bins.SetColumns(lo, dx);
    struct Growing {
        const HistogramBins*& growing;
        ~Growing() { growing = nullptr; }
    } growing{m_growing = &bins};

    // The description follows the bars: said again when one grows, at most every quarter second
    // (a run without pauses grows a bar with almost every value), and at the end.
    int tallest = 0;
    long describedAt = clock();
    const auto describe = [&](std::int32_t n) {
        Describe(HistogramDescription(HistogramOf(), n, bins.Lower(tallest) + dx / 2.0f));
    };
    describe(0);

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
        if (bin.count > bins[tallest].count || (bin.count == bins[tallest].count && k < tallest)) tallest = k;
        const int newTop = g.baseline - static_cast<int>((bin.count - yBase) / dy) * g.rowStep;
        if (newTop >= bin.top) continue;
        dc.MoveTo(m_box.left + bin.x, m_box.top + bin.top);
        bin.top = static_cast<std::int16_t>(newTop);
        dc.LineTo(m_box.left + bin.x, m_box.top + newTop);
        if (const long now = clock(); now - describedAt >= kDescribeEveryMs) {
            describe(binned);
            describedAt = now;
        }
        // The queue is looked at only when a bar grows, so a run without pauses costs no more
        // than its sampling; an Esc released at any other moment goes unnoticed here.
        MSG m;
        if (PeekMessage(m)) {
            const bool esc = IsEscRelease(m);
            DispatchMessage(m);
            if (esc) break;
        }
    }
    done = v == kAbortValue ? kAbortValue : static_cast<float>(binned);
    describe(binned);
    return bins;
}

float CPlotView::ExportHistogram(DemoData& data, const HistogramBins& finished, const char* statistic) const {
    const HistogramBins& bins = m_growing ? *m_growing : finished;
    if (bins.Records() == 0) return 0.0f;
    data.Table({statistic, "From", "To", "Count"});
    const float half = bins.ColumnWidth() / 2.0f;
    float total = 0.0f;
    // From the first column that counted a value to the last; none before any did.
    int first = 0, last = bins.Records() - 1;
    while (first <= last && bins[first].count == 0.0f) ++first;
    while (last >= first && bins[last].count == 0.0f) --last;
    for (int k = first; k <= last; ++k) {
        data.Row({DemoData::Number(bins.Lower(k) + half), DemoData::Number(bins.Lower(k)),
                  DemoData::Number(bins.Lower(k + 1)), DemoData::Number(bins[k].count)});
        total += bins[k].count;
    }
    return total;
}

void CPlotView::DescribeHistogram(const HistogramBins& bins) {
    int tallest = 0;
    float total = 0.0f;
    for (int k = 0; k < bins.Records(); ++k) {
        total += bins[k].count;
        if (bins[k].count > bins[tallest].count) tallest = k;
    }
    Describe(HistogramDescription(HistogramOf(), static_cast<long>(total),
                                  bins.Lower(tallest) + bins.ColumnWidth() / 2.0f));
}

void CPlotView::RedrawStoredHistogram(Dc& dc, const HistogramBins& bins) {
    DescribeHistogram(bins);
    const int last = std::min(int(Width16()), bins.Records() - 1);
    for (int k = 0; k <= last; ++k) {
        dc.MoveTo(m_box.left + bins[k].x, m_box.bottom);
        dc.LineTo(m_box.left + bins[k].x, m_box.top + bins[k].top);
    }
}

void CPlotView::RedrawStretchedHistogram(Dc& dc, const HistogramBins& bins) {
    DescribeHistogram(bins);
    const double w = Width16();
    const double h = Height16();
    const double w0 = bins.FrameWidth() > 0 ? bins.FrameWidth() : 1;
    const double h0 = bins.FrameHeight() > 0 ? bins.FrameHeight() : 1;
    for (int k = 0; k < bins.Records(); ++k) {
        if (bins[k].count == 0.0f) continue;
        const int x = static_cast<int>(bins[k].x * w / w0) + m_box.left;
        const int y = static_cast<int>(bins[k].top * h / h0) + m_box.top;
        dc.MoveTo(x, m_box.bottom);
        dc.LineTo(x, y);
    }
}

}  // namespace dulm

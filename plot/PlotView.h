// The base of the sampling views: a plot frame on the reference canvas, curves plotted over it,
// and the animated histogram that grows one bar per value drawn from a sample function.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/DemoView.h"
#include "platform/Dc.h"
#include "platform/FunctionRef.h"
#include "plot/PlotBox.h"

namespace dulm {

// A sample function returns this to stop a run; AnimateHistogram then reports it instead of a count.
inline constexpr float kAbortValue = -12345.67f;

// One column of an animated histogram.
struct HistogramBin {
    std::int16_t x;      // column position, offset from the frame's left edge
    float count;         // values counted in the column
    std::int16_t top;    // y of the bar's top, offset from the frame's top; starts at the baseline
};

// The bins of one run, allocated zeroed with calloc and released with free, together with the
// number of records and the frame they were built in, so that a redraw visits only this run's
// columns and can stretch them to another frame.
class HistogramBins {
public:
    HistogramBins() = default;
    // Allocates `records` zeroed bins; empty when memory is exhausted.
    HistogramBins(int records, std::int16_t frameWidth, std::int16_t frameHeight);
    // Tests: the next n allocations fail, as when memory is exhausted.
    static void InjectAllocationFailures(int n);

    explicit operator bool() const { return m_array != nullptr; }
    void reset() { m_array.reset(); }
    HistogramBin& operator[](int k) { return m_array[k]; }
    const HistogramBin& operator[](int k) const { return m_array[k]; }
    int Records() const { return m_array ? m_records : 0; }
    std::int16_t FrameWidth() const { return m_frameWidth; }
    std::int16_t FrameHeight() const { return m_frameHeight; }
    // The values column k counted: from Lower(k) up to Lower(k + 1); its centre is Lower(k) + width / 2.
    void SetColumns(float lower, float width) {
        m_lower = lower;
        m_width = width;
    }
    float Lower(int k) const { return m_lower + static_cast<float>(k) * m_width; }
    float ColumnWidth() const { return m_width; }

private:
    struct FreeDeleter {
        void operator()(HistogramBin* p) const { std::free(p); }
    };
    std::unique_ptr<HistogramBin[], FreeDeleter> m_array;
    int m_records = 0;
    std::int16_t m_frameWidth = 0;
    std::int16_t m_frameHeight = 0;
    float m_lower = 0.0f;
    float m_width = 0.0f;
};

// The one-line description of a histogram: "Histogram of 1000 sample means, tallest bar at 0.05"
// (the tallest column's centre, the leftmost of equals, to three significant digits), or "Empty
// histogram of sample means" before it counts any.
std::string HistogramDescription(const char* of, long count, float tallestAt);

using CurveFn = FunctionRef<double(float)>;
using SampleFn = FunctionRef<float()>;

// The integral of fn over [a, b] by the midpoint rule with step h, in single precision: whole
// steps first, then one partial step up to b.
float IntegrateMidpoint(float a, float b, float h, CurveFn fn);

class CPlotView : public CDemoView {
public:
    CPlotView() = default;
    explicit CPlotView(DemoStartup startup) : CDemoView(startup) {}

    void OnInitialUpdate() override;
    void OnDraw(Dc& dc) override;

    void SetPlotRect(const PlotBox& box) { m_box = box; }
    const PlotBox& Box() const { return m_box; }

    // Plots y = fn(x) for x from xmin to xmax over the frame, whose height stands for ymin to
    // ymax: filled, a stroke in the selected pen from the baseline up to the curve per column;
    // otherwise one pixel of the colour per column. Values outside [ymin, ymax] leave their
    // column empty.
    void PlotCurve(Dc& dc, Colour colour, std::int16_t nx, std::int16_t ny, float xmin, float xmax, float ymin,
                   float ymax, CurveFn fn, bool filled);

    // Draws values from sampleFn and grows the bar of each value's column in the selected pen,
    // until count values have been binned, a column passes ymax plus half a row, Esc is released
    // while a bar grows, or sampleFn returns kAbortValue. done receives the values binned, or
    // kAbortValue. Empty bins (and done untouched) when memory is exhausted.
    HistogramBins AnimateHistogram(Dc& dc, std::int16_t nx, std::int16_t ny, float xmin, float xmax, float ymin,
                                   float ymax, std::int32_t count, SampleFn sampleFn, float& done);

    // A finished run's bars exactly where the run left them, empty columns included.
    void RedrawStoredHistogram(Dc& dc, const HistogramBins& bins);
    // A finished run's non-empty bars stretched from the frame they were built in to this one.
    void RedrawStretchedHistogram(Dc& dc, const HistogramBins& bins);

    // Export Data: the histogram a run is growing, or else the finished one given, as a table
    // of its columns (the statistic's name heads the centre column); nothing without either.
    // Returns the values counted.
    float ExportHistogram(DemoData& data, const HistogramBins& finished, const char* statistic) const;

protected:
    // Says in the window that the run found no memory for its histogram.
    static void ReportNoMemory(Dc& dc);
    // What the histogram counts, in the plural, for the picture's description ("sample means").
    virtual const char* HistogramOf() const { return "values"; }
    // The picture's description from a histogram's bins (see HistogramDescription).
    void DescribeHistogram(const HistogramBins& bins);

private:
    // The frame's width and height as 16-bit values, as the histogram records keep them.
    std::int16_t Width16() const { return static_cast<std::int16_t>(m_box.Width()); }
    std::int16_t Height16() const { return static_cast<std::int16_t>(m_box.Height()); }

    PlotBox m_box;
    const HistogramBins* m_growing = nullptr;  // while AnimateHistogram runs

    struct Grid;
    Grid MakeGrid(std::int16_t nx, std::int16_t ny) const;
};

}  // namespace dulm

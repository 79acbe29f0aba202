// The base of the sampling views: a plot frame on the reference canvas, curves plotted over it,
// and the animated histogram that grows one bar per value drawn from a sample function.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "plot/FunctionRef.h"
#include "platform/Dc.h"
#include "platform/View.h"

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

    explicit operator bool() const { return m_array != nullptr; }
    void reset() { m_array.reset(); }
    HistogramBin& operator[](int k) { return m_array[k]; }
    const HistogramBin& operator[](int k) const { return m_array[k]; }
    int Records() const { return m_array ? m_records : 0; }
    std::int16_t FrameWidth() const { return m_frameWidth; }
    std::int16_t FrameHeight() const { return m_frameHeight; }

private:
    struct FreeDeleter {
        void operator()(HistogramBin* p) const { std::free(p); }
    };
    std::unique_ptr<HistogramBin[], FreeDeleter> m_array;
    int m_records = 0;
    std::int16_t m_frameWidth = 0;
    std::int16_t m_frameHeight = 0;
};

// A run's bins; when memory was exhausted the document is marked finished and the program ends,
// as the framework's abort routine ended it.
HistogramBins RequireBins(HistogramBins bins, int& finished);

using CurveFn = FunctionRef<double(float)>;
using SampleFn = FunctionRef<float()>;

// The integral of fn over [a, b] by the midpoint rule with step h, in single precision: whole
// steps first, then one partial step up to b.
float IntegrateMidpoint(float a, float b, float h, CurveFn fn);

class CPlotView : public CScrollView {
public:
    void OnInitialUpdate() override;
    void OnDraw(Dc& dc) override;

    void SetPlotRect(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom);

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

    std::int16_t Left() const { return m_left; }
    std::int16_t Top() const { return m_top; }
    std::int16_t Right() const { return m_right; }
    std::int16_t Bottom() const { return m_bottom; }

protected:
    std::int16_t m_left = 0;
    std::int16_t m_right = 0;
    std::int16_t m_top = 0;
    std::int16_t m_bottom = 0;
    std::int16_t m_width = 0;
    std::int16_t m_height = 0;

private:
    struct Grid;
    Grid MakeGrid(std::int16_t nx, std::int16_t ny) const;
};

}  // namespace dulm

// What the sampling views share beyond the plot and the start-up protocol: the abort flag of a
// run, the help request that aborts a paused run, the timed pause, the per-sample line with its
// pause, and the expected-count curve.
#pragma once

#include <functional>
#include <string_view>

#include "app/MainFrame.h"
#include "plot/AxisLabels.h"
#include "plot/PlotView.h"
#include "plot/SampleLine.h"
#include "plot/SamplePacing.h"

namespace dulm {

inline constexpr float kRootTwoPi = 2.50662827f;  // sqrt(2 pi) in single precision

// The normal density of sample means: exp(-(t - mean)^2 / twoVarN) / rootTwoPiSE, where twoVarN
// is twice the variance of the means and rootTwoPiSE is sqrt(2 pi) times their standard error.
std::function<double(float)> NormalDensityOfMeans(float mean, double twoVarN, float rootTwoPiSE);

class CSamplingView : public CPlotView {
public:
    CSamplingView();
    // The number of values expected in the column centred at x, under the curve plotted last.
    double ExpectedCount(float x) const;

    // Maps the reference canvas onto the window; painting enabled, no abort pending.
    void OnInitialUpdate() override;
    // Aborts a paused run; the frame still opens the demonstration's help topic.
    bool OnCommandHelp() override;

protected:

    // Columns of the expected-count curve over a range this wide: half a column is integrated
    // around each dot, in steps of a fifth of that.
    void SetCurveColumns(float width, float columns);
    // Dots of scale times the integral of density over the column around each x, on the plot
    // frame whose height stands for 0 to ymax.
    void PlotExpectedCounts(Dc& dc, Colour colour, std::int16_t nx, std::int16_t ny, float xmin, float xmax,
                            float ymax, std::function<double(float)> density, float scale);
    float m_fHalfWidth = 0.0f;
    float m_fStep = 0.0f;

    // Waits ms on timer 1, dispatching every message, with painting held off until the timer fires.
    void TimedPause(unsigned ms);
    // The pause after a sample: a key press in single-step mode, the delay otherwise.
    void PauseAfterSample(SamplePacing& pacing);
    // Shows a sample's line centred under the plot for the pause after the sample, then erases it.
    void PresentSample(Dc& dc, std::string_view text, SamplePacing& pacing);

    // A help request during the run; kept per view so that two windows run side by side.
    int m_bAbort = 0;
    // Where the per-sample line goes: centred on half this sum, at this y.
    int m_textCentreSum = 0;
    int m_textLineY = 0;

private:
    SampleLine m_sampleLine;
    std::function<double(float)> m_curve;
    float m_fCurveScale = 0.0f;
};

}  // namespace dulm

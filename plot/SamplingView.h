// What the sampling views share beyond the plot: the main frame they borrow from, the paint and
// abort flags of a run, the opening of every paint (the start instruction, the parameter dialog
// on the first paint), "&Start Demo" and its update rule, the help request that aborts a paused
// run, the timed pause, and the per-sample line with its pause.
#pragma once

#include <functional>
#include <string_view>

#include "app/MainFrame.h"
#include "plot/PlotView.h"
#include "plot/SampleLine.h"
#include "plot/SamplePacing.h"

namespace dulm {

inline constexpr float kRootTwoPi = 2.50662827f;  // sqrt(2 pi) in single precision

// The normal density of sample means: exp(-(t - mean)^2 / twoVarN) / rootTwoPiSE, where twoVarN
// is twice the variance of the means and rootTwoPiSE is sqrt(2 pi) times their standard error.
std::function<double(float)> NormalDensityOfMeans(float mean, double twoVarN, float rootTwoPiSE);

inline constexpr const char* kStartInstruction = "Use 'Start Demo' on the Demo menu to start the demonstration.";

// The two document fields the opening of a paint reads and writes.
struct DemoFlags {
    int& declined;  // the parameter dialog was cancelled: the start instruction is shown
    int& chosen;    // parameters accepted: paints run or redraw the demonstration
};

class CSamplingView : public CPlotView {
public:
    CSamplingView();
    // The number of values expected in the column centred at x, under the curve plotted last.
    double ExpectedCount(float x) const;

    // Maps the reference canvas onto the window; painting enabled, no abort pending.
    void OnInitialUpdate() override;
    // Aborts a paused run; the frame still opens the demonstration's help topic.
    bool OnCommandHelp() override;
    bool OnCommand(unsigned id) override;
    bool OnUpdateCommand(CCmdUI& cmdUI) override;

protected:
    static void DrawNumber(Dc& dc, int x, int y, const char* format, double value);

    // Columns of the expected-count curve over a range this wide: half a column is integrated
    // around each dot, in steps of a fifth of that.
    void SetCurveColumns(float width, float columns);
    // Dots of scale times the integral of density over the column around each x, on the plot
    // frame whose height stands for 0 to ymax.
    void PlotExpectedCounts(Dc& dc, Colour colour, std::int16_t nx, std::int16_t ny, float xmin, float xmax,
                            float ymax, std::function<double(float)> density, float scale);
    float m_fHalfWidth = 0.0f;
    float m_fStep = 0.0f;

    virtual DemoFlags Flags() = 0;
    // Shows the parameter dialog; on "OK" copies the parameters into the document and returns true.
    virtual bool ChooseParameters() = 0;

    // The start of every paint: background, then the start instruction or the parameter dialog.
    // True when the parameters are chosen and the paint goes on to run or redraw; the text colour
    // is then the label colour.
    bool OpenPaint(Dc& dc);
    // "&Start Demo": the parameter dialog, unless parameters were chosen already.
    void OnStartDemo();
    // Enabled exactly while the opening dialog was declined.
    void OnUpdateStartDemo(CCmdUI& cmdUI);

    // Waits ms on timer 1, dispatching every message, with painting disabled until the timer fires.
    void TimedPause(unsigned ms);
    // The pause after a sample: a key press in single-step mode, the delay otherwise.
    void PauseAfterSample(SamplePacing& pacing);
    // Shows a sample's line centred under the plot for the pause after the sample, then erases it.
    void PresentSample(Dc& dc, std::string_view text, SamplePacing& pacing);

    std::int16_t W() const { return static_cast<std::int16_t>(m_pFrame->m_cxClient); }
    std::int16_t H() const { return static_cast<std::int16_t>(m_pFrame->m_cyClient); }

    const CMainFrame* m_pFrame;
    // The run's flags, kept per view so that two windows can run side by side.
    int s_bPaintEnabled = 1;  // OnDraw draws only while set
    int s_bAbort = 0;         // a help request during the run
    // Where the per-sample line goes: centred on half this sum, at this y.
    int m_textCentreSum = 0;
    int m_textLineY = 0;

private:
    SampleLine m_sampleLine;
    std::function<double(float)> m_curve;
    float m_fCurveScale = 0.0f;
};

}  // namespace dulm

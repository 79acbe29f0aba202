#include "plot/SamplingView.h"

#include <cmath>
#include <cstdio>

#include "app/ViewConventions.h"
#include "platform/ViewHost.h"
#include "res/Resources.h"

namespace dulm {

namespace {

constexpr unsigned kPauseTimer = 1;

}  // namespace

std::function<double(float)> NormalDensityOfMeans(float mean, double twoVarN, float rootTwoPiSE) {
    return [=](float t) {
        const double d = t - mean;
        return std::exp(-(d * d) / twoVarN) / rootTwoPiSE;
    };
}

CSamplingView::CSamplingView() : m_pFrame(&AfxGetMainFrame()) {}

void CSamplingView::DrawNumber(Dc& dc, int x, int y, const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    dc.TextOut(x, y, text);
}

void CSamplingView::SetCurveColumns(float width, float columns) {
    m_fHalfWidth = (width / columns) * 0.5f;
    m_fStep = m_fHalfWidth * 0.2f;
}

void CSamplingView::PlotExpectedCounts(Dc& dc, Colour colour, std::int16_t nx, std::int16_t ny, float xmin,
                                       float xmax, float ymax, std::function<double(float)> density, float scale) {
    m_curve = std::move(density);
    m_fCurveScale = scale;
    PlotCurve(dc, colour, nx, ny, xmin, xmax, 0.0f, ymax, [this](float x) { return ExpectedCount(x); }, false);
}

double CSamplingView::ExpectedCount(float x) const {
    if (!m_curve) return 0.0;
    return m_fCurveScale * IntegrateMidpoint(x - m_fHalfWidth, x + m_fHalfWidth, m_fStep, m_curve);
}

void CSamplingView::OnInitialUpdate() {
    SetScaleToFitSize(m_pFrame->ReferenceCanvas());
    s_bPaintEnabled = 1;
    s_bAbort = 0;
}

bool CSamplingView::OnCommandHelp() {
    s_bAbort = 1;
    return false;
}

bool CSamplingView::OnCommand(unsigned id) {
    if (id != res::ID_START_DEMO) return false;
    OnStartDemo();
    return true;
}

bool CSamplingView::OnUpdateCommand(CCmdUI& cmdUI) {
    if (cmdUI.m_nID != res::ID_START_DEMO) return false;
    OnUpdateStartDemo(cmdUI);
    return true;
}

void CSamplingView::OnUpdateStartDemo(CCmdUI& cmdUI) { cmdUI.Enable(Flags().declined != 0); }

bool CSamplingView::OpenPaint(Dc& dc) {
    if (!s_bPaintEnabled) return false;
    PaintGreyBackground(dc);
    DemoFlags flags = Flags();
    if (flags.declined) {
        dc.TextOut(100, 100, kStartInstruction);
        return false;
    }
    dc.SetTextColor(kGrey);  // erases the instruction a declined window showed
    dc.TextOut(100, 100, kStartInstruction);
    dc.SetTextColor(kBlue);
    if (flags.chosen) return true;

    // The first paint of a new document asks for the parameters; the run starts with the next paint.
    s_bPaintEnabled = 0;
    if (ChooseParameters()) flags.chosen = 1;
    else flags.declined = 1;
    InvalidateRect();
    s_bPaintEnabled = 1;
    return false;
}

void CSamplingView::OnStartDemo() {
    DemoFlags flags = Flags();
    if (flags.chosen) return;
    if (ChooseParameters()) {
        flags.chosen = 1;
        flags.declined = 0;
    }
    InvalidateRect();
}

void CSamplingView::TimedPause(unsigned ms) {
    // Stops the timer however the pause ends, also when a closing window unwinds it.
    struct TimerGuard {
        CSamplingView& view;
        ~TimerGuard() { view.KillTimer(kPauseTimer); }
    } guard{*this};
    SetTimer(kPauseTimer, ms);
    s_bPaintEnabled = 0;
    do {
        WaitMessage();
        MSG m;
        if (!PeekMessage(m)) continue;
        if (m.message == WM_TIMER) s_bPaintEnabled = 1;
        DispatchMessage(m);
    } while (!s_bPaintEnabled);
}

void CSamplingView::PauseAfterSample(SamplePacing& pacing) {
    if (pacing.s_bStep) pacing.WaitForStepKey();
    else TimedPause(static_cast<unsigned>(pacing.s_delay));
}

void CSamplingView::PresentSample(Dc& dc, std::string_view text, SamplePacing& pacing) {
    m_sampleLine.Draw(dc, text, m_textCentreSum, m_textLineY);
    PauseAfterSample(pacing);
    m_sampleLine.Erase(dc, kGrey);
}

}  // namespace dulm

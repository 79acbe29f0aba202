#include "plot/SamplingView.h"

#include <cmath>
#include <cstdio>

#include "platform/Waits.h"

namespace dulm {

std::function<double(float)> NormalDensityOfMeans(float mean, double twoVarN, float rootTwoPiSE) {
    return [=](float t) {
        const double d = t - mean;
        return std::exp(-(d * d) / twoVarN) / rootTwoPiSE;
    };
}

CSamplingView::CSamplingView() : CPlotView(DemoStartup(kStartInstruction, kBlue)) {}

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
    CDemoView::OnInitialUpdate();
    m_bAbort = 0;
}

bool CSamplingView::OnCommandHelp() {
    m_bAbort = 1;
    return false;
}

void CSamplingView::TimedPause(unsigned ms) {
    const PaintingHeld held(*this);
    WaitTimer(ms);
}

void CSamplingView::PauseAfterSample(SamplePacing& pacing) {
    if (pacing.m_bStep) pacing.WaitForStepKey();
    else TimedPause(static_cast<unsigned>(pacing.m_delay));
}

void CSamplingView::PresentSample(Dc& dc, std::string_view text, SamplePacing& pacing) {
    m_sampleLine.Draw(dc, text, m_textCentreSum, m_textLineY);
    PauseAfterSample(pacing);
    m_sampleLine.Erase(dc, kGrey);
}

}  // namespace dulm

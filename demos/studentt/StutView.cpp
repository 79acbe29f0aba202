#include "demos/studentt/StutView.h"

#include <cmath>

#include "demos/studentt/StutDlg.h"

namespace dulm {

float StudentCountMax(long nSamples, int scaleLarge, int scaleMid) {
    return CountAxisMax(nSamples, scaleLarge, scaleMid, 5000);
}

float TScore(float sum, float sumSq, std::int16_t n, float mu) {
    const float mean = sum / n;
    const auto var = static_cast<float>(double(sumSq) / n - double(mean) * mean);
    if (var <= 1e-6) return 1000000.0f;  // no spread: a score far off the axis, dropped
    const double df = n - 1;
    return static_cast<float>((double(mean) - mu) / std::sqrt(var / df));
}

float TKernel(float x, double df, double exponent) {
    return static_cast<float>(std::pow(double(x * x) / df + 1.0, exponent));
}

CStutDoc& CStutView::Doc() const { return static_cast<CStutDoc&>(*GetDocument()); }

std::unique_ptr<CSampleDlg> CStutView::MakeDialog() const { return std::make_unique<CStutDlg>(); }

void CStutView::PrepareStatistic() {
    m_fMu = PopulationMean(m_sampler.Shape());
    m_dDf = m_n - 1;
    m_dExponent = -m_n / 2.0;
}

float CStutView::CountAxisTop() const { return StudentCountMax(m_nSamples, Doc().m_nScaleLarge, Doc().m_nScaleMid); }

void CStutView::DrawLabels(Dc& dc) {
    DrawLabelBlock(dc, "STUDENT'S T DISTRIBUTION", "%.0f", m_fCountMax);
    const float values[] = {-5.0f, -4.0f, -3.0f, -2.0f, -1.0f, 0.0f, 1.0f, 2.0f, 3.0f, 4.0f, 5.0f};
    DrawXAxisLabels(dc, ReferenceCanvas(), values, 10);
}

float CStutView::SampleTScore(Dc& dc) {
    const bool showValues = ShowsSample() && m_n <= 10;
    SampleText line("(");
    const SampleSums sums = DrawSample(showValues ? &line : nullptr);
    const float t = TScore(sums.sum, sums.sumSq, m_n, m_fMu);
    if (!ShowsSample()) return t;  // no text, no pause, no abort check

    if (showValues) line.Append(")/%hd = %5.2f   t score = %5.2f", m_n, sums.sum / m_fN, t);
    else line.Replace("          t score = %5.2f", t);
    return Present(dc, line, t);
}

// The normal curve in light grey, then the t curve with n - 1 degrees of freedom in red,
// normalised on [-5, 5]; both scaled to the scores binned.
void CStutView::DrawReferenceCurves(Dc& dc) {
    PrepareCurveBins(W());
    PlotExpected(dc, kLightGrey, StandardNormalDensity, m_fDone);
    const auto kernel = [this](float x) { return TKernel(x, m_dDf, m_dExponent); };
    const float c = IntegrateMidpoint(0.0f, 5.0f, m_fStep, kernel);
    PlotExpected(dc, kRed, kernel, static_cast<float>((0.5 / c) * m_fDone));
}

}  // namespace dulm

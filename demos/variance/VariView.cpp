#include "demos/variance/VariView.h"

#include <cmath>

#include "demos/variance/VariDlg.h"

namespace dulm {

float VarianceCountMax(long nSamples, int scaleLarge) { return static_cast<float>((nSamples / 1000) * scaleLarge); }

float SampleVarianceOf(float sum, float sumSq, std::int16_t n) {
    const float mean = sum / n;
    const auto divisor = static_cast<float>(n - 1);
    return static_cast<float>((double(sumSq) - double(mean) * sum) / divisor);
}

float ChiSquareKernel(float x, double a, double c) {
    if (x < 0.0001f) return 0.0f;
    const double u = a * x;
    const double d = c * std::log(u) - u * 0.5;
    if (d < -10.0) return 0.0f;
    if (d > 86.0) return 2.235e37f;
    return static_cast<float>(std::exp(d));
}

CVariDoc& CVariView::Doc() const { return static_cast<CVariDoc&>(*GetDocument()); }

std::unique_ptr<CSampleDlg> CVariView::MakeDialog() const { return std::make_unique<CVariDlg>(); }

void CVariView::PrepareStatistic() {
    const double df = m_n - 1;
    m_dVar = PopulationVariance(m_sampler.Shape());
    m_dC = df * 0.5 - 1.0;
    m_dA = df / m_dVar;
}

float CVariView::CountAxisTop() const { return VarianceCountMax(m_nSamples, Doc().m_nScaleLarge); }

// 0, sigma^2 in red, 2 sigma^2 and 4 sigma^2 under the histogram.
void CVariView::DrawLabels(Dc& dc) {
    DrawLabelBlock(dc, "SAMPLE VARIANCE DISTRIBUTION", "%.0f", m_fCountMax);
    const int left = 0;
    const int right = W() - 16;
    const auto q = static_cast<std::int16_t>((left + right - 3) / 2);
    const int y = m_tBottom + 12;
    const auto twoVar = static_cast<float>(2.0 * m_dVar);
    const auto fourVar = static_cast<float>(4.0 * m_dVar);
    DrawNumber(dc, 32, y, "%4.1f", 0.0);
    dc.SetTextColor(kRed);
    DrawNumber(dc, (left + q + 29) / 2, y, "%5.2f", twoVar * 0.5f);
    dc.SetTextColor(kBlack);
    DrawNumber(dc, q, y, "%5.2f", twoVar);
    DrawNumber(dc, right - 32, y, "%4.1f", fourVar);
}

float CVariView::SampleVariance(Dc& dc) {
    const bool showValues = ShowsSample() && m_n <= 10;
    SampleText line("(");
    const SampleSums sums = DrawSample(showValues ? &line : nullptr);
    const float variance = SampleVarianceOf(sums.sum, sums.sumSq, m_n);
    if (!ShowsSample()) return variance;  // no text, no pause, no abort check

    if (showValues) line.Append(")/%hd = %5.2f  variance = %5.2f", m_n, sums.sum / m_fN, variance);
    else line.Replace("       variance = %5.2f", variance);
    return Present(dc, line, variance);
}

// The chi-square curve of n - 1 degrees of freedom stretched onto the variance axis, normalised
// on [0, 4 sigma^2] and scaled to the variances binned.
void CVariView::DrawReferenceCurves(Dc& dc) {
    PrepareCurveBins(W());
    const auto kernel = [this](float x) { return ChiSquareKernel(x, m_dA, m_dC); };
    const float c0 = IntegrateMidpoint(0.0f, Range().max, m_fStep, kernel);
    PlotExpected(dc, kLightGrey, kernel, m_fDone / c0);
}

}  // namespace dulm

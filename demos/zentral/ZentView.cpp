#include "demos/zentral/ZentView.h"

#include <cmath>

#include "demos/zentral/ZentDlg.h"

namespace dulm {

float ZentralCountMax(long nSamples, int scaleLarge, int scaleMid) {
    return CountAxisMax(nSamples, scaleLarge, scaleMid, 4000);
}

float ZentralDensityMax(int columns, float countMax, long nSamples) {
    return static_cast<float>(columns * countMax / (6.0 * nSamples));
}

float ZScore(float sum, std::int16_t n, float mu, float se) {
    return static_cast<float>((double(sum) / n - mu) / se);
}

CZentDoc& CZentView::Doc() const { return static_cast<CZentDoc&>(*GetDocument()); }

std::unique_ptr<CSampleDlg> CZentView::MakeDialog() const { return std::make_unique<CZentDlg>(); }

void CZentView::PrepareStatistic() {
    m_fMu = PopulationMean(m_sampler.Shape());
    m_fStdErr = static_cast<float>(std::sqrt(PopulationVariance(m_sampler.Shape()) / m_fN));
}

float CZentView::CountAxisTop() const { return ZentralCountMax(m_nSamples, Doc().m_nScaleLarge, Doc().m_nScaleMid); }

void CZentView::DrawLabels(Dc& dc) {
    m_fDensityMax = ZentralDensityMax(W() - 60, m_fCountMax, m_nSamples);
    DrawLabelBlock(dc, "SAMPLE MEAN DISTRIBUTION", "%.2f", m_fDensityMax);
    const float values[] = {-3.0f, -2.0f, -1.0f, 0.0f, 1.0f, 2.0f, 3.0f};
    DrawXAxisLabels(dc, ReferenceCanvas(), values, 6);
}

float CZentView::SampleZScore(Dc& dc) {
    const bool showValues = ShowsSample() && m_n <= 10;
    SampleText line("((");
    const float z = ZScore(DrawSample(showValues ? &line : nullptr).sum, m_n, m_fMu, m_fStdErr);
    if (!ShowsSample()) return z;  // no text, no pause, no abort check

    if (showValues) line.Append(")/%hd - %5.2f ) / %5.2f = %5.2f", m_n, m_fMu, m_fStdErr, z);
    else line.Replace("zscore = %5.2f", z);
    return Present(dc, line, z);
}

void CZentView::CorrectEarlyEnd(Dc& dc, long binned) {
    dc.SetTextColor(kGrey);
    DrawSampleCountLine(dc, m_nSamples);
    DrawYAxisTopAndMiddle(dc, ReferenceCanvas(), "%.2f", m_fDensityMax);
    dc.SetTextColor(kBlack);
    DrawSampleCountLine(dc, binned);
    // A run ends early only after a bar has grown, so at least one score was binned.
    const float relabelled = m_fDensityMax * static_cast<float>(m_nSamples) / static_cast<float>(binned);
    DrawYAxisTopAndMiddle(dc, ReferenceCanvas(), "%.2f", relabelled);
}

// The standard normal curve scaled to the scores binned.
void CZentView::DrawReferenceCurves(Dc& dc) {
    PrepareCurveBins(W() - 1);
    PlotExpected(dc, kLightGrey, StandardNormalDensity, m_fDone);
}

}  // namespace dulm

#include "demos/central/CentView.h"

#include <cmath>

#include "demos/central/CentDlg.h"

namespace dulm {

MeanAxis MakeMeanAxis(float m, float s) {
    MeanAxis a{};
    a.m = m;
    a.s = s;
    a.minus1 = m - s;
    a.plus1 = m + s;
    a.minus2 = a.minus1 - s;
    a.plus2 = s + a.plus1;
    a.plus3 = s + a.plus2;
    a.minus3 = a.minus2 - s;
    a.span = a.plus3 - a.minus3;
    return a;
}

float CentralCountMax(long nSamples, int scaleLarge, int scaleMid) {
    return CountAxisMax(nSamples, scaleLarge, scaleMid, 4000);
}

CCentDoc& CCentView::Doc() const { return static_cast<CCentDoc&>(*GetDocument()); }

std::unique_ptr<CSampleDlg> CCentView::MakeDialog() const { return std::make_unique<CCentDlg>(); }

// The standard error is the document's once the run has finished.
void CCentView::PrepareStatistic() {
    CCentDoc& doc = Doc();
    m_fMean = PopulationMean(m_sampler.Shape());
    if (!doc.m_bFinished) {
        const double v = PopulationVariance(m_sampler.Shape()) / m_fN;
        doc.m_fStdErr = static_cast<float>(std::sqrt(v));
        doc.m_dTwoVarN = 2.0 * v;
    }
    m_axis = MakeMeanAxis(m_fMean, doc.m_fStdErr);
}

float CCentView::CountAxisTop() const { return CentralCountMax(m_nSamples, Doc().m_nScaleLarge, Doc().m_nScaleMid); }

void CCentView::DrawLabels(Dc& dc) {
    DrawLabelBlock(dc, "SAMPLE MEAN DISTRIBUTION", "%.0f", m_fCountMax);
    const MeanAxis& a = m_axis;
    const float values[] = {a.minus3, a.minus2, a.minus1, a.m, a.plus1, a.plus2, a.plus3};
    DrawXAxisLabels(dc, ReferenceCanvas(), values, 6);
}

float CCentView::SampleMean(Dc& dc) {
    if (!ShowsSample()) return m_sampler.SumOfSample(m_n) / m_fN;  // no text, no pause, no abort check

    const bool showValues = m_n < 11;
    SampleText line("(");
    const float mean = DrawSample(showValues ? &line : nullptr).sum / m_fN;
    if (showValues) line.Append(") / %1hd = %5.2f", m_n, mean);
    else line.Replace("mean = %5.2f", mean);
    return Present(dc, line, mean);
}

// The normal density of the mean of n observations, integrated over one column in ten midpoint
// steps, times the number of means drawn.
void CCentView::DrawReferenceCurves(Dc& dc) {
    PrepareCurveBins(W() - 1);
    PlotExpected(dc, kLightGrey, NormalDensityOfMeans(m_fMean, Doc().m_dTwoVarN, kRootTwoPi * Doc().m_fStdErr),
                 m_fDone);
}

}  // namespace dulm

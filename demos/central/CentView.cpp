#include "demos/central/CentView.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/ViewConventions.h"
#include "demos/central/CentDlg.h"
#include "platform/Clock.h"
#include "platform/Rand.h"

namespace dulm {

namespace {

constexpr float kRootTwoPi = 2.50662827f;

void Format(Dc& dc, int x, int y, const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    dc.TextOut(x, y, text);
}

void SampleCountLine(Dc& dc, long count) {
    char text[64];
    std::snprintf(text, sizeof text, "# of samples=%ld", count);
    dc.TextOut(16, 70, text);
}

}  // namespace

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
    if (nSamples >= 10000) return static_cast<float>(scaleLarge * (nSamples / 1000));
    if (nSamples >= 4000) return static_cast<float>((nSamples / scaleMid) / 100);
    return static_cast<float>(nSamples / 100);
}

CCentDoc& CCentView::Doc() const { return static_cast<CCentDoc&>(*GetDocument()); }

DemoFlags CCentView::Flags() { return {Doc().m_bDeclined, Doc().m_bChosen}; }

bool CCentView::ChooseParameters() {
    CCentDlg dlg;
    if (dlg.DoModal() != IDOK) return false;
    CCentDoc& doc = Doc();
    doc.m_nSamples = dlg.m_nSamples;
    doc.m_nSampleSize = dlg.m_nSampleSize;
    doc.m_nShape = dlg.m_nShape;
    return true;
}

void CCentView::OnKeyUp(unsigned nChar, unsigned /*nRepCnt*/, unsigned nFlags) { m_pacing.OnKeyUp(nChar, nFlags); }

void CCentView::OnDraw(Dc& dc) {
    if (!OpenPaint(dc)) return;
    CCentDoc& doc = Doc();
    PrepareRun(doc);
    const auto font = SelectScaledFont(dc, *m_pFrame);
    DrawPopulationPanel(*this, dc, m_sampler.Shape(), *m_pFrame);
    TakeStandardError(doc);
    const MeanAxis axis = MakeMeanAxis(m_fMean, doc.m_fStdErr);
    const float ymax = CentralCountMax(m_nSamples, doc.m_nScaleLarge, doc.m_nScaleMid);
    DrawLabels(dc, axis, ymax);

    m_px0 = 40;
    m_px1 = static_cast<std::int16_t>(W() - 20);
    SetPlotRect(40, 30, m_px1, static_cast<std::int16_t>(H() - 70));
    float done = 0.0f;
    if (!doc.m_bFinished) {
        done = RunSamples(dc, doc, axis, ymax);
    } else {
        RedrawStoredHistogram(dc, doc.m_pBins);
        done = doc.m_fDone;
    }
    m_fDone = done;
    if (done == kAbortValue) {
        // Stopped by a help request: nothing is kept, and the next paint starts over.
        s_bAbort = 0;
        doc.m_pBins.reset();
        return;
    }
    CorrectSampleCount(dc, done);
    DrawExpectedCurve(dc, axis, ymax);
    doc.m_bFinished = 1;
}

// The same seed for every paint started in the same second: only 256 seeds exist.
void CCentView::PrepareRun(const CCentDoc& doc) {
    m_n = static_cast<std::int16_t>(doc.m_nSampleSize);
    m_fN = static_cast<float>(m_n);
    m_nSamples = doc.m_nSamples;
    srand(static_cast<unsigned>((time(nullptr) & 0xFF) * 255));
    m_pacing.s_delay = SamplePacing::kStartDelay;
    m_textLineY = H() - 30;
    const PopulationShape shape = ShapeFromIndex(doc.m_nShape);
    m_sampler.Start(shape);
    m_fMean = PopulationMean(shape);
}

void CCentView::TakeStandardError(CCentDoc& doc) const {
    if (!doc.m_bFinished) {
        const double v = PopulationVariance(m_sampler.Shape()) / m_fN;
        doc.m_fStdErr = static_cast<float>(std::sqrt(v));
        doc.m_dTwoVarN = 2.0 * v;
    }
}

void CCentView::DrawLabels(Dc& dc, const MeanAxis& a, float ymax) const {
    const int px0 = 0;
    const int px1 = W() - 16;
    const int py0 = 30;
    const int py1 = H() - 70;
    dc.TextOut(0, 0, "SAMPLE MEAN DISTRIBUTION");
    Format(dc, 0, 25, "%.0f", ymax);
    SampleCountLine(dc, m_nSamples);
    char text[64];
    std::snprintf(text, sizeof text, "sample size=%hd", m_n);
    dc.TextOut(16, 110, text);
    Format(dc, 0, (py1 + py0 - 10) / 2, "%.0f", ymax * 0.5f);
    Format(dc, 0, py1 - 5, "%3.0f", 0.0);

    const int y = py1 + 12;
    const int D = px1 - px0 - 64;
    Format(dc, 32, y, "%4.1f", a.minus3);
    Format(dc, (D + 3) / 6 + 28, y, "%5.2f", a.minus2);
    Format(dc, (2 * D + 3) / 6 + 28, y, "%5.2f", a.minus1);
    Format(dc, (px0 + px1 + 1) / 2 - 4, y, "%5.2f", a.m);
    Format(dc, (4 * D + 3) / 6 + 28, y, "%5.2f", a.plus1);
    Format(dc, (5 * D + 3) / 6 + 28, y, "%5.2f", a.plus2);
    Format(dc, px1 - 32, y, "%4.1f", a.plus3);
}

float CCentView::RunSamples(Dc& dc, CCentDoc& doc, const MeanAxis& axis, float ymax) {
    m_textCentreSum = m_px0 + m_px1;
    m_pacing.s_bStep = 0;
    float done = 0.0f;
    HistogramBins bins = AnimateHistogram(dc, W(), H(), axis.minus3, axis.plus3, 0.0f, ymax,
                                          static_cast<std::int32_t>(m_nSamples), [&] { return SampleMean(dc); }, done);
    if (!bins) {
        doc.m_bFinished = 1;
        std::abort();  // memory exhausted: the program ends, as the framework's abort routine did
    }
    doc.m_pBins = std::move(bins);
    doc.m_fDone = done;
    return done;
}

float CCentView::SampleMean(Dc& dc) {
    if (m_pacing.s_delay == 0) return m_sampler.SumOfSample(m_n) / m_fN;  // no text, no pause, no abort check

    // Ten values of "%+5.2f" and the closing part fit easily.
    char text[160] = "(";
    int length = 1;
    const bool showValues = m_n < 11;
    float sum = 0.0f;
    for (int i = 0; i < m_n; ++i) {
        const float x = static_cast<float>(m_sampler.Sample());
        sum += x;
        if (showValues) length += std::snprintf(text + length, sizeof text - size_t(length), "%+5.2f", x);
    }
    const float mean = sum / m_fN;
    if (showValues) std::snprintf(text + length, sizeof text - size_t(length), ") / %1hd = %5.2f", m_n, mean);
    else std::snprintf(text, sizeof text, "mean = %5.2f", mean);
    PresentSample(dc, text, m_pacing);
    return s_bAbort ? kAbortValue : mean;
}

// A run ended early (Esc, or a column passing the top) shows how many means it binned.
void CCentView::CorrectSampleCount(Dc& dc, float done) const {
    const long k = static_cast<long>(done);
    if (k >= m_nSamples) return;
    dc.SetTextColor(kGrey);
    SampleCountLine(dc, m_nSamples);
    dc.SetTextColor(kBlack);
    SampleCountLine(dc, k);
}

void CCentView::DrawExpectedCurve(Dc& dc, const MeanAxis& axis, float ymax) {
    const CCentDoc& doc = Doc();
    const float columns = static_cast<float>(std::min(m_px1 - m_px0, W() - 1));
    m_fHalfWidth = (axis.span / columns) * 0.5f;
    m_fStep = m_fHalfWidth * 0.2f;
    m_fRootTwoPiSE = kRootTwoPi * doc.m_fStdErr;
    m_dTwoVarN = doc.m_dTwoVarN;
    PlotCurve(dc, kLightGrey, W(), H(), axis.minus3, axis.plus3, 0.0f, ymax,
              [this](float x) { return ExpectedCount(x); }, false);
}

// The normal density of the mean of n observations, integrated over one column in ten midpoint
// steps, times the number of means drawn.
double CCentView::ExpectedCount(float x) const {
    const auto density = [this](float t) {
        const double d = t - m_fMean;
        return std::exp(-(d * d) / m_dTwoVarN) / m_fRootTwoPiSE;
    };
    return IntegrateMidpoint(x - m_fHalfWidth, x + m_fHalfWidth, m_fStep, density) * m_fDone;
}

}  // namespace dulm

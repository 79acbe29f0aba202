#include "plot/SampleStatView.h"

#include "app/DemoData.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "app/ViewConventions.h"
#include "platform/Clock.h"
#include "platform/Rand.h"

namespace dulm {

float CountAxisMax(long nSamples, int scaleLarge, int scaleMid, long midFrom) {
    if (nSamples >= 10000) return static_cast<float>(scaleLarge * (nSamples / 1000));
    if (nSamples >= midFrom) return static_cast<float>((nSamples / scaleMid) / 100);
    return static_cast<float>(nSamples / 100);
}

float StandardNormalDensity(float x) { return std::exp(-(x * x) / 2.0f) / kRootTwoPi; }

SampleText::SampleText(const char* opening) { Append("%s", opening); }

void SampleText::AddValue(float x) { Append("%+5.2f", x); }

void SampleText::Append(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(m_text + m_length, sizeof m_text - size_t(m_length), format, args);
    va_end(args);
    m_length = std::min(m_length + std::max(written, 0), int(sizeof m_text) - 1);
}

void SampleText::Replace(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(m_text, sizeof m_text, format, args);
    va_end(args);
    m_length = std::min(std::max(written, 0), int(sizeof m_text) - 1);
}

CSampleStatDoc& CSampleStatView::Doc() const { return dynamic_cast<CSampleStatDoc&>(*GetDocument()); }

void CSampleStatView::ExportData(DemoData& data) const {
    const CSampleStatDoc& doc = Doc();
    if (!doc.m_bChosen) return;
    data.Parameter("Population", PopulationName(ShapeFromIndex(doc.m_nShape)));
    data.Parameter("Number of samples", DemoData::Number(doc.m_nSamples));
    data.Parameter("Sample size", DemoData::Number(doc.m_nSampleSize));
    static const HistogramBins kNone;
    ExportHistogram(data, doc.m_bFinished ? doc.m_bins : kNone, StatisticName());
}

bool CSampleStatView::ChooseParameters() {
    const std::unique_ptr<CSampleDlg> dlg = MakeDialog();
    if (dlg->DoModal() != IDOK) return false;
    CSampleStatDoc& doc = Doc();
    doc.m_nSamples = dlg->m_nSamples;
    doc.m_nSampleSize = dlg->m_nSampleSize;
    doc.m_nShape = dlg->m_nShape;
    return true;
}

void CSampleStatView::OnKeyUp(unsigned nChar, unsigned /*nRepCnt*/, unsigned nFlags) {
    m_pacing.OnKeyUp(nChar, nFlags);
}

void CSampleStatView::OnDraw(Dc& dc) {
    if (!OpenPaint(dc)) return;
    CSampleStatDoc& doc = Doc();
    PrepareRun(doc);
    const auto font = SelectScaledFont(dc, *m_pFrame);
    DrawPopulationPanel(*this, dc, m_sampler.Shape(), *m_pFrame);
    m_fCountMax = CountAxisTop();
    DrawLabels(dc);

    m_tLeft = 40;
    m_tRight = static_cast<std::int16_t>(W() - 20);
    SetPlotRect({m_tLeft, 30, m_tRight, m_tBottom});
    if (!doc.m_bFinished) {
        m_fDone = Run(dc, doc);
        if (!doc.m_bins) {
            // No memory for the histogram: this run ends here, and the next paint tries again.
            ReportNoMemory(dc);
            return;
        }
    } else {
        RedrawStoredHistogram(dc, doc.m_bins);
        m_fDone = doc.m_fDone;
    }
    if (m_fDone == kAbortValue) {
        // Stopped by a help request: nothing is kept, and the next paint starts over.
        m_bAbort = 0;
        doc.m_bins.reset();
        return;
    }
    const long binned = static_cast<long>(m_fDone);
    if (binned < m_nSamples) CorrectEarlyEnd(dc, binned);
    DrawReferenceCurves(dc);
    doc.m_bFinished = 1;
}

// The same seed for every paint started in the same second: only 256 seeds exist.
void CSampleStatView::PrepareRun(const CSampleStatDoc& doc) {
    m_n = static_cast<std::int16_t>(doc.m_nSampleSize);
    m_fN = static_cast<float>(m_n);
    m_nSamples = doc.m_nSamples;
    srand(static_cast<unsigned>((time(nullptr) & 0xFF) * 255));
    m_pacing.m_delay = SamplePacing::kStartDelay;
    m_textLineY = H() - 30;
    m_tBottom = static_cast<std::int16_t>(H() - 70);
    m_sampler.Start(ShapeFromIndex(doc.m_nShape));
    PrepareStatistic();
}

float CSampleStatView::Run(Dc& dc, CSampleStatDoc& doc) {
    m_textCentreSum = m_tLeft + m_tRight;
    m_pacing.m_bStep = 0;
    const XRange range = Range();
    float done = 0.0f;
    RunStatus status(*this, "0-9 pace, Space or Pause one sample at a time, Esc stop, F1 help", "sample", m_nSamples);
    long drawn = 0;
    doc.m_bins = AnimateHistogram(dc, W(), H(), range.min, range.max, 0.0f, m_fCountMax,
                                  static_cast<std::int32_t>(m_nSamples),
                                  [&] {
                                      if (ShowsSample()) status.Progress(++drawn);
                                      else status.FastProgress(++drawn);
                                      return SampleStatistic(dc);
                                  }, done);
    doc.m_fDone = done;
    return done;
}

void CSampleStatView::CorrectEarlyEnd(Dc& dc, long binned) {
    dc.SetTextColor(kGrey);
    DrawSampleCountLine(dc, m_nSamples);
    dc.SetTextColor(kBlack);
    DrawSampleCountLine(dc, binned);
}

void CSampleStatView::DrawLabelBlock(Dc& dc, const char* title, const char* axisFormat, float axisTop) const {
    dc.TextOut(0, 0, title);
    DrawSampleCountLine(dc, m_nSamples);
    char text[64];
    std::snprintf(text, sizeof text, "sample size=%hd", m_n);
    dc.TextOut(16, 110, text);
    DrawYAxisTopAndMiddle(dc, ReferenceCanvas(), axisFormat, axisTop);
    DrawYAxisZero(dc, ReferenceCanvas());
}

void CSampleStatView::DrawSampleCountLine(Dc& dc, long count) const {
    char text[64];
    std::snprintf(text, sizeof text, "# of samples=%ld", count);
    dc.TextOut(16, 70, text);
}

CSampleStatView::SampleSums CSampleStatView::DrawSample(SampleText* line) {
    SampleSums s;
    for (std::int16_t k = 0; k < m_n; ++k) {
        const auto x = static_cast<float>(m_sampler.Sample());
        s.sum += x;
        s.sumSq += x * x;
        if (line) line->AddValue(x);
    }
    return s;
}

float CSampleStatView::Present(Dc& dc, const SampleText& line, float value) {
    PresentSample(dc, line.Text(), m_pacing);
    return m_bAbort ? kAbortValue : value;
}

void CSampleStatView::PrepareCurveBins(int columnCap) {
    const XRange range = Range();
    SetCurveColumns(range.max - range.min, static_cast<float>(std::min(m_tRight - m_tLeft, columnCap)));
}

void CSampleStatView::PlotExpected(Dc& dc, Colour colour, std::function<double(float)> density, float scale) {
    const XRange range = Range();
    PlotExpectedCounts(dc, colour, W(), H(), range.min, range.max, m_fCountMax, std::move(density), scale);
}

}  // namespace dulm

#include "demos/completemeans/AllView.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/DemoData.h"
#include "app/ViewConventions.h"
#include "demos/completemeans/AllDlg.h"
#include "platform/Keys.h"

namespace dulm {

namespace {

constexpr unsigned kSpeedStepMs = 500;

void Number(Dc& dc, int x, int y, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    dc.TextOut(x, y, text);
}

}  // namespace

void SampleOdometer::Reset(int wheels, int top) {
    m_wheels = std::clamp(wheels, 1, kMaxWheels);
    m_top = top;
    m_digits.fill(1);
    m_digits[size_t(m_wheels - 1)] = 0;
}

void SampleOdometer::Advance() {
    int i = m_wheels - 1;
    ++m_digits[size_t(i)];
    while (m_digits[size_t(i)] > m_top) {
        m_digits[size_t(i)] = 1;
        if (--i < 0) break;
        ++m_digits[size_t(i)];
    }
}

int SampleOdometer::Sum() const {
    int sum = 0;
    for (int j = 0; j < m_wheels; ++j) sum += m_digits[size_t(j)];
    return sum;
}

float CompleteMeansCountMax(long count, int popSize) { return static_cast<float>(std::max(10L, count / popSize)); }

CAllDoc& CAllView::Doc() const { return static_cast<CAllDoc&>(*GetDocument()); }

bool CAllView::ChooseParameters() {
    CAllDlg dlg;
    if (dlg.DoModal() != IDOK) return false;
    Doc().m_nSampleSize = dlg.m_nSampleSize;
    Doc().m_nPopSize = dlg.m_nPopSize;
    return true;
}

void CAllView::OnKeyUp(unsigned nChar, unsigned /*nRepCnt*/, unsigned nFlags) {
    if (const std::optional<int> d = DigitOfKey(nChar, nFlags)) m_speed = static_cast<std::int16_t>(*d);
}

void CAllView::OnDraw(Dc& dc) {
    if (!OpenPaint(dc)) return;
    CAllDoc& doc = Doc();
    const auto font = SelectScaledFont(dc, *m_pFrame);
    const TextMetrics tm = dc.GetTextMetrics();
    m_ch = tm.tmHeight;
    m_cw = tm.tmMaxCharWidth;
    PrepareRun(doc);
    const float ymax = CompleteMeansCountMax(m_count, m_N);
    DrawLabels(dc, ymax);

    m_px0 = static_cast<std::int16_t>(m_px0 + m_cw);
    m_px1 = static_cast<std::int16_t>(m_px1 + m_cw);
    SetPlotRect({m_px0, m_py0, m_px1, m_py1});
    float done = 0.0f;
    if (!doc.m_bFinished) {
        done = RunSamples(dc, doc, ymax);
        if (!doc.m_bins) {
            // No memory for the histogram: this run ends here, and the next paint tries again.
            ReportNoMemory(dc);
            return;
        }
    } else {
        RedrawStretchedHistogram(dc, doc.m_bins);
        done = doc.m_fDone;
    }
    m_fDone = done;
    if (done == kAbortValue) {
        // Stopped by a help request: the next paint starts the enumeration again.
        m_bAbort = 0;
        doc.m_bins.reset();
        return;
    }
    DrawExpectedCurve(dc, ymax);
    doc.m_bFinished = 1;
}

void CAllView::PrepareRun(const CAllDoc& doc) {
    m_n = static_cast<std::int16_t>(doc.m_nSampleSize);
    m_N = static_cast<std::int16_t>(doc.m_nPopSize);
    m_fN = static_cast<float>(m_N);
    m_count = 1;
    for (int k = 0; k < m_n; ++k) m_count *= m_N;

    // The integers 1 to N: variance (N^2 - 1) / 12.
    m_fMu = static_cast<float>(m_N + 1) * 0.5f;
    const float secondMoment = static_cast<float>((1 + 2 * m_N) * (m_N + 1)) * 0.16666667f;
    const float variance = secondMoment - m_fMu * m_fMu;
    const float v = variance / static_cast<float>(m_n);
    m_fStdErr = std::sqrt(v);
    m_dTwoVarN = 2.0 * v;

    m_rows[0] = 60;
    for (int k = 1; k <= m_n; ++k) m_rows[size_t(k)] = static_cast<std::int16_t>(m_rows[size_t(k - 1)] + 3 * m_ch / 2);
    m_rows[size_t(m_n + 1)] = static_cast<std::int16_t>(m_rows[size_t(m_n)] + 20);
    m_rows[size_t(m_n + 2)] = static_cast<std::int16_t>(m_rows[size_t(m_n)] + 45);
    m_digits.Reset(m_n, m_N);
    m_x = static_cast<std::int16_t>((W() - 1) / 4 - 4);
    m_bShowSample = 1;
    m_speed = 2;
}

// Also leaves PX0 and PX1 where the axis labels end; the histogram frame starts from there.
void CAllView::DrawLabels(Dc& dc, float ymax) {
    m_px0 = static_cast<std::int16_t>(W() / 2 - 1);
    m_px1 = static_cast<std::int16_t>(W() - 1);
    m_py0 = 40;
    m_py1 = static_cast<std::int16_t>(H() - 3 * m_ch - 1);
    dc.TextOut(m_px0, 0, "COMPLETE MEANS DISTRIBUTION");
    DrawNumber(dc, m_px0, m_py0, "%.0f", ymax);
    char text[64];
    std::snprintf(text, sizeof text, "# of samples=%ld", m_count);
    dc.TextOut(m_px0 + 2 * m_cw, m_py0 + m_ch, text);
    std::snprintf(text, sizeof text, "sample size=%hd", m_n);
    dc.TextOut(m_px0 + 2 * m_cw, m_py0 + 2 * m_ch, text);
    DrawNumber(dc, m_px0, (m_py1 + m_py0 - m_ch) / 2, "%.0f", ymax * 0.5f);
    DrawNumber(dc, m_px0, m_py1 - m_ch / 2, "%3.0f", 0.0);

    m_px0 = static_cast<std::int16_t>(m_px0 + 2 * m_cw);
    m_px1 = static_cast<std::int16_t>(m_px1 - 2 * m_cw);
    const int y = m_py1 + m_ch;
    DrawNumber(dc, m_px0, y, "%4.1f", 1.0);
    DrawNumber(dc, (m_px0 + m_px1) / 2, y, "%5.2f", m_fMu);
    DrawNumber(dc, m_px1, y, "%4.1f", m_N);
}

float CAllView::RunSamples(Dc& dc, CAllDoc& doc, float ymax) {
    float done = 0.0f;
    RunStatus status(*this, "0-9 pace (0: no more pauses), Esc stop, F1 help", "sample", m_count);
    long drawn = 0;
    doc.m_bins = AnimateHistogram(dc, 1024, 768, 1.0f, m_fN, 0.0f, ymax, static_cast<std::int32_t>(m_count),
                                  [&] {
                                      if (m_bShowSample) status.Progress(++drawn);
                                      else status.FastProgress(++drawn);
                                      return NextCompleteSample(dc);
                                  }, done);
    doc.m_fDone = done;
    return done;
}

void CAllView::ExportData(DemoData& data) const {
    const CAllDoc& doc = Doc();
    if (!doc.m_bChosen) return;
    data.Parameter("Population size", DemoData::Number(doc.m_nPopSize));
    data.Parameter("Sample size", DemoData::Number(doc.m_nSampleSize));
    static const HistogramBins kNone;
    const auto done = static_cast<long>(ExportHistogram(data, doc.m_bFinished ? doc.m_bins : kNone, "Sample mean"));
    if (done == 0) return;
    std::vector<std::string> header{"Sample"};
    for (int j = 1; j <= doc.m_nSampleSize; ++j) header.push_back("Element " + std::to_string(j));
    header.push_back("Mean");
    data.Table(std::move(header));
    SampleOdometer sample;  // the samples in the order the run takes them
    sample.Reset(doc.m_nSampleSize, doc.m_nPopSize);
    for (long i = 1; i <= done; ++i) {
        sample.Advance();
        std::vector<std::string> row{DemoData::Number(i)};
        for (int j = 0; j < doc.m_nSampleSize; ++j) row.push_back(DemoData::Number(int(sample[j])));
        row.push_back(DemoData::Number(static_cast<float>(sample.Sum()) / static_cast<float>(doc.m_nSampleSize)));
        data.Row(std::move(row));
    }
}

float CAllView::NextCompleteSample(Dc& dc) {
    // Digit 0 ends the details and the pauses for the rest of the run, whatever is pressed later.
    if (m_bShowSample && m_speed == 0) m_bShowSample = 0;
    m_digits.Advance();
    const float mean = static_cast<float>(m_digits.Sum()) / static_cast<float>(m_n);
    if (m_bShowSample) {
        DrawDetails(dc, mean, m_pFrame->m_penBlack);
        TimedPause(static_cast<unsigned>(m_speed) * kSpeedStepMs);
        const DcStateSaver keep(dc);
        dc.SetTextColor(kGrey);
        DrawDetails(dc, mean, m_pFrame->m_penGrey);
    }
    return m_bAbort ? kAbortValue : mean;
}

// The elements one under the other, a rule, their sum and the mean, in the current text colour.
void CAllView::DrawDetails(Dc& dc, float mean, const Pen& rulePen) const {
    for (int j = 0; j < m_n; ++j) Number(dc, m_x, m_rows[size_t(j)], m_digits[j]);
    {
        const SelectGuard<Pen> pen(dc, rulePen);
        dc.MoveTo(m_x - 4, m_rows[size_t(m_n)]);
        dc.LineTo(m_x + 12, m_rows[size_t(m_n)]);
    }
    Number(dc, m_x, m_rows[size_t(m_n + 1)], m_digits.Sum());
    char text[32];
    std::snprintf(text, sizeof text, "mean = %4.2f", mean);
    dc.TextOut(m_x - 40, m_rows[size_t(m_n + 2)], text);
}

// The normal density with the population mean and the standard error, integrated over the column
// around each dot, times the number of samples. With a frame at least (N - 1) n units wide a
// column is 1 / n wide, the spacing of the possible means.
void CAllView::DrawExpectedCurve(Dc& dc, float ymax) {
    SetCurveColumns(static_cast<float>(m_N - 1), static_cast<float>(std::min(m_px1 - m_px0, (m_N - 1) * m_n)));
    PlotExpectedCounts(dc, kLightGrey, 1024, 768, 1.0f, m_fN, ymax,
                       NormalDensityOfMeans(m_fMu, m_dTwoVarN, kRootTwoPi * m_fStdErr), m_fDone);
}

}  // namespace dulm

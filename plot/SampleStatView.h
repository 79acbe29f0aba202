// The sampling-distribution demonstrations built on one plan: a parameter dialog, a population
// panel, a histogram of one statistic per sample grown by AnimateHistogram with each sample's
// line shown for a pause, and reference curves scaled to the number of statistics binned. What
// differs between them (the statistic, its axis and its curves) comes through the hooks below.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "plot/Population.h"
#include "plot/SampleDlg.h"
#include "plot/SampleStatDoc.h"
#include "plot/SamplingView.h"

namespace dulm {

// The top of the count axis for N samples: scaleLarge per thousand from 10000 samples on,
// (N / scaleMid) / 100 from midFrom on, N / 100 below; integer divisions.
float CountAxisMax(long nSamples, int scaleLarge, int scaleMid, long midFrom);

// exp(-x^2 / 2) / sqrt(2 pi), with sqrt(2 pi) in single precision.
float StandardNormalDensity(float x);

// The line that shows one sample: an opening, the values "%+5.2f", and a closing part.
class SampleText {
public:
    explicit SampleText(const char* opening);
    void AddValue(float x);
    void Append(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Starts the line again with this text alone.
    void Replace(const char* format, ...) __attribute__((format(printf, 2, 3)));
    const char* Text() const { return m_text; }

private:
    char m_text[160];  // ten values and the longest closing part fit easily
    int m_length = 0;
};

class CSampleStatView : public CSamplingView {
public:
    // The whole paint: panel, labels, then the run or the redraw of the finished run, the
    // correction after an early end, and the reference curves.
    void OnDraw(Dc& dc) final;
    void OnKeyUp(unsigned nChar, unsigned nRepCnt, unsigned nFlags) final;
    // The population, N and n, and the histogram of the statistic.
    void ExportData(DemoData& data) const final;

protected:
    struct XRange {
        float min;
        float max;
    };
    struct SampleSums {
        float sum = 0.0f;
        float sumSq = 0.0f;
    };

    virtual std::unique_ptr<CSampleDlg> MakeDialog() const = 0;
    // What the histogram counts, as its exported column is headed.
    virtual const char* StatisticName() const = 0;
    // The demonstration's own run parameters, after n, N, the seed, the delay and the sampler.
    virtual void PrepareStatistic() {}
    virtual float CountAxisTop() const = 0;
    // The title, the count axis and the x labels around the histogram.
    virtual void DrawLabels(Dc& dc) = 0;
    virtual XRange Range() const = 0;
    // One sample's statistic, or kAbortValue after a help request.
    virtual float SampleStatistic(Dc& dc) = 0;
    // A run that binned fewer than N statistics shows how many it binned.
    virtual void CorrectEarlyEnd(Dc& dc, long binned);
    virtual void DrawReferenceCurves(Dc& dc) = 0;

    // Title, "# of samples=", "sample size=", and the count axis's top and middle in axisFormat
    // and its 0.
    void DrawLabelBlock(Dc& dc, const char* title, const char* axisFormat, float axisTop) const;
    void DrawSampleCountLine(Dc& dc, long count) const;

    // Draws n values, adding them and their squares in the order drawn; the values go into the
    // line when one is given.
    SampleSums DrawSample(SampleText* line);
    bool ShowsSample() const { return m_pacing.m_delay != 0; }
    // Shows the line for the pause after the sample; value, or kAbortValue after a help request.
    float Present(Dc& dc, const SampleText& line, float value);

    // Columns of the curves: half a column of the range and a fifth of that as integration step.
    void PrepareCurveBins(int columnCap);
    // Dots of scale times the integral of density over each column, on the histogram's axes.
    void PlotExpected(Dc& dc, Colour colour, std::function<double(float)> density, float scale);

    SamplePacing m_pacing;
    PopulationSampler m_sampler;
    std::int16_t m_n = 1;  // sample size
    float m_fN = 1.0f;
    long m_nSamples = 0;   // N
    float m_fCountMax = 0.0f;
    float m_fDone = 0.0f;  // the run's result
    std::int16_t m_tLeft = 0, m_tRight = 0, m_tBottom = 0;

private:
    bool ChooseParameters() final;
    CSampleStatDoc& Doc() const;
    void PrepareRun(const CSampleStatDoc& doc);
    float Run(Dc& dc, CSampleStatDoc& doc);
};

}  // namespace dulm

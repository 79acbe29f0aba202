// The Zentral Limit demonstration: the central limit theorem in standard units. Each sample's
// mean becomes a z score with the population's mean and standard error; the histogram of the
// scores on [-3, 3] is labelled in density units and compared with the standard normal curve.
#pragma once

#include <cstdint>

#include "demos/zentral/ZentDoc.h"
#include "plot/SampleStatView.h"

namespace dulm {

// The top of the count axis for N samples.
float ZentralCountMax(long nSamples, int scaleLarge, int scaleMid);

// The density a bar reaching countMax stands for: columns histogram columns over the width 6 of
// [-3, 3], N scores.
float ZentralDensityMax(int columns, float countMax, long nSamples);

// (sum / n - mu) / se.
float ZScore(float sum, std::int16_t n, float mu, float se);

class CZentView : public CSampleStatView {
public:
    // One sample's z score; its line shows under the plot for the pause unless the delay is 0.
    float SampleZScore(Dc& dc);

protected:
    const char* StatisticName() const override { return "Sample mean"; }
    const char* HistogramOf() const override { return "z scores of sample means"; }
    std::unique_ptr<CSampleDlg> MakeDialog() const override;
    void PrepareStatistic() override;
    float CountAxisTop() const override;
    void DrawLabels(Dc& dc) override;
    XRange Range() const override { return {-3.0f, 3.0f}; }
    float SampleStatistic(Dc& dc) override { return SampleZScore(dc); }
    // The count line and the density axis, relative to the scores actually binned.
    void CorrectEarlyEnd(Dc& dc, long binned) override;
    void DrawReferenceCurves(Dc& dc) override;

private:
    CZentDoc& Doc() const;

    float m_fMu = 0.0f;          // the population mean
    float m_fStdErr = 1.0f;      // sqrt(sigma^2 / n)
    float m_fDensityMax = 0.0f;  // the top of the density axis
};

}  // namespace dulm

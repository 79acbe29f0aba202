// The Sample Variance demonstration: the variance of sample after sample, piled up into a
// histogram on [0, 4 sigma^2] and compared with the chi-square curve of n - 1 degrees of freedom.
#pragma once

#include <cstdint>

#include "demos/variance/VariDoc.h"
#include "plot/SampleStatView.h"

namespace dulm {

// The top of the count axis for N samples: scaleLarge per thousand.
float VarianceCountMax(long nSamples, int scaleLarge);

// The variance of a sample from its sum and sum of squares, with divisor n - 1.
float SampleVarianceOf(float sum, float sumSq, std::int16_t n);

// The chi-square density with df = n - 1 degrees of freedom at u = a x, a = df / sigma^2, without
// its constant factor; c = df / 2 - 1. Zero below x = 0.0001 and where it has fallen below e^-10.
float ChiSquareKernel(float x, double a, double c);

class CVariView : public CSampleStatView {
public:
    // One sample's variance; its line shows under the plot for the pause unless the delay is 0.
    float SampleVariance(Dc& dc);

protected:
    const char* StatisticName() const override { return "Sample variance"; }
    const char* HistogramOf() const override { return "sample variances"; }
    std::unique_ptr<CSampleDlg> MakeDialog() const override;
    void PrepareStatistic() override;
    float CountAxisTop() const override;
    void DrawLabels(Dc& dc) override;
    XRange Range() const override { return {0.0f, static_cast<float>(4.0 * m_dVar)}; }
    float SampleStatistic(Dc& dc) override { return SampleVariance(dc); }
    void DrawReferenceCurves(Dc& dc) override;

private:
    CVariDoc& Doc() const;

    double m_dVar = 1.0;  // the population's variance
    double m_dC = 0.0;    // the chi-square exponent df / 2 - 1
    double m_dA = 1.0;    // the chi-square scale df / sigma^2
};

}  // namespace dulm

// The Student's t demonstration: the t score of sample after sample against the population mean,
// piled up into a histogram and compared with the normal curve and the t curve with n - 1 degrees
// of freedom.
#pragma once

#include <cstdint>

#include "demos/studentt/StutDoc.h"
#include "plot/SampleStatView.h"

namespace dulm {

// The top of the count axis for N samples.
float StudentCountMax(long nSamples, int scaleLarge, int scaleMid);

// The t score of a sample from its sum and sum of squares, with the sample standard deviation of
// divisor n - 1; 1000000 when the sample's variance is 1e-6 or less.
float TScore(float sum, float sumSq, std::int16_t n, float mu);

// (x^2 / df + 1)^exponent: the t density with df degrees of freedom, without its constant factor,
// when the exponent is -(df + 1) / 2.
float TKernel(float x, double df, double exponent);

class CStutView : public CSampleStatView {
public:
    // One sample's t score; its line shows under the plot for the pause unless the delay is 0.
    float SampleTScore(Dc& dc);

protected:
    const char* StatisticName() const override { return "t"; }
    const char* HistogramOf() const override { return "t scores"; }
    std::unique_ptr<CSampleDlg> MakeDialog() const override;
    void PrepareStatistic() override;
    float CountAxisTop() const override;
    void DrawLabels(Dc& dc) override;
    XRange Range() const override { return {-5.0f, 5.0f}; }
    float SampleStatistic(Dc& dc) override { return SampleTScore(dc); }
    void DrawReferenceCurves(Dc& dc) override;

private:
    CStutDoc& Doc() const;

    float m_fMu = 0.0f;         // the population mean
    double m_dDf = 1.0;         // n - 1
    double m_dExponent = -1.0;  // -n / 2
};

}  // namespace dulm

// The Central Limit demonstration: sample after sample from a population, each sample's mean
// added to a histogram that piles up into the normal shape the central limit theorem predicts.
#pragma once

#include "demos/central/CentDoc.h"
#include "plot/SampleStatView.h"

namespace dulm {

// The seven values of the mean axis, m - 3s to m + 3s, in single precision and computed in the
// order the labels have always been computed, so that the printed digits match.
struct MeanAxis {
    float m, s, minus1, plus1, minus2, plus2, plus3, minus3, span;
};
MeanAxis MakeMeanAxis(float m, float s);

// The top of the count axis for N samples.
float CentralCountMax(long nSamples, int scaleLarge, int scaleMid);

class CCentView : public CSampleStatView {
public:
    // One sample's mean; its line shows under the plot for the pause unless the delay is 0.
    float SampleMean(Dc& dc);

protected:
    const char* StatisticName() const override { return "Sample mean"; }
    const char* HistogramOf() const override { return "sample means"; }
    std::unique_ptr<CSampleDlg> MakeDialog() const override;
    void PrepareStatistic() override;
    float CountAxisTop() const override;
    void DrawLabels(Dc& dc) override;
    XRange Range() const override { return {m_axis.minus3, m_axis.plus3}; }
    float SampleStatistic(Dc& dc) override { return SampleMean(dc); }
    void DrawReferenceCurves(Dc& dc) override;

private:
    CCentDoc& Doc() const;

    float m_fMean = 0.0f;  // the shape's mean
    MeanAxis m_axis{};
};

}  // namespace dulm

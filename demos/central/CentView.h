// The Central Limit demonstration: sample after sample from a population, each sample's mean
// added to a histogram that piles up into the normal shape the central limit theorem predicts.
#pragma once

#include <cstdint>

#include "demos/central/CentDoc.h"
#include "plot/Population.h"
#include "plot/SamplingView.h"

namespace dulm {

// The seven values of the mean axis, m - 3s to m + 3s, in single precision and computed in the
// order the labels have always been computed, so that the printed digits match.
struct MeanAxis {
    float m, s, minus1, plus1, minus2, plus2, plus3, minus3, span;
};
MeanAxis MakeMeanAxis(float m, float s);

// The top of the count axis for N samples.
float CentralCountMax(long nSamples, int scaleLarge, int scaleMid);

class CCentView : public CSamplingView {
public:
    void OnDraw(Dc& dc) override;
    void OnKeyUp(unsigned nChar, unsigned nRepCnt, unsigned nFlags) override;

    // One sample's mean; its line shows under the plot for the pause unless the delay is 0.
    float SampleMean(Dc& dc);
    // The expected number of means in the column centred at x.
    double ExpectedCount(float x) const;

protected:
    DemoFlags Flags() override;
    bool ChooseParameters() override;

private:
    CCentDoc& Doc() const;
    void PrepareRun(const CCentDoc& doc);
    void TakeStandardError(CCentDoc& doc) const;
    void DrawLabels(Dc& dc, const MeanAxis& axis, float ymax) const;
    float RunSamples(Dc& dc, CCentDoc& doc, const MeanAxis& axis, float ymax);
    void CorrectSampleCount(Dc& dc, float done) const;
    void DrawExpectedCurve(Dc& dc, const MeanAxis& axis, float ymax);

    SamplePacing m_pacing;
    PopulationSampler m_sampler;
    float m_fMean = 0.0f;         // the shape's mean
    std::int16_t m_n = 1;         // sample size
    float m_fN = 1.0f;
    long m_nSamples = 0;          // N
    std::int16_t m_px0 = 0, m_px1 = 0, m_py0 = 0, m_py1 = 0;
    // The expected-count curve.
    float m_fHalfWidth = 0.0f;
    float m_fStep = 0.0f;
    float m_fRootTwoPiSE = 0.0f;
    double m_dTwoVarN = 1.0;
    float m_fDone = 0.0f;
};

}  // namespace dulm

// The Complete Means demonstration: every ordered sample of size n from the integers 1 to N,
// in odometer order, each mean added to a histogram that is the exact distribution of the mean.
#pragma once

#include <array>
#include <cstdint>

#include "demos/completemeans/AllDoc.h"
#include "plot/SamplingView.h"

namespace dulm {

// The current sample as the digits of an odometer with n wheels numbered 1 to N: the last wheel
// turns fastest. It starts one step before (1, ..., 1).
class SampleOdometer {
public:
    static constexpr int kMaxWheels = 5;

    void Reset(int wheels, int top);
    void Advance();
    std::int16_t operator[](int k) const { return m_digits[size_t(k)]; }
    int Sum() const;

private:
    std::array<std::int16_t, kMaxWheels> m_digits{};
    int m_wheels = 1;
    int m_top = 2;
};

// The top of the count axis for all N^n samples: N^(n - 1), at least 10.
float CompleteMeansCountMax(long count, int popSize);

class CAllView : public CSamplingView {
public:
    void OnDraw(Dc& dc) override;
    void OnKeyUp(unsigned nChar, unsigned nRepCnt, unsigned nFlags) override;
    // N and n, the histogram of the means, and every sample binned so far with its mean.
    void ExportData(DemoData& data) const override;

    // The next sample's mean; its elements, sum and mean show for the pause while details are on.
    float NextCompleteSample(Dc& dc);

protected:
    bool ChooseParameters() override;
    const char* HistogramOf() const override { return "sample means"; }

private:
    CAllDoc& Doc() const;
    void PrepareRun(const CAllDoc& doc);
    void DrawLabels(Dc& dc, float ymax);
    float RunSamples(Dc& dc, CAllDoc& doc, float ymax);
    void DrawDetails(Dc& dc, float mean, const Pen& rulePen) const;
    void DrawExpectedCurve(Dc& dc, float ymax);

    // The run's state, kept per view.
    std::int16_t m_speed = 2;  // pause digit: 500 ms per step
    int m_bShowSample = 1;     // show each sample's details
    SampleOdometer m_digits;
    std::array<std::int16_t, 8> m_rows{};  // y of the elements, the rule, the sum and the mean
    std::int16_t m_x = 0;                  // x of the detail column
    std::int16_t m_n = 1, m_N = 2;
    float m_fN = 2.0f;
    long m_count = 0;                      // N^n
    int m_ch = 0, m_cw = 0;                // the font's height and widest character
    float m_fMu = 0.0f;
    float m_fStdErr = 0.0f;
    double m_dTwoVarN = 1.0;
    std::int16_t m_px0 = 0, m_px1 = 0, m_py0 = 0, m_py1 = 0;
    float m_fDone = 0.0f;
};

}  // namespace dulm

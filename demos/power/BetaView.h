// The Power demonstration: for a sample size n, the distribution of the mean under the null
// hypothesis, N(0, 1/n), and under the alternatives N(+1, 1/n) and N(-1, 1/n), with the part of
// each alternative beyond its one-tailed critical value for alpha = 0.05 hatched: the power of
// the test against it. A still picture: nothing is sampled.
#pragma once

#include "app/DemoView.h"
#include "demos/power/BetaDoc.h"

namespace dulm {

class CBetaView : public CDemoView {
public:
    CBetaView();
    void OnDraw(Dc& dc) override;
    // n and the standard error; the critical values and the areas beyond them under each curve.
    void ExportData(DemoData& data) const override;

protected:
    bool ChooseParameters() override;

private:
    CBetaDoc& Doc() const;
};

}  // namespace dulm

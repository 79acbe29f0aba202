// The Alpha demonstration: the density of a test statistic (standard normal, Student's t with 3
// degrees of freedom or chi-square with 4), its rejection region for alpha = 0.05 shaded and the
// critical value printed. A still picture: nothing is sampled.
#pragma once

#include "app/DemoView.h"
#include "demos/alpha/AlphDoc.h"

namespace dulm {

class CAlphView : public CDemoView {
public:
    CAlphView();
    void OnDraw(Dc& dc) override;
    // The distribution and tails; the critical values and the area of each rejection region.
    void ExportData(DemoData& data) const override;

protected:
    bool ChooseParameters() override;

private:
    CAlphDoc& Doc() const;
};

}  // namespace dulm

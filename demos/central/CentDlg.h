// The parameters of a Central Limit run: number of samples, sample size and population shape.
#pragma once

#include "platform/Dialog.h"

namespace dulm {

class CCentDlg : public CDialog {
public:
    CCentDlg();

    long m_nSamples = 10000;
    int m_nSampleSize = 10;
    int m_nShape = 0;  // PopulationShape, Uniform

protected:
    void DoDataExchange(CDataExchange& dx) override;
};

}  // namespace dulm

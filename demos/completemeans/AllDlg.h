// The parameters of a Complete Means run: sample size n and population size N.
#pragma once

#include "platform/Dialog.h"

namespace dulm {

class CAllDlg : public CDialog {
public:
    CAllDlg();

    int m_nSampleSize = 1;
    int m_nPopSize = 2;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};

}  // namespace dulm

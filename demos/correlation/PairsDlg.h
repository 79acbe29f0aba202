// "How many pairs?": the number of pairs to interchange, 1 to 10.
#pragma once

#include "platform/Dialog.h"
#include "res/Dialogs.h"

namespace dulm {

class CPairsDlg : public CDialog {
public:
    CPairsDlg() : CDialog(res::PairsDialog()) {}

    int m_nPairs = 1;

protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Text(dx, 1001, m_nPairs);
        DDV_MinMaxInt(dx, m_nPairs, 1, 10);
    }
};

}  // namespace dulm

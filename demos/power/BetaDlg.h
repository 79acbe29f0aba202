// The sample size of a Power picture, 1 to 20 (1 unless the user chooses otherwise).
#pragma once

#include "platform/Dialog.h"
#include "res/Dialogs.h"

namespace dulm {

class CBetaDlg : public CDialog {
public:
    CBetaDlg() : CDialog(res::PowerDialog()) {}

    float m_fSampleSize = 1.0f;

protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Text(dx, 1002, m_fSampleSize);
        DDV_MinMaxFloat(dx, m_fSampleSize, 1.0f, 20.0f);
    }
};

}  // namespace dulm

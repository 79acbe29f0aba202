// The parameters of an Alpha picture: the distribution and the tails. Chi-square is always
// one-tailed: choosing it sets "One-tailed" and makes the tail buttons ignore clicks.
#pragma once

#include "platform/Dialog.h"

namespace dulm {

class CAlphDlg : public CDialog {
public:
    CAlphDlg();

    int m_nDist = 0;
    int m_nTails = 0;

    void OnControlClicked(int id, DialogState& state) override;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};

}  // namespace dulm

// The probability of a left bounce, 0 to 1.
#pragma once

#include "platform/Dialog.h"

namespace dulm {

class CProbLeftDlg : public CDialog {
public:
    CProbLeftDlg();

    float m_probLeft = 0.5f;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};

}  // namespace dulm

// The probability of a left bounce: 1/2 (choice 0) or 3/4 (choice 1).
#pragma once

#include "platform/Dialog.h"

namespace dulm {

class CProbChoiceDlg : public CDialog {
public:
    CProbChoiceDlg();

    int m_nChoice = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};

}  // namespace dulm

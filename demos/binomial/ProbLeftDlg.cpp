#include "demos/binomial/ProbLeftDlg.h"

#include "res/Dialogs.h"

namespace dulm {

CProbLeftDlg::CProbLeftDlg() : CDialog(res::BinomialDialog()) {}

void CProbLeftDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, 1002, m_probLeft);
    DDV_MinMaxFloat(dx, m_probLeft, 0.0f, 1.0f);
}

}  // namespace dulm

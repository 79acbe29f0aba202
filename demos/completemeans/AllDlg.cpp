#include "demos/completemeans/AllDlg.h"

#include "res/Dialogs.h"

namespace dulm {

CAllDlg::CAllDlg() : CDialog(res::CompleteMeansDialog()) {}

void CAllDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, 1001, m_nSampleSize);
    DDV_MinMaxInt(dx, m_nSampleSize, 1, 5);
    DDX_Text(dx, 1002, m_nPopSize);
    DDV_MinMaxInt(dx, m_nPopSize, 2, 5);
}

}  // namespace dulm

#include "demos/central/CentDlg.h"

#include "res/Dialogs.h"

namespace dulm {

CCentDlg::CCentDlg() : CDialog(res::CentralDialog()) {}

void CCentDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, 1002, m_nSamples);
    DDV_MinMaxLong(dx, m_nSamples, 1000, 50000);
    DDX_Text(dx, 1001, m_nSampleSize);
    DDV_MinMaxInt(dx, m_nSampleSize, 1, 100);
    DDX_Radio(dx, 1003, m_nShape);
}

}  // namespace dulm

#include "plot/SampleDlg.h"

namespace dulm {

CSampleDlg::CSampleDlg(const DialogTemplate& tmpl, int sampleSize, int shape, int minSize, int maxSize)
    : CDialog(tmpl), m_nSampleSize(sampleSize), m_nShape(shape), m_minSize(minSize), m_maxSize(maxSize) {}

void CSampleDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, 1002, m_nSamples);
    DDV_MinMaxLong(dx, m_nSamples, 1000, 50000);
    DDX_Text(dx, 1001, m_nSampleSize);
    DDV_MinMaxInt(dx, m_nSampleSize, m_minSize, m_maxSize);
    DDX_Radio(dx, 1003, m_nShape);
}

}  // namespace dulm

#include "plot/SampleStatDoc.h"

namespace dulm {

bool CSampleStatDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    m_bDeclined = 0;
    m_bChosen = 0;
    m_bFinished = 0;
    m_nScaleLarge = m_nDefaultScaleLarge;
    m_nScaleMid = m_nDefaultScaleMid;
    m_pBins.reset();
    return true;
}

}  // namespace dulm

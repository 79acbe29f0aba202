#include "demos/studentt/StutDoc.h"

namespace dulm {

bool CStutDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    m_bDeclined = 0;
    m_bChosen = 0;
    m_bFinished = 0;
    m_nScaleLarge = 6;
    m_nScaleMid = 2;
    m_pBins.reset();
    return true;
}

}  // namespace dulm

#include "demos/variance/VariDoc.h"

namespace dulm {

bool CVariDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    m_bFinished = 0;
    m_bDeclined = 0;
    m_bChosen = 0;
    m_nScaleLarge = 10;
    m_pBins.reset();
    return true;
}

}  // namespace dulm

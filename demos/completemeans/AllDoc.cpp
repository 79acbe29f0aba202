#include "demos/completemeans/AllDoc.h"

namespace dulm {

bool CAllDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    m_bFinished = 0;
    m_bDeclined = 0;
    m_bChosen = 0;
    m_pBins.reset();
    return true;
}

}  // namespace dulm

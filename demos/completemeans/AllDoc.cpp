#include "demos/completemeans/AllDoc.h"

namespace dulm {

bool CAllDoc::OnNewDocument() {
    if (!CDemoDoc::OnNewDocument()) return false;
    m_bFinished = 0;
    m_bins.reset();
    return true;
}

}  // namespace dulm

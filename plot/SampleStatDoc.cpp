#include "plot/SampleStatDoc.h"

namespace dulm {

bool CSampleStatDoc::OnNewDocument() {
    if (!CDemoDoc::OnNewDocument()) return false;
    m_bFinished = 0;
    m_nScaleLarge = m_nDefaultScaleLarge;
    m_nScaleMid = m_nDefaultScaleMid;
    m_bins.reset();
    return true;
}

}  // namespace dulm

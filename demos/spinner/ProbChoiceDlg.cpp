#include "demos/spinner/ProbChoiceDlg.h"

#include "res/Dialogs.h"

namespace dulm {

CProbChoiceDlg::CProbChoiceDlg() : CDialog(res::SpinnerDialog()) {}

void CProbChoiceDlg::DoDataExchange(CDataExchange& dx) { DDX_Radio(dx, 1003, m_nChoice); }

}  // namespace dulm

#include "demos/alpha/AlphDlg.h"

#include "res/Dialogs.h"

namespace dulm {

namespace {

constexpr int kNormal = 1003;
constexpr int kStudent = 1004;
constexpr int kChiSquare = 1005;
constexpr int kOneTailed = 1011;
constexpr int kTwoTailed = 1012;

}  // namespace

CAlphDlg::CAlphDlg() : CDialog(res::AlphaDialog()) {}

void CAlphDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Radio(dx, kNormal, m_nDist);
    DDX_Radio(dx, kOneTailed, m_nTails);
}

// Normal and Student's make the tail buttons usable again, chi-square makes them plain buttons
// that a click does not set; each resets the test to one-tailed.
void CAlphDlg::OnControlClicked(int id, DialogState& state) {
    if (id != kNormal && id != kStudent && id != kChiSquare) return;
    const bool usable = id != kChiSquare;
    state[kOneTailed].autoRadio = usable;
    state[kTwoTailed].autoRadio = usable;
    state[kOneTailed].checked = true;
    state[kTwoTailed].checked = false;
}

}  // namespace dulm

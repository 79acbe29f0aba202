// The parameters of a Sample Variance run: 10000 samples of size 10 (2 to 50) from the V-shaped
// population unless the user chooses otherwise.
#pragma once

#include "plot/SampleDlg.h"
#include "res/Dialogs.h"

namespace dulm {

class CVariDlg : public CSampleDlg {
public:
    CVariDlg() : CSampleDlg(res::VarianceDialog(), 10, 1, 2, 50) {}
};

}  // namespace dulm

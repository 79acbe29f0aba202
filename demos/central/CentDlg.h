// The parameters of a Central Limit run: 10000 samples of size 10 (1 to 100) from the Uniform
// population unless the user chooses otherwise.
#pragma once

#include "plot/SampleDlg.h"
#include "res/Dialogs.h"

namespace dulm {

class CCentDlg : public CSampleDlg {
public:
    CCentDlg() : CSampleDlg(res::CentralDialog(), 10, 0, 1, 100) {}
};

}  // namespace dulm

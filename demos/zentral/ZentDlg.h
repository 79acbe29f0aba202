// The parameters of a Zentral Limit run: 10000 samples of size 10 (1 to 100) from the V-shaped
// population unless the user chooses otherwise.
#pragma once

#include "plot/SampleDlg.h"
#include "res/Dialogs.h"

namespace dulm {

class CZentDlg : public CSampleDlg {
public:
    CZentDlg() : CSampleDlg(res::ZentralDialog(), 10, 1, 1, 100) {}
};

}  // namespace dulm

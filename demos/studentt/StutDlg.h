// The parameters of a Student's t run: 10000 samples of size 3 (2 to 100) from the V-shaped
// population unless the user chooses otherwise.
#pragma once

#include "plot/SampleDlg.h"
#include "res/Dialogs.h"

namespace dulm {

class CStutDlg : public CSampleDlg {
public:
    CStutDlg() : CSampleDlg(res::StudentTDialog(), 3, 1, 2, 100) {}
};

}  // namespace dulm

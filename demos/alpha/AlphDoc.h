// An Alpha window's parameters and flags.
#pragma once

#include "app/DemoView.h"

namespace dulm {

class CAlphDoc : public CDemoDoc {
public:
    int m_nTails = 0;  // 0 one-tailed, 1 two-tailed
    int m_nDist = 0;   // 0 Normal, 1 Student's t (df 3), 2 chi-square (df 4)
};

}  // namespace dulm

// A Central Limit window's parameters, flags and finished histogram.
#pragma once

#include "plot/SampleStatDoc.h"

namespace dulm {

class CCentDoc : public CSampleStatDoc {
public:
    CCentDoc() : CSampleStatDoc(4, 2) {}

    double m_dTwoVarN = 0.0;  // 2 * population variance / n
    float m_fStdErr = 0.0f;   // sqrt(variance / n)
};

}  // namespace dulm

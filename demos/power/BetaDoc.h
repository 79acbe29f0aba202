// A Power window's sample size and flags.
#pragma once

#include "app/DemoView.h"

namespace dulm {

class CBetaDoc : public CDemoDoc {
public:
    float m_fSampleSize = 1.0f;  // n, 1 to 20, not necessarily whole
};

}  // namespace dulm

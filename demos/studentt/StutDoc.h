// A Student's t window's parameters, flags and finished histogram.
#pragma once

#include "plot/SampleStatDoc.h"

namespace dulm {

class CStutDoc : public CSampleStatDoc {
public:
    CStutDoc() : CSampleStatDoc(6, 2) {}
};

}  // namespace dulm

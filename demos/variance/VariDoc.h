// A Sample Variance window's parameters, flags and finished histogram; its count axis has
// one rule for every N.
#pragma once

#include "plot/SampleStatDoc.h"

namespace dulm {

class CVariDoc : public CSampleStatDoc {
public:
    CVariDoc() : CSampleStatDoc(10, 0) {}
};

}  // namespace dulm

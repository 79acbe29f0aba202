// A Zentral Limit window's parameters, flags and finished histogram.
#pragma once

#include "plot/SampleStatDoc.h"

namespace dulm {

class CZentDoc : public CSampleStatDoc {
public:
    CZentDoc() : CSampleStatDoc(4, 2) {}
};

}  // namespace dulm

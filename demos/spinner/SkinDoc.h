// A Binomial Spinner window's flags, its choice of probability and its final counts.
#pragma once

#include <array>
#include <cstdint>

#include "app/DemoView.h"

namespace dulm {

class CSkinDoc : public CDemoDoc {
public:
    bool OnNewDocument() override {
        if (!CDemoDoc::OnNewDocument()) return false;
        m_bFinished = 0;
        return true;
    }

    int m_nChoice = 0;    // 0: left with probability 1/2, 1: with 3/4
    int m_bFinished = 0;  // all balls landed and the counts stored
    int m_bAborted = 0;   // stopped with Esc: later paints draw nothing
    std::array<std::int16_t, 4> m_binCounts{};  // bins 0 (left) to 3 (right)
};

}  // namespace dulm

// A Binomial window's flags, its probability of a left bounce and its final counts.
#pragma once

#include <array>
#include <cstdint>

#include "app/DemoView.h"

namespace dulm {

class CQuinDoc : public CDemoDoc {
public:
    bool OnNewDocument() override {
        if (!CDemoDoc::OnNewDocument()) return false;
        m_bFinished = 0;
        m_bAborted = 0;
        return true;
    }

    int m_bAborted = 0;        // stopped with Esc: later paints draw nothing
    int m_bFinished = 0;       // all balls landed and the counts stored
    float m_probLeft = 0.0f;   // the accepted probability of a left bounce
    std::array<std::int16_t, 9> m_binCounts{};  // bins 0 (far left) to 8 (far right)
};

}  // namespace dulm

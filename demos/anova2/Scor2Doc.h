// An Anova2 window's experiment: the speeds and size of its targets, and the scores of the data
// session's four cells once it is over.
#pragma once

#include <array>
#include <cstdint>

#include "platform/Document.h"

namespace dulm {

class CScor2Doc : public CDocument {
public:
    bool OnNewDocument() override {
        if (!CDocument::OnNewDocument()) return false;
        m_bAborted = 0;
        m_bFinished = 0;
        m_slowSpeed = 6;
        m_fastSpeed = 15;
        m_targetSize = 2;
        return true;
    }

    int m_bAborted = 0;   // stopped with Esc: paints draw nothing
    int m_bFinished = 0;  // data session and table complete: paints show the results
    std::int16_t m_slowSpeed = 0;
    std::int16_t m_fastSpeed = 0;
    std::int16_t m_targetSize = 0;
    // Slow x Whole, Fast x Whole, Slow x 1/4, Fast x 1/4: the scores in the order the targets came.
    std::array<std::array<std::int16_t, 8>, 4> m_cellScores{};
    std::array<std::int16_t, 4> m_cellTotals{};
};

}  // namespace dulm

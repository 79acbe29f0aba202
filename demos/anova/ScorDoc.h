// An Anova window's experiment: the speeds and size of its targets, and the scores of the data
// session once it is over.
#pragma once

#include <array>
#include <cstdint>

#include "platform/Document.h"

namespace dulm {

class CScorDoc : public CDocument {
public:
    bool OnNewDocument() override {
        if (!CDocument::OnNewDocument()) return false;
        m_slowSpeed = 6;
        m_fastSpeed = 15;
        m_targetSize = 2;
        m_bAborted = 0;
        m_bFinished = 0;
        return true;
    }

    std::int16_t m_slowSpeed = 0;
    std::int16_t m_fastSpeed = 0;
    std::int16_t m_targetSize = 0;
    // The data session's scores, in the order the targets came.
    std::array<std::int16_t, 8> m_slowScores{};
    std::array<std::int16_t, 8> m_fastScores{};
    std::int16_t m_slowTotal = 0;
    std::int16_t m_fastTotal = 0;
    int m_bAborted = 0;   // stopped with Esc: paints draw nothing
    int m_bFinished = 0;  // data session and table complete: paints show the results
};

}  // namespace dulm

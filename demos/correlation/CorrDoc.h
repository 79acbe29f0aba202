// A Correlation window's 26 points: x values and y values drawn separately, each sorted and
// centred, so that the i-th smallest x starts paired with the i-th smallest y.
#pragma once

#include <array>
#include <cstdint>

#include "platform/Document.h"

namespace dulm {

inline constexpr int kCorrPoints = 26;
using CorrValues = std::array<float, kCorrPoints>;

// Fills the array with 13 values from 0 to 4.5 and 13 from -4.5 to 0, centres them on 0 and
// sorts them; draws again while a value lies outside -5 to 5 or all are equal. Returns their
// standard deviation (divisor 26).
float GenerateSortedSample(CorrValues& values);

class CCorrDoc : public CDocument {
public:
    CCorrDoc();
    bool OnNewDocument() override;
    // "&Circles" and "&Letters" with their check marks; a redraw only when the mode changes.
    bool OnCommand(unsigned id) override;
    bool OnUpdateCommand(CCmdUI& cmdUI) override;

    int m_bLetters = 1;          // 1: each point shows its letter; 0: every point an "o"
    std::int16_t m_nPairs = 0;   // pairs still to interchange; 0 between interchanges
    CorrValues m_x{};
    CorrValues m_y{};
    std::array<char, kCorrPoints> m_letters{};  // each travels with its y value
    float m_sdX = 0.0f;
    float m_sdY = 0.0f;
};

// Swaps the y values (and letters) of m_nPairs pairs of distinct points picked at random.
void InterchangePairs(CCorrDoc& doc);

}  // namespace dulm

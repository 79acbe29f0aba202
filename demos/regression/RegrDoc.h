// A Regression window's five points: x = -2 to 2, lettered "a" to "e" from left to right, with
// random y values.
#pragma once

#include <array>

#include "platform/Document.h"

namespace dulm {

inline constexpr int kRegrPoints = 5;

class CRegrDoc : public CDocument {
public:
    bool OnNewDocument() override;

    std::array<double, kRegrPoints> m_x{0.0, 1.0, -1.0, 2.0, -2.0};
    std::array<double, kRegrPoints> m_y{};
    std::array<char, kRegrPoints> m_letters{'c', 'd', 'b', 'e', 'a'};
    double m_sdX = 0.0;    // sqrt(2)
    double m_sdY = 0.0;
    double m_meanY = 0.0;
    int m_bFresh = 1;      // the next paint starts from a fresh scatterplot
    int m_bUserLine = 1;   // the line shown is the user's; 0 once the least-squares line shows
};

}  // namespace dulm

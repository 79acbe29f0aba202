// The line under a plot that shows one sample while the run pauses: centred, drawn in the
// current text colour, and erased by drawing it again in the background colour.
#pragma once

#include <string>
#include <string_view>

#include "platform/Dc.h"

namespace dulm {

class SampleLine {
public:
    // Centres the text on centreSum / 2 (the sum of the plot's left and right edges) at y.
    void Draw(Dc& dc, std::string_view text, int centreSum, int y);
    // Draws the last text again in the background colour; the text colour is restored.
    void Erase(Dc& dc, Colour background = kGrey) const;

private:
    std::string m_text;
    int m_x = 0;
    int m_y = 0;
};

}  // namespace dulm

#include "plot/SampleLine.h"

#include <cstdint>

namespace dulm {

void SampleLine::Draw(Dc& dc, std::string_view text, int centreSum, int y) {
    m_text.assign(text);
    m_x = static_cast<std::int16_t>((centreSum - dc.GetTextExtentPoint(text).cx) / 2);
    m_y = y;
    dc.TextOut(m_x, m_y, m_text);
}

void SampleLine::Erase(Dc& dc, Colour background) const {
    const DcStateSaver keep(dc);
    dc.SetTextColor(background);
    dc.TextOut(m_x, m_y, m_text);
}

}  // namespace dulm

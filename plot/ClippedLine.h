// A line whose ends may lie far outside the canvas, drawn pixel for pixel as the device context
// draws it, but walking only the part that can show.
#pragma once

#include "platform/Dc.h"

namespace dulm {

// The ends of a clipped line lie within this distance of the origin in both coordinates, so
// that its arithmetic stays within 64 bits.
inline constexpr int kClippedLineReach = 1 << 28;

// Draws with the selected pen exactly the pixels of dc.MoveTo(from); dc.LineTo(to) that lie in
// bounds (right and bottom exclusive), the target pixel left out as LineTo leaves it. LineTo
// would step through every pixel of a line a million pixels long; this steps only through the
// visible ones, in runs along the line's major axis, each drawn by LineTo itself. Leaves the
// current position at the end of the last run drawn.
void LineWithin(Dc& dc, Point from, Point to, const Rect& bounds);

}  // namespace dulm

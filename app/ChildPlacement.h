// The placement rules of a demonstration window: it opens restored, covering the whole MDI client
// area, and cannot be made smaller than a fifth of that area as measured when the latest
// demonstration window was created.
#pragma once

#include "platform/Gdi.h"

namespace dulm {

class ChildPlacement {
public:
    // A child window is being created inside this MDI client rectangle; returns its normal
    // (restored) placement and records the measurements every child's minimum size follows.
    static Rect OnChildCreate(const Rect& mdiClient);
    // The minimum tracking size of every demonstration window.
    static Size MinTrackSize();

private:
    // Origin x and y, width + 1 and height + 1 of the MDI client, at the latest child creation.
    static inline int s_x = 0, s_y = 0, s_width1 = 0, s_height1 = 0;
};

}  // namespace dulm

#include "app/ChildPlacement.h"

namespace dulm {

// The client rectangle's right and bottom are exclusive, so width + 1 is right - left + 1.
Rect ChildPlacement::OnChildCreate(const Rect& mdiClient) {
    s_x = mdiClient.left;
    s_y = mdiClient.top;
    s_width1 = mdiClient.right - mdiClient.left + 1;
    s_height1 = mdiClient.bottom - mdiClient.top + 1;
    return mdiClient;
}

Size ChildPlacement::MinTrackSize() { return {s_width1 / 5, s_height1 / 5}; }

}  // namespace dulm

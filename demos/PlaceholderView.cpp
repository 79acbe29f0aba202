#include "demos/PlaceholderView.h"

#include "app/ViewConventions.h"

namespace dulm {

void CPlaceholderView::OnDraw(Dc& dc) {
    PaintGreyBackground(dc);
    const auto font = SelectScaledFont(dc, *m_pFrame);
}

}  // namespace dulm

#include "demos/PlaceholderView.h"

#include "app/ViewConventions.h"

namespace dulm {

void CPlaceholderView::OnInitialUpdate() { SetScaleToFitSize(m_pFrame->ReferenceCanvas()); }

void CPlaceholderView::OnDraw(Dc& dc) {
    PaintGreyBackground(dc);
    const auto font = SelectScaledFont(dc, *m_pFrame);
}

}  // namespace dulm

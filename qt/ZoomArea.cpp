#include "qt/ZoomArea.h"

#include <algorithm>

#include <QScrollBar>

namespace dulm {

int ZoomArea::StepIn(int percent) {
    for (int step : kSteps)
        if (step > percent) return step;
    return kSteps[std::size(kSteps) - 1];
}

int ZoomArea::StepOut(int percent) {
    int below = kSteps[0];
    for (int step : kSteps)
        if (step < percent) below = step;
    return below;
}

ZoomArea::ZoomArea(QWidget* view) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidgetResizable(true);
    setWidget(view);
    setFocusProxy(view);
}

void ZoomArea::SetZoom(int percent) {
    percent = std::clamp(percent, kSteps[0], kSteps[std::size(kSteps) - 1]);
    if (percent == m_percent) return;
    // The point in the middle of the area, as a fraction of the picture.
    const QSize before = widget()->size();
    const double fx = (horizontalScrollBar()->value() + viewport()->width() / 2.0) / std::max(1, before.width());
    const double fy = (verticalScrollBar()->value() + viewport()->height() / 2.0) / std::max(1, before.height());
    m_percent = percent;
    Layout();
    const QSize after = widget()->size();
    horizontalScrollBar()->setValue(int(fx * after.width() - viewport()->width() / 2.0));
    verticalScrollBar()->setValue(int(fy * after.height() - viewport()->height() / 2.0));
}

// At 100% the view is the area's own size, as a window without zoom; zoomed, the area's size
// without scroll bars times the zoom, so that the bars appearing do not change it.
void ZoomArea::Layout() {
    if (m_percent == 100) {
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setWidgetResizable(true);
        return;
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(false);
    widget()->resize(maximumViewportSize() * m_percent / 100);
}

void ZoomArea::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    if (m_percent != 100) Layout();
}

}  // namespace dulm

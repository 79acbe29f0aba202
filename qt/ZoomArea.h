// The client area of a demonstration window around its view: at 100% the view fills it; zoomed,
// the view is that many times the area's size (the picture drawn again at that size) and scroll
// bars move about it.
#pragma once

#include <QScrollArea>

namespace dulm {

class ZoomArea final : public QScrollArea {
    Q_OBJECT
public:
    // The steps of Zoom In and Zoom Out, in percent.
    static constexpr int kSteps[] = {100, 125, 150, 175, 200, 250, 300};
    static int StepIn(int percent);
    static int StepOut(int percent);

    explicit ZoomArea(QWidget* view);

    int Zoom() const { return m_percent; }
    // Keeps the point in the middle of the area where it was.
    void SetZoom(int percent);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Layout();

    int m_percent = 100;
};

}  // namespace dulm

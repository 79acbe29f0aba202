#include "platform/Canvas.h"

namespace dulm {

Canvas::Canvas(Size size, Colour fill)
    : m_size(size), m_image(size.cx, size.cy, QImage::Format_RGB32) {
    m_image.fill(QColor(fill.r, fill.g, fill.b));
}

QImage Canvas::Snapshot() const {
    auto lock = Lock();
    return m_image.copy();
}

Colour Canvas::PixelAt(int x, int y) const {
    auto lock = Lock();
    if (x < 0 || y < 0 || x >= m_size.cx || y >= m_size.cy) return kBlack;
    return Colour::FromRgb(m_image.pixel(x, y) & 0xFFFFFFu);
}

}  // namespace dulm

#include "platform/Canvas.h"

#include <new>
#include <utility>

namespace dulm {

namespace {

// QImage answers a failed allocation (or a size it cannot address) with a null image.
QImage Allocate(Size size, Colour fill) {
    QImage image(size.cx, size.cy, QImage::Format_RGB32);
    if (image.isNull() && size.cx > 0 && size.cy > 0) throw std::bad_alloc();
    image.fill(QColor(fill.r, fill.g, fill.b));
    return image;
}

}  // namespace

Canvas::Canvas(Size size, Colour fill) : m_size(size), m_image(Allocate(size, fill)) {}

void Canvas::Resize(Size size, Colour fill) {
    QImage image = Allocate(size, fill);
    {
        auto lock = Lock();
        m_image = std::move(image);
        m_size = size;
    }
    MarkChanged();
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

#include "platform/Canvas.h"

#include <utility>

namespace dulm {

Canvas::Canvas(Size size, Colour fill) : m_size(size), m_pixels(size, fill) {}

void Canvas::Resize(Size size, Colour fill) {
    Bitmap pixels(size, fill);
    {
        auto lock = Lock();
        m_pixels = std::move(pixels);
        m_size = size;
        m_texts.Clear();
    }
    MarkChanged();
}

Bitmap Canvas::Snapshot() const {
    auto lock = Lock();
    return m_pixels;
}

void Canvas::CopyTo(Bitmap& picture) const {
    auto lock = Lock();
    picture = m_pixels;
}

std::vector<PictureText> Canvas::Texts() {
    auto lock = Lock();
    return m_texts.Shown(m_pixels);
}

Colour Canvas::PixelAt(int x, int y) const {
    auto lock = Lock();
    return m_pixels.PixelAt(x, y);
}

}  // namespace dulm

#include "platform/Canvas.h"

#include <cstdint>
#include <utility>

namespace dulm {

Canvas::Canvas(Size size, Colour fill) : m_size(size), m_pixels(size, fill) {}

Canvas::Canvas(Size size, Size device, Colour fill) : m_size(size), m_pixels(device, fill) {}

void Canvas::Resize(Size size, Colour fill) { Resize(size, size, fill); }

void Canvas::Resize(Size size, Size device, Colour fill) {
    Bitmap pixels(device, fill);
    {
        auto lock = Lock();
        if (!m_palette->IsIdentity()) pixels.Fill(m_palette->Shown(fill));
        m_pixels = std::move(pixels);
        m_size = size;
        m_texts.Clear();
    }
    MarkChanged();
}

void Canvas::SetDeviceSize(Size device) {
    if (device == m_pixels.GetSize()) return;
    Bitmap pixels(device);
    {
        auto lock = Lock();
        const Size from = m_pixels.GetSize();
        if (from.cx > 0 && from.cy > 0) {
            for (int y = 0; y < device.cy; ++y) {
                const std::uint32_t* src = m_pixels.Row(int(std::int64_t(y) * from.cy / device.cy));
                std::uint32_t* dst = pixels.Row(y);
                for (int x = 0; x < device.cx; ++x) dst[x] = src[std::int64_t(x) * from.cx / device.cx];
            }
        }
        m_pixels = std::move(pixels);
        m_texts.Clear();  // the view draws them again at the new size
    }
    MarkChanged();
}

void Canvas::CopyPicture(const Canvas& other) {
    auto lock = other.Lock();
    m_pixels = other.m_pixels;
    m_size = other.m_size;
    m_palette = other.m_palette;
}

void Canvas::SetPalette(const Palette& palette) {
    {
        auto lock = Lock();
        if (&palette == m_palette) return;
        if (!m_pixels.IsNull())
            Repaint(m_pixels.Row(0), std::size_t(m_pixels.Width()) * std::size_t(m_pixels.Height()), *m_palette, palette);
        m_palette = &palette;
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
    return m_texts.Shown(m_pixels, *m_palette);
}

void Canvas::SetDescription(std::string description) {
    auto lock = Lock();
    m_description = std::move(description);
}

std::string Canvas::Description() const {
    auto lock = Lock();
    return m_description;
}

Colour Canvas::PixelAt(int x, int y) const {
    auto lock = Lock();
    return m_pixels.PixelAt(x, y);
}

}  // namespace dulm

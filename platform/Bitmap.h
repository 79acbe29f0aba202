// A picture in memory: 32-bit pixels 0xFFRRGGBB, rows of Stride() pixels, top row first. The layout
// is what toolkits call RGB32, so a front end can show the pixels without converting them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/Gdi.h"

namespace dulm {

class Bitmap {
public:
    // An empty picture of no pixels.
    Bitmap() = default;
    // Throws std::bad_alloc when the pixels cannot be allocated (or could not be addressed).
    explicit Bitmap(Size size, Colour fill = kWhite);
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&&) noexcept = default;
    Bitmap& operator=(Bitmap&&) noexcept = default;

    Size GetSize() const { return m_size; }
    int Width() const { return m_size.cx; }
    int Height() const { return m_size.cy; }
    bool IsNull() const { return m_size.cx <= 0 || m_size.cy <= 0; }
    // Pixels from one row to the next.
    int Stride() const { return m_size.cx; }

    std::uint32_t* Row(int y) { return m_pixels.get() + std::size_t(y) * std::size_t(Stride()); }
    const std::uint32_t* Row(int y) const { return m_pixels.get() + std::size_t(y) * std::size_t(Stride()); }
    // Black outside the picture.
    Colour PixelAt(int x, int y) const;
    void Fill(Colour c);

    // Same size and the same colour at every pixel.
    friend bool operator==(const Bitmap& a, const Bitmap& b);

    static constexpr std::uint32_t Pixel(Colour c) { return 0xFF000000u | c.Rgb(); }

private:
    std::size_t PixelCount() const { return std::size_t(m_size.cx) * std::size_t(m_size.cy); }

    Size m_size;
    std::unique_ptr<std::uint32_t[]> m_pixels;
};

}  // namespace dulm

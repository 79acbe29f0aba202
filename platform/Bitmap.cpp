#include "platform/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace dulm {

namespace {

// A picture is refused beyond 2 GiB (a canvas of 23000 x 23000 pixels), as the memory of a
// 32-bit program would be, rather than asking the allocator for more than it can give.
constexpr std::size_t kMaxPixels = (std::size_t(1) << 31) / sizeof(std::uint32_t);

// The pixels of a picture of this size; none for an empty one.
std::unique_ptr<std::uint32_t[]> Allocate(Size size) {
    if (size.cx <= 0 || size.cy <= 0) return nullptr;
    if (std::size_t(size.cy) > kMaxPixels / std::size_t(size.cx)) throw std::bad_alloc();
    return std::unique_ptr<std::uint32_t[]>(new std::uint32_t[std::size_t(size.cx) * std::size_t(size.cy)]);
}

}  // namespace

Bitmap::Bitmap(Size size, Colour fill) : m_size(size), m_pixels(Allocate(size)) {
    if (!m_pixels) m_size = {};
    Fill(fill);
}

Bitmap::Bitmap(const Bitmap& other) : m_size(other.m_size), m_pixels(Allocate(other.m_size)) {
    if (m_pixels) std::memcpy(m_pixels.get(), other.m_pixels.get(), PixelCount() * sizeof(std::uint32_t));
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this == &other) return *this;
    if (m_size != other.m_size) {
        m_pixels = Allocate(other.m_size);
        m_size = other.m_size;
    }
    if (m_pixels) std::memcpy(m_pixels.get(), other.m_pixels.get(), PixelCount() * sizeof(std::uint32_t));
    return *this;
}

Colour Bitmap::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_size.cx || y >= m_size.cy) return kBlack;
    return Colour::FromRgb(Row(y)[x] & 0xFFFFFFu);
}

void Bitmap::Fill(Colour c) {
    if (m_pixels) std::fill_n(m_pixels.get(), PixelCount(), Pixel(c));
}

bool operator==(const Bitmap& a, const Bitmap& b) {
    if (a.m_size != b.m_size) return false;
    return a.PixelCount() == 0 ||
           std::memcmp(a.m_pixels.get(), b.m_pixels.get(), a.PixelCount() * sizeof(std::uint32_t)) == 0;
}

}  // namespace dulm

// Value types of the drawing interface: points, sizes, rectangles, colours, pens, brushes, fonts.
#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace dulm {

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend constexpr bool operator==(const Size&, const Size&) = default;
};

// A rectangle whose right and bottom edges are exclusive, as the drawing interface counts them.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(const Colour&, const Colour&) = default;
    // 0x00RRGGBB, the layout of the canvas pixels.
    constexpr std::uint32_t Rgb() const { return (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b; }
    static constexpr Colour FromRgb(std::uint32_t v) {
        return {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
    }
};

constexpr Colour RGB(int r, int g, int b) { return {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)}; }

// The program's colours.
inline constexpr Colour kBlack = RGB(0, 0, 0);
inline constexpr Colour kWhite = RGB(255, 255, 255);
inline constexpr Colour kGrey = RGB(192, 192, 192);        // background of every demonstration
inline constexpr Colour kLightGrey = RGB(228, 228, 228);   // expected curves, experiment text
inline constexpr Colour kRed = RGB(192, 0, 0);
inline constexpr Colour kGreen = RGB(0, 168, 0);
inline constexpr Colour kBlue = RGB(0, 0, 180);
// Nothing is ever drawn in this colour, so a flood fill bounded by it covers the whole view.
inline constexpr Colour kNeverDrawn = RGB(4, 8, 12);

struct Pen {
    Colour colour = kBlack;
    int width = 1;
    friend bool operator==(const Pen&, const Pen&) = default;
};

enum class HatchStyle { BDiagonal, FDiagonal };  // HS_BDIAGONAL "/", HS_FDIAGONAL "\"

struct Brush {
    enum class Kind { Solid, Hatched, Hollow };
    Kind kind = Kind::Solid;
    Colour colour = kWhite;
    HatchStyle hatch = HatchStyle::BDiagonal;

    static constexpr Brush Solid(Colour c) { return {Kind::Solid, c, HatchStyle::BDiagonal}; }
    static constexpr Brush Hatch(HatchStyle h, Colour c) { return {Kind::Hatched, c, h}; }
    static constexpr Brush Hollow() { return {Kind::Hollow, kWhite, HatchStyle::BDiagonal}; }  // NULL_BRUSH
    static constexpr Brush StockBlack() { return Solid(kBlack); }                              // BLACK_BRUSH
    friend bool operator==(const Brush&, const Brush&) = default;
};

// A font as the views select it. pixelSize is the character height in canvas pixels.
struct Font {
    std::string face;
    int pixelSize = 16;
    bool bold = false;
    bool fixedPitch = false;
    friend bool operator==(const Font&, const Font&) = default;

    // Bold Arial of the given point size on a 96 dpi device: height -MulDiv(points, 96, 72).
    static Font BoldArial(int points);
    // The stock fixed-pitch system font (SYSTEM_FIXED_FONT).
    static Font SystemFixed();
    // The font a fresh device context has selected.
    static Font DeviceDefault();
};

// MulDiv: a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c);

enum class BkMode { Transparent = 1, Opaque = 2 };

struct TextMetrics {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
};

}  // namespace dulm

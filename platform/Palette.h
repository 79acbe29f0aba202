// The colours a picture's pixels are written in. The views draw with the program's colours; a
// palette decides which pixel each colour becomes. A palette is a permutation of all colours (the
// program's colours trade places with their replacements, every other colour stays itself), so
// that two different colours never become the same pixel: erasing by drawing again in the
// background colour restores every pixel, and a flood fill finds the same boundaries, whichever
// palette the canvas has.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Gdi.h"

namespace dulm {

class Palette {
public:
    // The colours as the demonstrations were always drawn.
    static const Palette& Classic();
    // For a projector: every colour the demonstrations draw stands out by at least 3:1 against the
    // background it is drawn on, and the red and the green differ in lightness and hue for viewers
    // who cannot tell red from green.
    static const Palette& Projector();
    // "classic" or "projector"; null for any other name.
    static const Palette* Named(std::string_view name);

    std::string_view Name() const { return m_name; }
    bool IsIdentity() const { return m_moves.empty(); }
    // The pixel (0xFFRRGGBB) a colour is written as, and the colour a pixel shows.
    std::uint32_t Pixel(Colour c) const;
    Colour ColourOf(std::uint32_t pixel) const;
    // The colour a program colour is shown in.
    Colour Shown(Colour c) const { return Colour::FromRgb(Pixel(c) & 0xFFFFFFu); }

private:
    // replacements: each program colour and the colour it is shown in. The colours shown that are
    // not program colours take the places the replaced colours leave, so that the whole is a
    // permutation.
    Palette(std::string_view name, std::span<const std::pair<Colour, Colour>> replacements);

    std::string_view m_name;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> m_moves;    // colour -> shown, every moved colour
};

// The pixels of a picture written in one palette, rewritten in another.
void Repaint(std::uint32_t* pixels, std::size_t count, const Palette& from, const Palette& to);

}  // namespace dulm

#include "platform/Palette.h"

#include <algorithm>
#include <array>

namespace dulm {

namespace {

constexpr std::array<std::pair<Colour, Colour>, 5> kProjector{{
    {kGrey, RGB(255, 255, 255)},       // the background turns white,
    {kWhite, RGB(240, 240, 240)},      // so white boxes turn a light grey that dark colours stand on,
    {kLightGrey, RGB(118, 118, 118)},  // light grey curves and texts a middle grey (on white and on black),
    {kRed, RGB(185, 25, 0)},            // the red a deeper, orange red
    {kGreen, RGB(0, 168, 122)},        // and the green a bluish green, lighter than the red
}};

}  // namespace

Palette::Palette(std::string_view name, std::span<const std::pair<Colour, Colour>> replacements) : m_name(name) {
    auto replacement = [&](std::uint32_t c) -> const std::pair<Colour, Colour>* {
        for (const auto& r : replacements)
            if (r.first.Rgb() == c) return &r;
        return nullptr;
    };
    for (const auto& [from, to] : replacements) m_moves.emplace_back(from.Rgb(), to.Rgb());
    // Each chain that starts at a replaced colour nobody turns into ends at a colour that is no
    // program colour: that one takes the start's place, closing the cycle.
    for (const auto& start : replacements) {
        const bool isImage = std::any_of(replacements.begin(), replacements.end(),
                                         [&](const auto& r) { return r.second == start.first; });
        if (isImage) continue;
        std::uint32_t end = start.second.Rgb();
        while (const auto* next = replacement(end)) end = next->second.Rgb();
        if (end != start.first.Rgb()) m_moves.emplace_back(end, start.first.Rgb());
    }
}

const Palette& Palette::Classic() {
    static const Palette classic("classic", {});
    return classic;
}

const Palette& Palette::Projector() {
    static const Palette projector("projector", kProjector);
    return projector;
}

const Palette* Palette::Named(std::string_view name) {
    if (name == Classic().Name()) return &Classic();
    if (name == Projector().Name()) return &Projector();
    return nullptr;
}

std::uint32_t Palette::Pixel(Colour c) const {
    std::uint32_t rgb = c.Rgb();
    for (const auto& [from, to] : m_moves)
        if (from == rgb) {
            rgb = to;
            break;
        }
    return 0xFF000000u | rgb;
}

Colour Palette::ColourOf(std::uint32_t pixel) const {
    const std::uint32_t rgb = pixel & 0xFFFFFFu;
    for (const auto& [from, to] : m_moves)
        if (to == rgb) return Colour::FromRgb(from);
    return Colour::FromRgb(rgb);
}

void Repaint(std::uint32_t* pixels, std::size_t count, const Palette& from, const Palette& to) {
    if (&from == &to) return;
    std::uint32_t lastIn = 0, lastOut = 0;
    bool cached = false;
    for (std::size_t i = 0; i < count; ++i) {
        if (!cached || pixels[i] != lastIn) {
            lastIn = pixels[i];
            lastOut = to.Pixel(from.ColourOf(lastIn));
            cached = true;
        }
        pixels[i] = lastOut;
    }
}

}  // namespace dulm

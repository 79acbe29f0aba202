// The texts a picture shows, in reading order: what Copy Picture puts beside the image as plain
// text, and what a screen reader is told the window says. Each TextOut notes its text here; the
// list is checked against the pixels only when it is asked for (and now and then to keep it
// small), so that the runs, which draw thousands of texts a second, pay for a note only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Gdi.h"
#include "platform/Palette.h"

namespace dulm {

class Typeface;

struct PictureText {
    Point position;  // the top-left corner TextOut was given, in the picture's logical units
    Colour colour;
    std::string text;
    Size size;  // its box: the text's width and the font's height
    friend bool operator==(const PictureText&, const PictureText&) = default;
};

// How a text lies on the pixels: the face it was rasterised in and where, which differ from the
// logical font and position when the canvas has a device scale.
struct TextInk {
    const Typeface* face;
    Point at;
};

// Belongs to one canvas and is used under its lock. The pixels' colours are read through the
// canvas's palette, so a text stays on the list when the palette changes under it.
class PictureTexts {
public:
    // A text TextOut has just drawn on these pixels.
    void Note(const Typeface& face, Point at, Colour colour, std::string_view text, TextInk ink, const Bitmap& pixels,
              const Palette& palette);
    // The texts the pixels still show, top to bottom and, on a line, left to right. A text is on
    // the picture while most of its glyph pixels show its colour, not taken by a later text drawn
    // over them, and most of the other pixels of its box do not: one drawn again in the background
    // colour, painted over by a fill, or replaced by another in its place is gone.
    std::vector<PictureText> Shown(const Bitmap& pixels, const Palette& palette);
    void Clear();
    std::size_t Noted() const { return m_entries.size(); }

private:
    struct Entry {
        const Typeface* face;
        Point at;
        Colour colour;
        std::string text;
        TextInk ink;
    };
    static bool Shows(const Entry& entry, const Bitmap& pixels, const Palette& palette,
                      std::unordered_set<std::uint64_t>& taken);
    // Drops the texts no longer shown and the older of two identical ones.
    void Prune(const Bitmap& pixels, const Palette& palette);

    static constexpr std::size_t kFirstPrune = 512;
    std::vector<Entry> m_entries;
    std::size_t m_pruneAt = kFirstPrune;
};

// The texts as lines of plain text: the texts of one line joined by a tab, lines by '\n'.
std::string PlainText(const std::vector<PictureText>& texts);

}  // namespace dulm

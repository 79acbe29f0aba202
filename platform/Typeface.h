// Text drawn by the engine itself: the Liberation faces rasterised with FreeType, monochrome and
// hinted, so that a text drawn again in the background colour restores every pixel and every front
// end shows the same glyphs. Advances are the faces' own (unhinted) widths, summed exactly; each
// glyph stands at the whole pixel left of its exact position.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Gdi.h"

namespace dulm {

// A face that cannot be opened; the message names the file and why.
class FontError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The folder the font files are read from: $DULM_FONT_DIR when it is set, else the folder the
// build found them in.
std::string FontDirectory();
// The file a font is drawn with: bold "Arial" is Liberation Sans Bold, the fixed-pitch font
// Liberation Mono.
std::string FontFile(const Font& font);
// Empty when every face the program draws with opens; otherwise what went wrong.
std::string CheckFonts();

class Typeface {
public:
    // The face of this font at its pixel size, opened at its first use and then shared by every
    // thread for the rest of the program. Throws FontError.
    static const Typeface& For(const Font& font);
    // The same face at another size in pixels, width and height apart (a picture drawn at a device
    // scale that differs across and down): the font's glyphs rasterised at that size, not stretched.
    static const Typeface& For(const Font& font, Size pixels);

    const TextMetrics& Metrics() const { return m_metrics; }
    // The width of a text in pixels; its height is Metrics().tmHeight.
    int Width(std::string_view text) const;
    // Calls plot(y, x0, x1) for every run of ink, pixels x0..x1 of row y, of the text whose top-left
    // corner is (x, y).
    template <class Plot>
    void Draw(int x, int y, std::string_view text, Plot&& plot) const;

    ~Typeface();
    Typeface(const Typeface&) = delete;
    Typeface& operator=(const Typeface&) = delete;

private:
    struct Run {
        int y, x0, x1;  // from the pen position on the text's top line
    };
    struct Glyph {
        std::int64_t advance = 0;  // 1/64 pixel
        std::vector<Run> runs;
    };
    struct Face;

    Typeface(std::unique_ptr<Face> face, int pixelHeight);
    Glyph Render(char32_t c) const;
    const Glyph& GlyphOf(char32_t c) const;
    template <class Visit>
    void Layout(std::string_view text, Visit&& visit) const;

    std::unique_ptr<Face> m_face;
    TextMetrics m_metrics;
    std::array<Glyph, 95> m_ascii;  // ' ' to '~', rendered when the face opens
    mutable std::mutex m_mutex;     // the face and the glyphs rendered later
    mutable std::map<char32_t, Glyph> m_more;
};

// The next code point of UTF-8 text; a malformed sequence is one U+FFFD per byte.
char32_t NextCodePoint(std::string_view text, std::size_t& i);

template <class Visit>
void Typeface::Layout(std::string_view text, Visit&& visit) const {
    std::int64_t pen = 0;
    for (std::size_t i = 0; i < text.size();) {
        const Glyph& g = GlyphOf(NextCodePoint(text, i));
        visit(g, static_cast<int>(pen >> 6));
        pen += g.advance;
    }
}

template <class Plot>
void Typeface::Draw(int x, int y, std::string_view text, Plot&& plot) const {
    Layout(text, [&](const Glyph& g, int pen) {
        for (const Run& r : g.runs) plot(y + r.y, x + pen + r.x0, x + pen + r.x1);
    });
}

}  // namespace dulm

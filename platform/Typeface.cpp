#include "platform/Typeface.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <tuple>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

namespace dulm {

namespace {

int RoundPixels(FT_Pos v) { return static_cast<int>((v + 32) >> 6); }

// One FreeType library for the program; faces are opened and closed under its lock, as FreeType
// asks, and each face is then used under its typeface's own lock.
struct Library {
    std::mutex mutex;
    FT_Library ft = nullptr;
    std::map<std::tuple<std::string, int, int>, std::unique_ptr<Typeface>> typefaces;  // file, width, height
};

Library& TheLibrary() {
    // Never destroyed: a view thread may still draw while the program exits.
    static Library* library = [] {
        auto* l = new Library;
        if (FT_Init_FreeType(&l->ft) != 0) l->ft = nullptr;
        return l;
    }();
    return *library;
}

std::string Describe(const std::string& path, FT_Error error) {
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        std::fclose(f);
        return "cannot read the font file " + path + ": not a font (FreeType error " + std::to_string(error) + ")";
    }
    return "cannot open the font file " + path + ": " + std::strerror(errno);
}

}  // namespace

// Opened and closed only under the library's lock (typefaces live as long as the program).
struct Typeface::Face {
    FT_Face ft = nullptr;
    Face() = default;
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;
    ~Face() {
        if (ft) FT_Done_Face(ft);
    }
};

std::string FontDirectory() {
    if (const char* dir = std::getenv("DULM_FONT_DIR"); dir && *dir) return dir;
    return DULM_FONT_DIR;
}

std::string FontFile(const Font& font) {
    const bool mono = font.fixedPitch || font.face == "Liberation Mono";
    const char* name = mono ? (font.bold ? "LiberationMono-Bold.ttf" : "LiberationMono-Regular.ttf")
                            : (font.bold ? "LiberationSans-Bold.ttf" : "LiberationSans-Regular.ttf");
    return FontDirectory() + "/" + name;
}

std::string CheckFonts() {
    try {
        Typeface::For(Font::BoldArial(12));
        Typeface::For(Font::SystemFixed());
    } catch (const FontError& e) {
        return e.what();
    }
    return {};
}

const Typeface& Typeface::For(const Font& font) { return For(font, {font.pixelSize, font.pixelSize}); }

const Typeface& Typeface::For(const Font& font, Size pixels) {
    Library& library = TheLibrary();
    const std::string path = FontFile(font);
    const int height = std::max(pixels.cy, 1);
    // A square size is asked for as FreeType's square size (width 0: as high).
    const int width = pixels.cx == pixels.cy ? 0 : std::max(pixels.cx, 1);
    std::lock_guard lock(library.mutex);
    std::unique_ptr<Typeface>& slot = library.typefaces[{path, width, height}];
    if (!slot) {
        auto face = std::make_unique<Face>();
        if (!library.ft) throw FontError("cannot start FreeType to draw text");
        if (const FT_Error e = FT_New_Face(library.ft, path.c_str(), 0, &face->ft); e != 0) {
            face->ft = nullptr;
            throw FontError(Describe(path, e));
        }
        if (FT_Set_Pixel_Sizes(face->ft, static_cast<FT_UInt>(width), static_cast<FT_UInt>(height)) != 0)
            throw FontError("cannot size the font " + path + " at " + std::to_string(height) + " pixels");
        slot.reset(new Typeface(std::move(face), height));
    }
    return *slot;
}

// The vertical metrics are the face's Windows ascent and descent (its typographic ones when the face
// asks for those), each rounded to whole pixels; the height is their sum.
Typeface::Typeface(std::unique_ptr<Face> face, int pixelHeight) : m_face(std::move(face)) {
    const FT_Face ft = m_face->ft;
    const FT_Size_Metrics& size = ft->size->metrics;
    int ascent = RoundPixels(size.ascender);
    int descent = RoundPixels(-size.descender);
    int average = pixelHeight / 2;
    if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2))) {
        constexpr unsigned kUseTypoMetrics = 1u << 7;
        if (os2->fsSelection & kUseTypoMetrics) {
            ascent = RoundPixels(FT_MulFix(os2->sTypoAscender, size.y_scale));
            descent = RoundPixels(FT_MulFix(-os2->sTypoDescender, size.y_scale));
        } else {
            ascent = RoundPixels(FT_MulFix(os2->usWinAscent, size.y_scale));
            descent = RoundPixels(FT_MulFix(os2->usWinDescent, size.y_scale));
        }
        average = RoundPixels(FT_MulFix(os2->xAvgCharWidth, size.x_scale));
    }
    m_metrics = {ascent + descent, ascent, descent, average, RoundPixels(size.max_advance)};
    for (char32_t c = ' '; c <= '~'; ++c) m_ascii[c - ' '] = Render(c);
}

Typeface::~Typeface() = default;

// Hinted for monochrome output and rendered as a 1-bit bitmap, kept as runs of set pixels.
Typeface::Glyph Typeface::Render(char32_t c) const {
    Glyph glyph;
    const FT_Face ft = m_face->ft;
    if (FT_Load_Glyph(ft, FT_Get_Char_Index(ft, c), FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) != 0) return glyph;
    const FT_GlyphSlot slot = ft->glyph;
    glyph.advance = slot->linearHoriAdvance >> 10;
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const unsigned char* bits = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
        const int y = m_metrics.tmAscent - slot->bitmap_top + static_cast<int>(row);
        for (unsigned col = 0; col < bitmap.width;) {
            auto set = [&](unsigned k) { return (bits[k >> 3] & (0x80u >> (k & 7))) != 0; };
            if (!set(col)) {
                ++col;
                continue;
            }
            const unsigned start = col;
            while (col < bitmap.width && set(col)) ++col;
            glyph.runs.push_back({y, slot->bitmap_left + static_cast<int>(start), slot->bitmap_left + static_cast<int>(col) - 1});
        }
    }
    return glyph;
}

const Typeface::Glyph& Typeface::GlyphOf(char32_t c) const {
    if (c >= ' ' && c <= '~') return m_ascii[c - ' '];
    std::lock_guard lock(m_mutex);
    const auto it = m_more.find(c);
    if (it != m_more.end()) return it->second;
    return m_more.emplace(c, Render(c)).first->second;
}

int Typeface::Width(std::string_view text) const {
    std::int64_t width = 0;
    Layout(text, [&](const Glyph& g, int) { width += g.advance; });
    return static_cast<int>((width + 32) >> 6);
}

char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    constexpr char32_t kReplacement = 0xFFFD;
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int more = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2, c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3, c = lead & 0x07;
    } else {
        ++i;
        return kReplacement;
    }
    if (i + more >= text.size()) {
        ++i;
        return kReplacement;
    }
    for (int k = 1; k <= more; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    const bool overlong = (more == 2 && c < 0x800) || (more == 3 && c < 0x10000);
    if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return kReplacement;
    }
    i += more + 1;
    return c;
}

}  // namespace dulm

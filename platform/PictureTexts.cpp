#include "platform/PictureTexts.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "platform/Typeface.h"

namespace dulm {

void PictureTexts::Note(const Typeface& face, Point at, Colour colour, std::string_view text, TextInk ink,
                        const Bitmap& pixels, const Palette& palette) {
    if (text.empty()) return;
    if (!m_entries.empty()) {  // a count drawn again in place of itself
        const Entry& last = m_entries.back();
        if (last.face == &face && last.at == at && last.colour == colour && last.text == text) return;
    }
    m_entries.push_back({&face, at, colour, std::string(text), ink});
    if (m_entries.size() >= m_pruneAt) {
        Prune(pixels, palette);
        m_pruneAt = std::max(kFirstPrune, 2 * m_entries.size());
    }
}

void PictureTexts::Clear() {
    m_entries.clear();
    m_pruneAt = kFirstPrune;
}

// A pixel shows at most one text: the latest one drawn there. A text shows while most of its glyph
// pixels show its colour and no later text took them, and most of the other pixels of its box do
// not show its colour; the pixels it shows are then taken.
bool PictureTexts::Shows(const Entry& e, const Bitmap& pixels, const Palette& palette,
                         std::unordered_set<std::uint64_t>& taken) {
    const Typeface& face = *e.ink.face;
    const Point origin = e.ink.at;
    const int width = face.Width(e.text);
    const int height = face.Metrics().tmHeight;
    const int left = std::max(origin.x, 0), right = std::min(origin.x + width, pixels.Width());
    const int top = std::max(origin.y, 0), bottom = std::min(origin.y + height, pixels.Height());
    if (left >= right || top >= bottom) return false;
    const int boxWidth = right - left;
    std::vector<std::uint8_t> ink(static_cast<std::size_t>(boxWidth) * static_cast<std::size_t>(bottom - top), 0);
    const std::uint32_t rgb = palette.Pixel(e.colour) & 0xFFFFFFu;
    const auto at = [](int x, int y) { return (std::uint64_t(std::uint32_t(y)) << 32) | std::uint32_t(x); };
    long inkPixels = 0, inkShown = 0;
    face.Draw(origin.x, origin.y, e.text, [&](int y, int x0, int x1) {
        if (y < top || y >= bottom) return;
        const std::uint32_t* row = pixels.Row(y);
        for (int x = std::max(x0, left); x <= std::min(x1, right - 1); ++x) {
            std::uint8_t& mark = ink[static_cast<std::size_t>(y - top) * boxWidth + (x - left)];
            if (mark) continue;  // glyphs that touch
            mark = 1;
            ++inkPixels;
            if ((row[x] & 0xFFFFFFu) == rgb && !taken.contains(at(x, y))) {
                mark = 2;
                ++inkShown;
            }
        }
    });
    if (inkPixels == 0 || 2 * inkShown <= inkPixels) return false;
    long paper = 0, paperDiffers = 0;
    for (int y = top; y < bottom; ++y) {
        const std::uint32_t* row = pixels.Row(y);
        for (int x = left; x < right; ++x) {
            if (ink[static_cast<std::size_t>(y - top) * boxWidth + (x - left)]) continue;
            ++paper;
            paperDiffers += (row[x] & 0xFFFFFFu) != rgb ? 1 : 0;
        }
    }
    if (paper != 0 && 2 * paperDiffers <= paper) return false;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (ink[static_cast<std::size_t>(y - top) * boxWidth + (x - left)] == 2) taken.insert(at(x, y));
    return true;
}

void PictureTexts::Prune(const Bitmap& pixels, const Palette& palette) {
    std::vector<Entry> kept;
    kept.reserve(m_entries.size());
    std::unordered_set<std::string> seen;
    std::unordered_set<std::uint64_t> taken;  // pixels of texts found showing
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {  // the latest first
        std::string key(reinterpret_cast<const char*>(&it->face), sizeof it->face);
        key += std::to_string(it->at.x) + ',' + std::to_string(it->at.y) + ',' + std::to_string(it->colour.Rgb()) + ',';
        key += it->text;
        if (seen.insert(std::move(key)).second && Shows(*it, pixels, palette, taken)) kept.push_back(std::move(*it));
    }
    std::reverse(kept.begin(), kept.end());
    m_entries = std::move(kept);
}

namespace {

// Texts whose tops lie within half a line of the first text of a line are on that line.
std::vector<std::vector<PictureText>> Lines(std::vector<PictureText> texts) {
    std::stable_sort(texts.begin(), texts.end(), [](const PictureText& a, const PictureText& b) {
        return a.position.y < b.position.y;
    });
    std::vector<std::vector<PictureText>> lines;
    int lineTop = 0, lineHeight = 0;
    for (PictureText& t : texts) {
        if (lines.empty() || 2 * (t.position.y - lineTop) >= std::max(lineHeight, 1)) {
            lines.emplace_back();
            lineTop = t.position.y;
            lineHeight = t.size.cy;
        }
        lines.back().push_back(std::move(t));
    }
    for (auto& line : lines)
        std::stable_sort(line.begin(), line.end(), [](const PictureText& a, const PictureText& b) {
            return a.position.x < b.position.x;
        });
    return lines;
}

}  // namespace

std::vector<PictureText> PictureTexts::Shown(const Bitmap& pixels, const Palette& palette) {
    Prune(pixels, palette);
    std::vector<PictureText> texts;
    for (const Entry& e : m_entries)
        texts.push_back({e.at, e.colour, e.text, {e.face->Width(e.text), e.face->Metrics().tmHeight}});
    std::vector<PictureText> ordered;
    for (auto& line : Lines(std::move(texts)))
        for (auto& t : line) ordered.push_back(std::move(t));
    return ordered;
}

std::string PlainText(const std::vector<PictureText>& texts) {
    std::string out;
    for (const auto& line : Lines(texts)) {
        for (size_t i = 0; i < line.size(); ++i) out += (i ? "\t" : "") + line[i].text;
        out += '\n';
    }
    return out;
}

}  // namespace dulm

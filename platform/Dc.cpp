#include "platform/Dc.h"

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <map>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/Typeface.h"

namespace dulm {

int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = std::llabs(c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long magnitude = (std::llabs(product) + half) / std::llabs(c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

Font Font::BoldArial(int points) { return Font{"Arial", MulDiv(points, 96, 72), true, false}; }
Font Font::SystemFixed() { return Font{"Liberation Mono", 13, false, true}; }
Font Font::DeviceDefault() { return Font{"Arial", 14, true, false}; }

// Where logical units land on the canvas's pixels: unit x covers pixels X(x) to X(x + 1) - 1.
struct DeviceMap {
    Size logical;
    Size device;
    bool scaled = false;

    DeviceMap(Size l, Size d) : logical(l), device(d), scaled(l != d && l.cx > 0 && l.cy > 0) {}
    static int Floor(std::int64_t v, std::int64_t num, std::int64_t den) {
        const std::int64_t n = v * num;
        return static_cast<int>(n >= 0 ? n / den : -((-n + den - 1) / den));
    }
    int X(int x) const { return Floor(x, device.cx, logical.cx); }
    int Y(int y) const { return Floor(y, device.cy, logical.cy); }
    // A pen is as wide as the narrowest unit, so that it never reaches into the next unit's pixels:
    // erasing one drawing never bites a drawing beside it.
    int PenX() const { return std::max(1, device.cx / logical.cx); }
    int PenY() const { return std::max(1, device.cy / logical.cy); }
    // A font's pixel size at this scale, rounded.
    Size FontPixels(int pixelSize) const {
        return {int((std::int64_t(pixelSize) * device.cx * 2 + logical.cx) / (2 * logical.cx)),
                int((std::int64_t(pixelSize) * device.cy * 2 + logical.cy) / (2 * logical.cy))};
    }
};

// Holds the canvas lock for one drawing operation and writes pixels inside the canvas and the clip,
// in the canvas's palette. With an ink recorder, tells it what the ink covered.
class Dc::Writer {
public:
    explicit Writer(Dc& dc)
        : m_canvas(dc.m_canvas), m_lock(m_canvas.Lock()), m_pixels(m_canvas.Pixels()),
          m_palette(m_canvas.GetPalette()), m_identity(m_palette.IsIdentity()),
          m_map(m_canvas.GetSize(), m_pixels.GetSize()),
          m_bounds{0, 0, m_pixels.Width(), m_pixels.Height()}, m_recorder(m_canvas.GetInkRecorder()) {
        if (dc.m_clip) {
            const Rect clip = Map(*dc.m_clip);
            m_bounds.left = std::max(m_bounds.left, clip.left);
            m_bounds.top = std::max(m_bounds.top, clip.top);
            m_bounds.right = std::min(m_bounds.right, clip.right);
            m_bounds.bottom = std::min(m_bounds.bottom, clip.bottom);
        }
    }
    ~Writer() {
        if (m_recorder) Record();
        m_lock.unlock();
        if (m_changed) m_canvas.MarkChanged();
    }
    const Rect& Bounds() const { return m_bounds; }
    const DeviceMap& Map() const { return m_map; }
    Rect Map(const Rect& r) const {
        if (!m_map.scaled) return r;
        return {m_map.X(r.left), m_map.Y(r.top), m_map.X(r.right), m_map.Y(r.bottom)};
    }
    std::uint32_t PixelOf(Colour c) const { return m_identity ? Bitmap::Pixel(c) : m_palette.Pixel(c); }

    // What is written from here until the next call is ink of this colour (a pen's, a text's):
    // the recorder learns what it was drawn on.
    void Fill(const Brush& brush, Colour bk, BkMode mode) {
        if (!m_recorder || brush.kind == Brush::Kind::Hollow) return;
        m_recorder->Filled(brush.colour);
        if (brush.kind == Brush::Kind::Hatched && mode == BkMode::Opaque) m_recorder->Filled(bk);
    }
    void Ink(Colour c) {
        if (!m_recorder) return;
        Record();
        m_ink = c;
    }

    void Plot(int x, int y, std::uint32_t pixel) {
        if (!m_bounds.Contains(x, y)) return;
        m_pixels.Row(y)[x] = pixel;
        if (m_ink) [[unlikely]] Note(x, y, x, y);
        m_changed = true;
    }
    // Pixels x0..x1 of row y, clipped.
    void FillRow(int y, int x0, int x1, std::uint32_t pixel) {
        if (y < m_bounds.top || y >= m_bounds.bottom) return;
        x0 = std::max(x0, m_bounds.left);
        x1 = std::min(x1, m_bounds.right - 1);
        if (x0 > x1) return;
        std::uint32_t* row = m_pixels.Row(y);
        if (m_ink) [[unlikely]] Note(x0, y, x1, y);
        std::fill(row + x0, row + x1 + 1, pixel);
        m_changed = true;
    }
    // Pixels y0..y1 of column x, clipped.
    void FillColumn(int x, int y0, int y1, std::uint32_t pixel) {
        if (x < m_bounds.left || x >= m_bounds.right) return;
        y0 = std::max(y0, m_bounds.top);
        y1 = std::min(y1, m_bounds.bottom - 1);
        if (y0 > y1) return;
        const std::ptrdiff_t stride = m_pixels.Stride();
        std::uint32_t* p = m_pixels.Row(y0) + x;
        if (m_ink) [[unlikely]] Note(x, y0, x, y1);
        for (int y = y0; y <= y1; ++y, p += stride) *p = pixel;
        m_changed = true;
    }
    // Pixels x0..x1 by y0..y1.
    void FillBlock(int x0, int y0, int x1, int y1, std::uint32_t pixel) {
        for (int y = y0; y <= y1; ++y) FillRow(y, x0, x1, pixel);
    }
    // Whether any pixel within the bounds is this one. The pixels of a row are counted before the
    // answer is looked at, so that the row is compared without a branch per pixel.
    bool Shows(std::uint32_t pixel) const {
        const std::uint32_t rgb = pixel & 0xFFFFFFu;
        const int left = m_bounds.left;
        const int right = m_bounds.right;
        for (int y = m_bounds.top; y < m_bounds.bottom; ++y) {
            const std::uint32_t* row = m_pixels.Row(y);
            int matches = 0;
            for (int x = left; x < right; ++x) matches += ((row[x] ^ rgb) & 0xFFFFFFu) == 0 ? 1 : 0;
            if (matches != 0) return true;
        }
        return false;
    }
    bool Is(int x, int y, std::uint32_t pixel) const { return ((m_pixels.Row(y)[x] ^ pixel) & 0xFFFFFFu) == 0; }
    Colour Get(int x, int y) const { return m_palette.ColourOf(m_pixels.Row(y)[x]); }

private:
    // The recorder's bookkeeping, kept out of the drawing loops.
    [[gnu::noinline]] void Note(int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) m_inked.push_back({x, y});
    }
    // What the ink stands on: the colour most of the pixels beside it show once it is drawn.
    void Record() {
        if (m_ink && !m_inked.empty()) {
            const std::uint32_t ink = PixelOf(*m_ink) & 0xFFFFFFu;
            std::vector<std::pair<std::uint32_t, long>> beside;
            for (const Point& p : m_inked)
                for (const Point d : {Point{1, 0}, Point{-1, 0}, Point{0, 1}, Point{0, -1}}) {
                    const int x = p.x + d.x, y = p.y + d.y;
                    if (x < 0 || y < 0 || x >= m_pixels.Width() || y >= m_pixels.Height()) continue;
                    const std::uint32_t c = m_pixels.Row(y)[x] & 0xFFFFFFu;
                    if (c == ink) continue;
                    auto it = std::find_if(beside.begin(), beside.end(), [&](const auto& b) { return b.first == c; });
                    if (it == beside.end()) beside.emplace_back(c, 1);
                    else ++it->second;
                }
            if (!beside.empty()) {
                const auto most = *std::max_element(beside.begin(), beside.end(),
                                                    [](const auto& a, const auto& b) { return a.second < b.second; });
                m_recorder->Inked(*m_ink, m_palette.ColourOf(most.first), long(m_inked.size()));
            }
        }
        m_inked.clear();
        m_ink.reset();
    }

    Canvas& m_canvas;
    std::unique_lock<std::mutex> m_lock;
    Bitmap& m_pixels;
    const Palette& m_palette;
    const bool m_identity;
    DeviceMap m_map;
    Rect m_bounds;
    bool m_changed = false;
    InkRecorder* m_recorder;
    std::optional<Colour> m_ink;
    std::vector<Point> m_inked;  // the ink's pixels, while a recorder listens
};

Dc::Dc(Canvas& canvas, Size viewportExt, std::vector<TextRecord>* textLog)
    : m_canvas(canvas), m_viewportExt(viewportExt), m_font(Font::DeviceDefault()), m_textLog(textLog) {}

Dc::~Dc() = default;

Point Dc::MoveTo(int x, int y) {
    const Point previous = m_position;
    m_position = {x, y};
    return previous;
}

namespace {

// Calls plot(x, y) for every pixel of Bresenham's line from (x, y) to (x2, y2) but the last.
template <class PlotPixel>
void Bresenham(int x, int y, int x2, int y2, PlotPixel&& plot) {
    const int dx = std::abs(x2 - x);
    const int dy = -std::abs(y2 - y);
    const int sx = x < x2 ? 1 : -1;
    const int sy = y < y2 ? 1 : -1;
    int err = dx + dy;
    while (x != x2 || y != y2) {
        plot(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

}  // namespace

// Bresenham's line from the current position; the target pixel itself is not drawn. At a device
// scale a line across or down covers the same units' pixels, a pen's width thick; any other
// line is Bresenham's between the mapped ends, each of its pixels a pen's square.
void Dc::LineTo(int x2, int y2) {
    Writer w(*this);
    w.Ink(m_pen.colour);
    const std::uint32_t pixel = w.PixelOf(m_pen.colour);
    const int x = m_position.x;
    const int y = m_position.y;
    m_position = {x2, y2};
    const DeviceMap& map = w.Map();
    if (!map.scaled) {
        if (x == x2) {  // a histogram bar or a filled curve's stroke: one column, up or down
            if (y < y2) w.FillColumn(x, y, y2 - 1, pixel);
            else if (y > y2) w.FillColumn(x, y2 + 1, y, pixel);
            return;
        }
        Bresenham(x, y, x2, y2, [&](int px, int py) { w.Plot(px, py, pixel); });
        return;
    }
    const int penX = map.PenX();
    const int penY = map.PenY();
    if (x == x2 && y != y2) {
        const int top = y < y2 ? map.Y(y) : map.Y(y2 + 1);
        const int bottom = y < y2 ? map.Y(y2) : map.Y(y + 1);
        w.FillBlock(map.X(x), top, map.X(x) + penX - 1, bottom - 1, pixel);
    } else if (y == y2 && x != x2) {
        const int left = x < x2 ? map.X(x) : map.X(x2 + 1);
        const int right = x < x2 ? map.X(x2) : map.X(x + 1);
        w.FillBlock(left, map.Y(y), right - 1, map.Y(y) + penY - 1, pixel);
    } else {
        Bresenham(map.X(x), map.Y(y), map.X(x2), map.Y(y2),
                  [&](int px, int py) { w.FillBlock(px, py, px + penX - 1, py + penY - 1, pixel); });
    }
}

// At a device scale a pixel is the whole unit, so that a curve set pixel by pixel stays closed.
void Dc::SetPixel(int x, int y, Colour c) {
    Writer w(*this);
    w.Ink(c);
    const DeviceMap& map = w.Map();
    if (!map.scaled) w.Plot(x, y, w.PixelOf(c));
    else w.FillBlock(map.X(x), map.Y(y), map.X(x + 1) - 1, map.Y(y + 1) - 1, w.PixelOf(c));
}

Colour Dc::GetPixel(int x, int y) const {
    const auto lock = m_canvas.Lock();
    const Bitmap& pixels = m_canvas.Pixels();
    const DeviceMap map(m_canvas.GetSize(), pixels.GetSize());
    const int px = map.scaled ? map.X(x) : x;
    const int py = map.scaled ? map.Y(y) : y;
    if (px < 0 || py < 0 || px >= pixels.Width() || py >= pixels.Height()) return kBlack;
    return m_canvas.GetPalette().ColourOf(pixels.Row(py)[px]);
}

namespace {

// At a device scale the hatch lines are a pen's width thick and as far apart as the units'.
bool HatchBit(HatchStyle style, int x, int y, int pen) {
    if (pen > 1) {
        x /= pen;
        y /= pen;
    }
    return style == HatchStyle::FDiagonal ? ((x - y) & 7) == 0 : ((x + y) & 7) == 0;
}

}  // namespace

// Paints pixels x0..x1 inclusive of row y with a brush: solid, hatched (gaps in the background
// colour only when the background mode is opaque) or hollow (nothing).
void Dc::FillSpan(Writer& w, int y, int x0, int x1, const Brush& brush) const {
    if (brush.kind == Brush::Kind::Solid) {  // one row at a time: the views' backgrounds cover the canvas
        w.FillRow(y, x0, x1, w.PixelOf(brush.colour));
        return;
    }
    FillPattern(w, y, x0, x1, brush);
}

void Dc::FillPattern(Writer& w, int y, int x0, int x1, const Brush& brush) const {
    if (brush.kind == Brush::Kind::Hollow) return;
    const int pen = w.Map().scaled ? std::min(w.Map().PenX(), w.Map().PenY()) : 1;
    const std::uint32_t ink = w.PixelOf(brush.colour);
    const std::uint32_t gap = w.PixelOf(m_bkColour);
    for (int x = x0; x <= x1; ++x) {
        if (HatchBit(brush.hatch, x, y, pen)) w.Plot(x, y, ink);
        else if (m_bkMode == BkMode::Opaque) w.Plot(x, y, gap);
    }
}

// Outlined with the pen inside the rectangle's pixels (a pen's width thick), filled inside that.
void Dc::Rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    Writer w(*this);
    const Rect r = w.Map(Rect{left, top, right, bottom});
    const int penX = w.Map().scaled ? w.Map().PenX() : 1;
    const int penY = w.Map().scaled ? w.Map().PenY() : 1;
    w.Fill(m_brush, m_bkColour, m_bkMode);
    for (int y = r.top + penY; y < r.bottom - penY; ++y) FillSpan(w, y, r.left + penX, r.right - 1 - penX, m_brush);
    w.Ink(m_pen.colour);
    const std::uint32_t pen = w.PixelOf(m_pen.colour);
    if (penX == 1 && penY == 1) {
        for (int x = r.left; x < r.right; ++x) {
            w.Plot(x, r.top, pen);
            w.Plot(x, r.bottom - 1, pen);
        }
        for (int y = r.top; y < r.bottom; ++y) {
            w.Plot(r.left, y, pen);
            w.Plot(r.right - 1, y, pen);
        }
        return;
    }
    w.FillBlock(r.left, r.top, r.right - 1, std::min(r.top + penY, r.bottom) - 1, pen);
    w.FillBlock(r.left, std::max(r.bottom - penY, r.top), r.right - 1, r.bottom - 1, pen);
    w.FillBlock(r.left, r.top, std::min(r.left + penX, r.right) - 1, r.bottom - 1, pen);
    w.FillBlock(std::max(r.right - penX, r.left), r.top, r.right - 1, r.bottom - 1, pen);
}

namespace {

// The outline of the ellipse inscribed in the pixels x0..x1 by y0..y1 (an integer midpoint
// algorithm that handles even and odd diameters alike).
std::vector<Point> EllipseOutline(int x0, int y0, int x1, int y1) {
    std::vector<Point> points;
    long long a = std::abs(x1 - x0);
    const long long b = std::abs(y1 - y0);
    long long b1 = b & 1;
    long long dx = 4 * (1 - a) * b * b;
    long long dy = 4 * (b1 + 1) * a * a;
    long long err = dx + dy + b1 * a * a;
    y0 += static_cast<int>((b + 1) / 2);
    y1 = y0 - static_cast<int>(b1);
    a = 8 * a * a;
    b1 = 8 * b * b;
    do {
        points.push_back({x1, y0});
        points.push_back({x0, y0});
        points.push_back({x0, y1});
        points.push_back({x1, y1});
        const long long e2 = 2 * err;
        if (e2 <= dy) {
            ++y0;
            --y1;
            err += dy += a;
        }
        if (e2 >= dx || 2 * err > dy) {
            ++x0;
            --x1;
            err += dx += b1;
        }
    } while (x0 <= x1);
    while (y0 - y1 < b) {  // the tips of very flat ellipses
        points.push_back({x0 - 1, y0});
        points.push_back({x1 + 1, y0++});
        points.push_back({x0 - 1, y1});
        points.push_back({x1 + 1, y1--});
    }
    return points;
}

}  // namespace

// At a device scale the outline's pen squares reach inwards from each outline pixel.
void Dc::Ellipse(int left, int top, int right, int bottom) {
    if (right - left < 1 || bottom - top < 1) return;
    Writer w(*this);
    const Rect r = w.Map(Rect{left, top, right, bottom});
    if (r.right - r.left < 1 || r.bottom - r.top < 1) return;
    const std::vector<Point> outline = EllipseOutline(r.left, r.top, r.right - 1, r.bottom - 1);
    if (m_brush.kind != Brush::Kind::Hollow) {
        w.Fill(m_brush, m_bkColour, m_bkMode);
        std::map<int, std::pair<int, int>> rows;  // y -> leftmost and rightmost outline pixel
        for (const Point& p : outline) {
            auto [it, fresh] = rows.try_emplace(p.y, p.x, p.x);
            if (!fresh) it->second = {std::min(it->second.first, p.x), std::max(it->second.second, p.x)};
        }
        for (const auto& [y, span] : rows) FillSpan(w, y, span.first + 1, span.second - 1, m_brush);
    }
    w.Ink(m_pen.colour);
    const std::uint32_t pen = w.PixelOf(m_pen.colour);
    const int penX = w.Map().scaled ? w.Map().PenX() : 1;
    const int penY = w.Map().scaled ? w.Map().PenY() : 1;
    if (penX == 1 && penY == 1) {
        for (const Point& p : outline) w.Plot(p.x, p.y, pen);
        return;
    }
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2;
    for (const Point& p : outline) {
        const int x0 = p.x < cx ? p.x : p.x - penX + 1;
        const int y0 = p.y < cy ? p.y : p.y - penY + 1;
        w.FillBlock(x0, y0, x0 + penX - 1, y0 + penY - 1, pen);
    }
}

// Scanline fill of the 4-connected region of non-border pixels around the start. The region is
// found first and painted afterwards, so a brush whose colour is the border colour fills it too.
// At a device scale the fill starts from the first pixel of the start's unit that is not border.
bool Dc::FloodFill(int x, int y, Colour border) {
    Writer w(*this);
    const Rect& r = w.Bounds();
    const std::uint32_t edge = w.PixelOf(border);
    const DeviceMap& map = w.Map();
    if (map.scaled) {
        const Rect unit = w.Map(Rect{x, y, x + 1, y + 1});
        bool found = false;
        for (int uy = std::max(unit.top, r.top); uy < std::min(unit.bottom, r.bottom) && !found; ++uy)
            for (int ux = std::max(unit.left, r.left); ux < std::min(unit.right, r.right) && !found; ++ux)
                if (!w.Is(ux, uy, edge)) x = ux, y = uy, found = true;
        if (!found) return false;
    }
    if (!r.Contains(x, y) || w.Is(x, y, edge)) return false;
    w.Fill(m_brush, m_bkColour, m_bkMode);
    if (!w.Shows(edge)) {  // no boundary at all, as for the views' backgrounds: the region is everything
        for (int ry = r.top; ry < r.bottom; ++ry) FillSpan(w, ry, r.left, r.right - 1, m_brush);
        return true;
    }
    const int width = r.Width();
    std::vector<std::uint8_t> inRegion(static_cast<size_t>(width) * r.Height(), 0);
    auto index = [&](int px, int py) { return static_cast<size_t>(py - r.top) * width + (px - r.left); };
    auto open = [&](int px, int py) { return !inRegion[index(px, py)] && !w.Is(px, py, edge); };

    std::vector<Point> stack{{x, y}};
    std::vector<std::tuple<int, int, int>> rows;
    while (!stack.empty()) {
        const Point seed = stack.back();
        stack.pop_back();
        if (!open(seed.x, seed.y)) continue;
        int lx = seed.x;
        int rx = seed.x;
        while (lx > r.left && open(lx - 1, seed.y)) --lx;
        while (rx < r.right - 1 && open(rx + 1, seed.y)) ++rx;
        for (int px = lx; px <= rx; ++px) inRegion[index(px, seed.y)] = 1;
        rows.emplace_back(seed.y, lx, rx);
        for (int ny : {seed.y - 1, seed.y + 1}) {
            if (ny < r.top || ny >= r.bottom) continue;
            bool inRun = false;
            for (int px = lx; px <= rx; ++px) {
                const bool o = open(px, ny);
                if (o && !inRun) stack.push_back({px, ny});
                inRun = o;
            }
        }
    }
    for (const auto& [ry, lx, rx] : rows) FillSpan(w, ry, lx, rx, m_brush);
    return true;
}

const Typeface& Dc::Face() const {
    if (!m_typeface) m_typeface = &Typeface::For(m_font);
    return *m_typeface;
}

// At a device scale the text is the same font rasterised at the scaled size from the mapped point,
// and its opaque cell covers both the mapped logical cell and the scaled glyphs' own.
void Dc::TextOut(int x, int y, std::string_view text) {
    const Typeface& face = Face();
    if (m_textLog) m_textLog->push_back({x, y, m_textColour, std::string(text)});
    Writer w(*this);
    const DeviceMap& map = w.Map();
    const Typeface& ink = map.scaled ? Typeface::For(m_font, map.FontPixels(m_font.pixelSize)) : face;
    const int px = map.scaled ? map.X(x) : x;
    const int py = map.scaled ? map.Y(y) : y;
    if (m_bkMode == BkMode::Opaque) {
        int width = face.Width(text);
        int height = face.Metrics().tmHeight;
        if (map.scaled) {
            width = std::max(ink.Width(text), map.X(x + width) - px);
            height = std::max(ink.Metrics().tmHeight, map.Y(y + height) - py);
        }
        w.Fill(Brush::Solid(m_bkColour), m_bkColour, m_bkMode);
        const std::uint32_t bk = w.PixelOf(m_bkColour);
        for (int row = py; row < py + height; ++row) w.FillRow(row, px, px + width - 1, bk);
    }
    w.Ink(m_textColour);
    const std::uint32_t pixel = w.PixelOf(m_textColour);
    ink.Draw(px, py, text, [&](int row, int x0, int x1) { w.FillRow(row, x0, x1, pixel); });
    m_canvas.NoteText(face, {x, y}, m_textColour, text, {&ink, {px, py}});
}

Size Dc::GetTextExtentPoint(std::string_view text) const {
    const Typeface& face = Face();
    return {face.Width(text), face.Metrics().tmHeight};
}

TextMetrics Dc::GetTextMetrics() const { return Face().Metrics(); }

Colour Dc::SetTextColor(Colour c) { return std::exchange(m_textColour, c); }
Colour Dc::SetBkColor(Colour c) { return std::exchange(m_bkColour, c); }
BkMode Dc::SetBkMode(BkMode mode) { return std::exchange(m_bkMode, mode); }
Pen Dc::SelectObject(const Pen& pen) { return std::exchange(m_pen, pen); }
Brush Dc::SelectObject(const Brush& brush) { return std::exchange(m_brush, brush); }
Font Dc::SelectObject(const Font& font) {
    if (font != m_font) m_typeface = nullptr;
    return std::exchange(m_font, font);
}
void Dc::SelectClipRgn(std::optional<Rect> clip) { m_clip = clip; }

void Dc::RestoreState(const State& state) {
    m_pen = state.pen;
    m_brush = state.brush;
    SelectObject(state.font);
    m_textColour = state.textColour;
    m_bkColour = state.bkColour;
    m_bkMode = state.bkMode;
    m_clip = state.clip;
}

namespace {

// Scales v by num / den, rounding halves up, as the mapping mode does.
int Scale(int v, int num, int den) {
    if (den <= 0) return v;
    const long long n = 2LL * v * num + den;
    const long long d = 2LL * den;
    return static_cast<int>(n >= 0 ? n / d : -((-n + d - 1) / d));
}

}  // namespace

Point Dc::DPtoLP(Point client) const {
    const Size ext = m_canvas.GetSize();
    return {Scale(client.x, ext.cx, m_viewportExt.cx), Scale(client.y, ext.cy, m_viewportExt.cy)};
}

Point Dc::LPtoDP(Point logical) const {
    const Size ext = m_canvas.GetSize();
    return {Scale(logical.x, m_viewportExt.cx, ext.cx), Scale(logical.y, m_viewportExt.cy, ext.cy)};
}

}  // namespace dulm

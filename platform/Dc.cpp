#include "platform/Dc.h"

#include <algorithm>
#include <cstdlib>
#include <map>
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

// Holds the canvas lock for one drawing operation and writes pixels inside the canvas and the clip.
class Dc::Writer {
public:
    explicit Writer(Dc& dc)
        : m_canvas(dc.m_canvas), m_lock(m_canvas.Lock()), m_pixels(m_canvas.Pixels()),
          m_bounds{0, 0, m_canvas.GetSize().cx, m_canvas.GetSize().cy} {
        if (dc.m_clip) {
            m_bounds.left = std::max(m_bounds.left, dc.m_clip->left);
            m_bounds.top = std::max(m_bounds.top, dc.m_clip->top);
            m_bounds.right = std::min(m_bounds.right, dc.m_clip->right);
            m_bounds.bottom = std::min(m_bounds.bottom, dc.m_clip->bottom);
        }
    }
    ~Writer() {
        m_lock.unlock();
        if (m_changed) m_canvas.MarkChanged();
    }
    const Rect& Bounds() const { return m_bounds; }

    void Plot(int x, int y, Colour c) {
        if (!m_bounds.Contains(x, y)) return;
        m_pixels.Row(y)[x] = Bitmap::Pixel(c);
        m_changed = true;
    }
    // Pixels x0..x1 of row y, clipped.
    void FillRow(int y, int x0, int x1, Colour c) {
        if (y < m_bounds.top || y >= m_bounds.bottom) return;
        x0 = std::max(x0, m_bounds.left);
        x1 = std::min(x1, m_bounds.right - 1);
        if (x0 > x1) return;
        std::uint32_t* row = m_pixels.Row(y);
        std::fill(row + x0, row + x1 + 1, Bitmap::Pixel(c));
        m_changed = true;
    }
    // Pixels y0..y1 of column x, clipped.
    void FillColumn(int x, int y0, int y1, Colour c) {
        if (x < m_bounds.left || x >= m_bounds.right) return;
        y0 = std::max(y0, m_bounds.top);
        y1 = std::min(y1, m_bounds.bottom - 1);
        if (y0 > y1) return;
        const std::uint32_t pixel = Bitmap::Pixel(c);
        const std::ptrdiff_t stride = m_pixels.Stride();
        std::uint32_t* p = m_pixels.Row(y0) + x;
        for (int y = y0; y <= y1; ++y, p += stride) *p = pixel;
        m_changed = true;
    }
    // Whether any pixel within the bounds has this colour. The pixels of a row are counted
    // before the answer is looked at, so that the row is compared without a branch per pixel.
    bool Shows(Colour c) const {
        const std::uint32_t rgb = c.Rgb();
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
    Colour Get(int x, int y) const {
        return Colour::FromRgb(m_pixels.Row(y)[x] & 0xFFFFFFu);
    }

private:
    Canvas& m_canvas;
    std::unique_lock<std::mutex> m_lock;
    Bitmap& m_pixels;
    Rect m_bounds;
    bool m_changed = false;
};

Dc::Dc(Canvas& canvas, Size viewportExt, std::vector<TextRecord>* textLog)
    : m_canvas(canvas), m_viewportExt(viewportExt), m_font(Font::DeviceDefault()), m_textLog(textLog) {}

Dc::~Dc() = default;

Point Dc::MoveTo(int x, int y) {
    const Point previous = m_position;
    m_position = {x, y};
    return previous;
}

// Bresenham's line from the current position; the target pixel itself is not drawn.
void Dc::LineTo(int x2, int y2) {
    Writer w(*this);
    int x = m_position.x;
    int y = m_position.y;
    if (x == x2) {  // a histogram bar or a filled curve's stroke: one column, up or down
        if (y < y2) w.FillColumn(x, y, y2 - 1, m_pen.colour);
        else if (y > y2) w.FillColumn(x, y2 + 1, y, m_pen.colour);
        m_position = {x2, y2};
        return;
    }
    const int dx = std::abs(x2 - x);
    const int dy = -std::abs(y2 - y);
    const int sx = x < x2 ? 1 : -1;
    const int sy = y < y2 ? 1 : -1;
    int err = dx + dy;
    while (x != x2 || y != y2) {
        w.Plot(x, y, m_pen.colour);
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
    m_position = {x2, y2};
}

void Dc::SetPixel(int x, int y, Colour c) {
    Writer w(*this);
    w.Plot(x, y, c);
}

Colour Dc::GetPixel(int x, int y) const { return m_canvas.PixelAt(x, y); }

namespace {

bool HatchBit(HatchStyle style, int x, int y) {
    return style == HatchStyle::FDiagonal ? ((x - y) & 7) == 0 : ((x + y) & 7) == 0;
}

}  // namespace

// Paints x0..x1 inclusive of row y with a brush: solid, hatched (gaps in the background colour
// only when the background mode is opaque) or hollow (nothing).
void Dc::FillSpan(Writer& w, int y, int x0, int x1, const Brush& brush) const {
    if (brush.kind == Brush::Kind::Solid) {  // one row at a time: the views' backgrounds cover the canvas
        w.FillRow(y, x0, x1, brush.colour);
        return;
    }
    for (int x = x0; x <= x1; ++x) {
        switch (brush.kind) {
        case Brush::Kind::Solid:
            w.Plot(x, y, brush.colour);
            break;
        case Brush::Kind::Hatched:
            if (HatchBit(brush.hatch, x, y)) w.Plot(x, y, brush.colour);
            else if (m_bkMode == BkMode::Opaque) w.Plot(x, y, m_bkColour);
            break;
        case Brush::Kind::Hollow:
            return;
        }
    }
}

void Dc::Rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    Writer w(*this);
    for (int y = top + 1; y < bottom - 1; ++y) FillSpan(w, y, left + 1, right - 2, m_brush);
    for (int x = left; x < right; ++x) {
        w.Plot(x, top, m_pen.colour);
        w.Plot(x, bottom - 1, m_pen.colour);
    }
    for (int y = top; y < bottom; ++y) {
        w.Plot(left, y, m_pen.colour);
        w.Plot(right - 1, y, m_pen.colour);
    }
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

void Dc::Ellipse(int left, int top, int right, int bottom) {
    if (right - left < 1 || bottom - top < 1) return;
    const std::vector<Point> outline = EllipseOutline(left, top, right - 1, bottom - 1);
    Writer w(*this);
    if (m_brush.kind != Brush::Kind::Hollow) {
        std::map<int, std::pair<int, int>> rows;  // y -> leftmost and rightmost outline pixel
        for (const Point& p : outline) {
            auto [it, fresh] = rows.try_emplace(p.y, p.x, p.x);
            if (!fresh) it->second = {std::min(it->second.first, p.x), std::max(it->second.second, p.x)};
        }
        for (const auto& [y, span] : rows) FillSpan(w, y, span.first + 1, span.second - 1, m_brush);
    }
    for (const Point& p : outline) w.Plot(p.x, p.y, m_pen.colour);
}

// Scanline fill of the 4-connected region of non-border pixels around the start. The region is
// found first and painted afterwards, so a brush whose colour is the border colour fills it too.
bool Dc::FloodFill(int x, int y, Colour border) {
    Writer w(*this);
    const Rect& r = w.Bounds();
    if (!r.Contains(x, y) || w.Get(x, y) == border) return false;
    if (!w.Shows(border)) {  // no boundary at all, as for the views' backgrounds: the region is everything
        for (int ry = r.top; ry < r.bottom; ++ry) FillSpan(w, ry, r.left, r.right - 1, m_brush);
        return true;
    }
    const int width = r.Width();
    std::vector<std::uint8_t> inRegion(static_cast<size_t>(width) * r.Height(), 0);
    auto index = [&](int px, int py) { return static_cast<size_t>(py - r.top) * width + (px - r.left); };
    auto open = [&](int px, int py) { return !inRegion[index(px, py)] && w.Get(px, py) != border; };

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

void Dc::TextOut(int x, int y, std::string_view text) {
    const Typeface& face = Face();
    if (m_textLog) m_textLog->push_back({x, y, m_textColour, std::string(text)});
    Writer w(*this);
    if (m_bkMode == BkMode::Opaque) {
        const int width = face.Width(text);
        for (int row = y; row < y + face.Metrics().tmHeight; ++row) w.FillRow(row, x, x + width - 1, m_bkColour);
    }
    face.Draw(x, y, text, [&](int row, int x0, int x1) { w.FillRow(row, x0, x1, m_textColour); });
    m_canvas.NoteText(face, {x, y}, m_textColour, text);
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

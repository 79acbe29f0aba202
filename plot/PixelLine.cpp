#include "plot/PixelLine.h"

#include <cstdint>
#include <cstdlib>

namespace dulm {

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

// (distance * d + s * (a / 2)) / a, truncated toward zero: the other coordinate's offset where
// the line meets an edge, rounded half away from zero. Products of 16-bit coordinates are held
// in 64 bits.
int EdgeOffset(int distance, int d, int s, int a) {
    return static_cast<int>((std::int64_t{distance} * d + std::int64_t{s} * (a / 2)) / a);
}

// A start inside the limits settles in at most two clips; a start outside can make the clips
// chase each other for ever, and such a line is not drawn.
constexpr int kMaxClips = 64;

}  // namespace

void PixelPen::LineTo(Point target) {
    int x = m_at.x;
    int y = m_at.y;
    int x2 = target.x;
    int y2 = target.y;
    int dx = 0, dy = 0, ax = 0, ay = 0, sx = 0, sy = 0;
    for (int clips = 0;; ++clips) {
        dx = x2 - x;
        dy = y2 - y;
        ax = std::abs(dx);
        ay = std::abs(dy);
        sx = Sign(dx);
        sy = Sign(dy);
        if (sx == 0 && sy == 0) return;
        if (clips == kMaxClips) return;
        // The distance to the edge 0 is the start coordinate itself.
        if (x2 < 0) {
            if (ax == 0) return;
            x2 = 0;
            y2 = y + EdgeOffset(x, dy, sy, ax);
        } else if (y2 < 0) {
            if (ay == 0) return;
            y2 = 0;
            x2 = x + EdgeOffset(y, dx, sx, ay);
        } else if (x2 > m_limit.x) {
            if (ax == 0) return;
            y2 = y + EdgeOffset(std::abs(m_limit.x - x), dy, sy, ax);
            x2 = m_limit.x;
        } else if (y2 > m_limit.y) {
            if (ay == 0) return;
            x2 = x + EdgeOffset(std::abs(m_limit.y - y), dx, sx, ay);
            y2 = m_limit.y;
        } else {
            break;
        }
    }

    auto plot = [this](int px, int py) {
        if (m_dc) m_dc->SetPixel(px, py, m_colour);
    };
    plot(x, y);
    // The error starts at half a step. Where it lands exactly on a step the pixel before the
    // step is drawn too, so that the staircase has no diagonal gap there.
    if (ax >= ay) {
        int e = ax;
        x += sx;
        while (x != x2) {
            e += 2 * ay;
            if (e > 2 * ax) {
                y += sy;
                e -= 2 * ax;
            }
            if (e == 2 * ax) {
                plot(x, y);
                y += sy;
                e -= 2 * ax;
            }
            plot(x, y);
            x += sx;
        }
    } else {
        int e = ay;
        y += sy;
        while (y != y2) {
            e += 2 * ax;
            if (e > 2 * ay) {
                x += sx;
                e -= 2 * ay;
            }
            if (e == 2 * ay) {
                plot(x, y);
                x += sx;
                e -= 2 * ay;
            }
            plot(x, y);
            y += sy;
        }
    }
    m_at = {x2, y2};
    plot(x2, y2);
}

void PixelPen::Polyline(std::initializer_list<Point> points) {
    if (points.size() == 0) return;
    MoveTo(*points.begin());
    for (auto it = points.begin() + 1; it != points.end(); ++it) LineTo(*it);
}

}  // namespace dulm

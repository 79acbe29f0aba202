// Lines drawn pixel by pixel with SetPixel, the way the falling-ball boards and the density
// curves draw them: a staircase that flood fills can rely on to be closed. The pen (current
// point, colour, clip limits, device context) is a small value each view keeps for itself.
#pragma once

#include <initializer_list>

#include "platform/Dc.h"

namespace dulm {

class PixelPen {
public:
    PixelPen() = default;
    // Draws on dc in colour; only the target end of a line is clipped, to 0..limit.x by 0..limit.y
    // (W - 1 and H - 1 of the canvas).
    PixelPen(Dc& dc, Point limit, Colour colour = kBlack) : m_dc(&dc), m_limit(limit), m_colour(colour) {}

    void SetColour(Colour c) { m_colour = c; }
    // Moves the pen without drawing.
    void MoveTo(Point p) { m_at = p; }
    void MoveTo(int x, int y) { m_at = {x, y}; }
    Point Current() const { return m_at; }

    // Draws from the current point to the target, both end pixels included, and makes the
    // target current. The target is first clipped to the limits, one side at a time; a clip
    // that would divide by zero draws nothing (and leaves the current point), and so does a
    // line that comes to nothing, including one the clip shortens to its start.
    void LineTo(Point target);
    void LineTo(int x, int y) { LineTo(Point{x, y}); }
    // Moves to the first point and draws on through the others.
    void Polyline(std::initializer_list<Point> points);

private:
    Dc* m_dc = nullptr;
    Point m_limit;
    Colour m_colour = kBlack;
    Point m_at;
};

}  // namespace dulm

// The pixel pen: which pixels a line sets, where the target end is clipped, and that its
// outlines hold a flood fill.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ostream>
#include <set>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "plot/PixelLine.h"

namespace dulm {
namespace {

using Pixels = std::set<std::pair<int, int>>;

class PixelLineTest : public testing::Test {
protected:
    Canvas canvas{Size{200, 120}, kGrey};
    Dc dc{canvas, Size{200, 120}};
    PixelPen pen{dc, Point{199, 119}, kRed};

    Pixels Drawn() const {
        Pixels drawn;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 200; ++x)
                if (canvas.PixelAt(x, y) == kRed) drawn.insert({x, y});
        return drawn;
    }
};

TEST_F(PixelLineTest, AxisParallelAndDiagonalLinesIncludeBothEnds) {
    Pixels expected;
    pen.MoveTo(5, 5);
    pen.LineTo(15, 5);
    EXPECT_EQ(pen.Current(), (Point{15, 5}));
    for (int x = 5; x <= 15; ++x) expected.insert({x, 5});
    pen.MoveTo(30, 40);
    pen.LineTo(30, 20);
    for (int y = 20; y <= 40; ++y) expected.insert({30, y});
    pen.MoveTo(50, 50);
    pen.LineTo(40, 40);
    for (int i = 40; i <= 50; ++i) expected.insert({i, i});
    EXPECT_EQ(Drawn(), expected);
}

TEST_F(PixelLineTest, ShallowAndSteepLinesTakeTheNearestPixels) {
    pen.Polyline({{10, 10}, {17, 13}});  // slope 3/7
    pen.Polyline({{20, 20}, {22, 27}});  // slope 7/2
    EXPECT_EQ(Drawn(), (Pixels{{10, 10}, {11, 10}, {12, 11}, {13, 11}, {14, 12}, {15, 12}, {16, 13}, {17, 13},
                               {20, 20}, {20, 21}, {21, 22}, {21, 23}, {21, 24}, {21, 25}, {22, 26}, {22, 27}}));
}

TEST_F(PixelLineTest, AStepExactlyHalfwayDrawsBothPixels) {
    pen.Polyline({{60, 80}, {64, 81}});  // at x 62 the line is at y 80.5
    EXPECT_EQ(Drawn(), (Pixels{{60, 80}, {61, 80}, {62, 80}, {62, 81}, {63, 81}, {64, 81}}));
}

TEST_F(PixelLineTest, DegenerateLinesDrawNothing) {
    pen.Polyline({{30, 30}, {30, 30}});
    // Vertical beyond a side and horizontal beyond the top or bottom: the clip divides by zero.
    for (const auto& [from, to] : {std::pair{Point{-5, 10}, Point{-5, 50}}, {Point{250, 10}, Point{250, 50}},
                                   {Point{10, -5}, Point{50, -5}}, {Point{10, 130}, Point{50, 130}}}) {
        pen.MoveTo(from);
        pen.LineTo(to);
        EXPECT_EQ(pen.Current(), from);
    }
    pen.Polyline({{0, 5}, {-10, 5}});  // clipped back onto its start
    EXPECT_TRUE(Drawn().empty());
}

TEST_F(PixelLineTest, ClosedHexagonHoldsAFloodFill) {
    const int xL = 50, xC = 71, xR = 92, yB = 80;
    pen.Polyline({{xL, yB}, {xC, yB + 21}, {xR, yB}, {xR, yB - 21}, {xC, yB - 42}, {xL, yB - 21}, {xL, yB}});
    dc.SelectObject(Brush::Solid(kBlue));
    ASSERT_TRUE(dc.FloodFill(xC, yB - 10, kRed));
    int filled = 0, outline = 0, outsideBox = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 200; ++x) {
            const Colour c = canvas.PixelAt(x, y);
            filled += c == kBlue;
            outline += c == kRed;
            outsideBox += (x < xL || x > xR || y < yB - 42 || y > yB + 21) && c != kGrey;
        }
    // Six 45-degree and upright edges of 22 pixels sharing their corners; inside, rows of
    // 1, 3, ..., 41 pixels under the top, twenty rows of 41, and 41, 39, ..., 1 above the foot.
    EXPECT_EQ(outline, 6 * 22 - 6);
    EXPECT_EQ(filled, 441 + 20 * 41 + 441);
    EXPECT_EQ(outsideBox, 0);
}

// Every octant, from the middle of the canvas to an end 30 along the major axis and 10 across.
struct Offset {
    int x, y;
};
void PrintTo(const Offset& d, std::ostream* os) { *os << "(" << d.x << ", " << d.y << ")"; }

class PixelLineOctants : public PixelLineTest, public testing::WithParamInterface<Offset> {};

TEST_P(PixelLineOctants, OnePixelPerStepNearTheTrueLine) {
    const Offset d = GetParam();
    const Point start{100, 60};
    const Point end{start.x + d.x, start.y + d.y};
    pen.Polyline({start, end});
    EXPECT_EQ(pen.Current(), end);
    const Pixels drawn = Drawn();
    EXPECT_EQ(drawn.size(), 31u);
    EXPECT_TRUE(drawn.contains({start.x, start.y}));
    EXPECT_TRUE(drawn.contains({end.x, end.y}));

    const bool xMajor = std::abs(d.x) > std::abs(d.y);
    const int major = xMajor ? d.x : d.y;
    const int minor = xMajor ? d.y : d.x;
    // One pixel per step within half a pixel of the true line; neighbours are then adjacent.
    for (int i = 0; i <= 30; ++i) {
        const int along = major > 0 ? i : -i;
        std::vector<int> across;
        for (const auto& [x, y] : drawn)
            if ((xMajor ? x - start.x : y - start.y) == along) across.push_back(xMajor ? y - start.y : x - start.x);
        ASSERT_EQ(across.size(), 1u) << "step " << i;
        EXPECT_LE(std::abs(across[0] - double(minor) * i / 30), 0.5) << "step " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(EightWays, PixelLineOctants,
                         testing::Values(Offset{30, 10}, Offset{10, 30}, Offset{-10, 30}, Offset{-30, 10},
                                         Offset{-30, -10}, Offset{-10, -30}, Offset{10, -30}, Offset{30, -10}));

struct ClipCase {
    Point from, to, clipped;
};
void PrintTo(const ClipCase& c, std::ostream* os) {
    *os << "(" << c.from.x << ", " << c.from.y << ") to (" << c.to.x << ", " << c.to.y << ")";
}

class PixelLineClip : public PixelLineTest, public testing::WithParamInterface<ClipCase> {};

// The clipped end is where the line meets the edge, rounded half away from the start; the line
// is then drawn to it as to any target.
TEST_P(PixelLineClip, TargetEndsOnTheEdge) {
    const auto& [from, to, clipped] = GetParam();
    pen.Polyline({from, to});
    EXPECT_EQ(pen.Current(), clipped);
    EXPECT_EQ(canvas.PixelAt(clipped.x, clipped.y), kRed);
    const int steps = std::max(std::abs(clipped.x - from.x), std::abs(clipped.y - from.y));
    EXPECT_EQ(Drawn().size(), size_t(steps + 1));
}

INSTANTIATE_TEST_SUITE_P(FourSides, PixelLineClip,
                         testing::Values(ClipCase{{10, 50}, {-20, 43}, {0, 48}},     // y 47.67
                                         ClipCase{{60, 10}, {47, -20}, {56, 0}},     // x 55.67
                                         ClipCase{{190, 60}, {230, 80}, {199, 65}},  // y 64.5
                                         ClipCase{{100, 110}, {130, 150}, {107, 119}}));  // x 106.75

}  // namespace
}  // namespace dulm

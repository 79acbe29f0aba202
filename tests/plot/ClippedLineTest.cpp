// A line clipped to a rectangle draws there exactly what LineTo draws, however far off its ends lie.
#include <random>
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "plot/ClippedLine.h"

namespace dulm {
namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels Drawn(const Canvas& canvas) {
    Pixels drawn;
    for (int y = 0; y < canvas.GetSize().cy; ++y)
        for (int x = 0; x < canvas.GetSize().cx; ++x)
            if (canvas.PixelAt(x, y) == kRed) drawn.insert({x, y});
    return drawn;
}

Pixels Within(const Pixels& pixels, const Rect& r) {
    Pixels inside;
    for (const auto& [x, y] : pixels)
        if (r.Contains(x, y)) inside.insert({x, y});
    return inside;
}

// Ends anywhere from far left of the canvas to far right of it, in every direction.
TEST(ClippedLine, DrawsInsideTheBoundsWhatLineToDrawsThereAndNothingOutside) {
    const Size size{48, 40};
    const Rect bounds{8, 6, 40, 34};
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-60, 108);
    for (int n = 0; n < 400; ++n) {
        const Point from{coordinate(random), coordinate(random)}, to{coordinate(random), coordinate(random)};
        Canvas whole(size, kGrey), clipped(size, kGrey);
        Dc dcWhole(whole, size), dcClipped(clipped, size);
        dcWhole.SelectObject(Pen{kRed});
        dcClipped.SelectObject(Pen{kRed});
        dcWhole.MoveTo(from);
        dcWhole.LineTo(to);
        LineWithin(dcClipped, from, to, bounds);
        ASSERT_EQ(Drawn(clipped), Within(Drawn(whole), bounds))
            << from.x << ',' << from.y << " to " << to.x << ',' << to.y;
    }
}

// Slope 1/3 through the origin from 2^26 times (-3, -1) to 2^26 times (3, 1): at x the pixel
// nearest the line, y = x / 3 with halves rounded up, is floor((2x + 3) / 6). Steep the same way.
TEST(ClippedLine, EndsFarOffTheCanvasGiveThePixelsNearestTheLine) {
    constexpr int N = 1 << 26;
    const Size size{32, 32};
    for (const bool steep : {false, true}) {
        Canvas canvas(size, kGrey);
        Dc dc(canvas, size);
        dc.SelectObject(Pen{kRed});
        if (steep) LineWithin(dc, {N, 3 * N}, {-N, -3 * N}, {0, 0, 32, 32});
        else LineWithin(dc, {-3 * N, -N}, {3 * N, N}, {0, 0, 32, 32});
        Pixels expected;
        for (int t = 0; t < 32; ++t)
            expected.insert(steep ? std::pair{(2 * t + 3) / 6, t} : std::pair{t, (2 * t + 3) / 6});
        EXPECT_EQ(Drawn(canvas), expected) << (steep ? "steep" : "shallow");
    }
}

}  // namespace
}  // namespace dulm

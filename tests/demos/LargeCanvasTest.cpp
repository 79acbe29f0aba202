// The largest canvas with the input that takes a coordinate farthest out, for each demonstration
// that scales coordinates by the canvas size: Regression (clicks, which pin its line) and
// Correlation (its line, placed the same way). The fitted line still runs where it should.
#include <vector>

#include <gtest/gtest.h>

#include "demos/regression/RegrView.h"
#include "harness/Scenario.h"
#include "res/Resources.h"

namespace dulm {
namespace {

constexpr Size kLargest{8000, 8000};

// Where the straight line through a and b crosses a row, give or take two pixels.
Rect OnLineAt(Point a, Point b, int row) {
    const long long x = a.x + (long long)(row - a.y) * (b.x - a.x) / (b.y - a.y);
    return {int(x) - 2, row, int(x) + 3, row + 1};
}

// Posts the input once the first paint has rested and says where the fitted line must show.
using Input = std::vector<Rect> (*)(Scenario&);

// Clicks 31 pixels apart from the top of the coordinate range to its bottom: a falling line some
// two thousand times steeper than the frame's diagonal, its ends millions of pixels off the
// canvas. Logical points map linearly onto the data, so it runs through both clicks.
std::vector<Rect> SteepestFall(Scenario& s) {
    const int cx = s.GetView<CRegrView>().CentroidX();
    const Point left{cx - 30, -32768}, right{cx + 1, 32767};
    s.ClickAt(5, left);
    s.ClickAt(10, right);
    return {OnLineAt(left, right, 100), OnLineAt(left, right, 7900)};
}

// Ten pairs interchanged; the least-squares line runs through the middle of the plot.
std::vector<Rect> TenInterchanges(Scenario& s) {
    s.KeyAt(5, *KeyByName("0"));
    return {{3900, 3900, 4101, 4101}};
}

struct LargeCase {
    const char* name;
    unsigned id;
    Input input;
};
void PrintTo(const LargeCase& c, std::ostream* os) { *os << c.name; }

class LargestCanvas : public ::testing::TestWithParam<LargeCase> {};

TEST_P(LargestCanvas, TheFittedLineRunsWhereTheInputPutsIt) {
    Scenario s(GetParam().id, ScenarioOptions{kLargest, {}, 3});
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const std::vector<Rect> probes = GetParam().input(s);
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    for (const Rect& r : probes) {
        bool shown = false;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) shown = shown || s.Pixel(x, y) == kScatterLine;
        EXPECT_TRUE(shown) << "no line in x " << r.left << " to " << r.right - 1 << ", y " << r.top << " to "
                           << r.bottom - 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Demos, LargestCanvas,
                         ::testing::Values(LargeCase{"RegressionSteepestFall", res::IDR_REGRESSION, SteepestFall},
                                           LargeCase{"CorrelationTenInterchanges", res::IDR_CORRELATION,
                                                     TenInterchanges}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dulm

// The Alpha demonstration: the critical value and tails for each distribution and tail choice,
// the rejection regions shaded exactly under the curve on the standard canvas and on the large
// ones, and chi-square kept one-tailed however the tail buttons are clicked.
#include <algorithm>
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "demos/alpha/AlphDoc.h"
#include "harness/Scenario.h"
#include "res/Resources.h"

namespace dulm {
namespace {

// Upper tail probabilities of the three statistics.
double NormalTail(double z) { return 0.5 * std::erfc(z / std::sqrt(2.0)); }
double StudentTail3(double t) {
    const double u = t / std::sqrt(3.0);
    return 0.5 - (std::atan(u) + u / (1 + u * u)) / std::numbers::pi;
}
double ChiSquareTail4(double x) { return std::exp(-x / 2) * (1 + x / 2); }

// The curve's geometry on a W x H canvas: at most 1024 samples whole columns apart and centred in
// the box 40..W-20, at most 767 units of height with the zero level centred in the box 30..H-70.
struct Geometry {
    explicit Geometry(Size canvas) {
        const int pw = canvas.cx - 60, ph = canvas.cy - 100;
        const int nx = std::min(pw, 1023), ny = std::min(ph, 767);
        span = nx * (pw / nx);
        left = 40 + (pw - span) / 2;
        zero = 30 + (ph + ny) / 2;
        rowsPerUnit = ny / 0.4;
    }
    int X(double v, double xmin) const { return left + int((v - xmin) * span / 12 + 0.5); }
    // Pixels of shaded area per unit of probability.
    double PixelsPerUnit() const { return span / 12.0 * rowsPerUnit; }
    int left, span, zero;
    double rowsPerUnit;
};

// The light grey pixels of the columns x0..x1 above the zero level: the curve and what it closes.
int Shaded(const Bitmap& image, int x0, int x1, int zero) {
    int n = 0;
    for (int x = std::max(x0, 0); x <= std::min(x1, image.Width() - 1); ++x)
        for (int y = 0; y < zero; ++y) n += image.PixelAt(x, y) == kLightGrey;
    return n;
}

ScenarioOptions OnCanvas(Size canvas) {
    ScenarioOptions o;
    o.canvas = canvas;
    return o;
}

struct Choice {
    const char* name;
    int dist, tails;          // the buttons clicked
    const char* title, *value, *tailText;
    double crit, xmin;
    double upperArea, lowerArea;  // shaded probability beyond +crit and below -crit, up to the axis ends
};

void PrintTo(const Choice& c, std::ostream* os) { *os << c.name; }

const Choice kChoices[] = {
    {"NormalOne", 0, 0, "Normal Distribution", "z = 1.64", "one-tailed", 1.645, -6, NormalTail(1.645), 0},
    {"NormalTwo", 0, 1, "Normal Distribution", "z = 1.96", "two-tailed", 1.96, -6, NormalTail(1.96), NormalTail(1.96)},
    {"StudentOne", 1, 0, "Student's (df=3) Distribution", "t = 2.35", "one-tailed", 2.353, -6,
     StudentTail3(2.353) - StudentTail3(6), 0},
    {"StudentTwo", 1, 1, "Student's (df=3) Distribution", "t = 3.18", "two-tailed", 3.182, -6,
     StudentTail3(3.182) - StudentTail3(6), StudentTail3(3.182) - StudentTail3(6)},
    {"ChiSquareOne", 2, 0, "ChiSquare (df=4) Distribution", "chi = 9.49", "one-tailed", 9.49, 0,
     ChiSquareTail4(9.49) - ChiSquareTail4(12), 0},
    // "Two-tailed" clicked after "ChiSquare" is ignored.
    {"ChiSquareTwo", 2, 1, "ChiSquare (df=4) Distribution", "chi = 9.49", "one-tailed", 9.49, 0,
     ChiSquareTail4(9.49) - ChiSquareTail4(12), 0},
};

// 1000 x 700 samples every column of the box; 1300 x 900 samples 1024 points of a wider box with
// a shorter curve; 2200 x 700 samples 1024 points two columns apart.
const Size kCanvases[] = {{1000, 700}, {1300, 900}, {2200, 700}};

class AlphaPicture : public ::testing::TestWithParam<std::tuple<Choice, Size>> {};

TEST_P(AlphaPicture, PrintsTheCriticalValueAndShadesExactlyTheRejectionRegion) {
    const auto& [c, canvas] = GetParam();
    Scenario s(res::IDR_ALPHA, OnCanvas(canvas));
    s.User().QueueDialog(DialogAnswer{false, {{1003, std::to_string(c.dist)}, {1011, std::to_string(c.tails)}}});
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const int W = canvas.cx, H = canvas.cy;
    EXPECT_EQ(s.Document<CAlphDoc>().m_nTails, c.lowerArea > 0 ? 1 : 0);
    EXPECT_TRUE(s.Drew(c.title));
    bool tailText = false, value = false;
    for (const TextRecord& r : s.TextLog()) {
        tailText |= r.text == std::string("alpha = 0.05  ...  ") + c.tailText && r.x == 2 * (W - 16) / 3 && r.y == (H - 40) / 3;
        value |= r.text == c.value && r.x == 2 * (W - 16) / 3 && r.y == (H - 40) / 2;
    }
    EXPECT_TRUE(tailText);
    EXPECT_TRUE(value);

    const Geometry g(canvas);
    const Bitmap image = s.Image();
    const int upper = g.X(c.crit, c.xmin), lower = g.X(-c.crit, c.xmin);
    const double perUnit = g.PixelsPerUnit();
    EXPECT_NEAR(Shaded(image, upper + 1, W - 1, g.zero), c.upperArea * perUnit, 0.05 * c.upperArea * perUnit);
    if (c.lowerArea > 0) {
        EXPECT_NEAR(Shaded(image, 0, lower - 1, g.zero), c.lowerArea * perUnit, 0.05 * c.lowerArea * perUnit);
    } else if (c.xmin < 0) {  // the curve alone
        EXPECT_LT(Shaded(image, 0, lower - 1, g.zero), 0.2 * c.upperArea * perUnit);
    }
    // Nothing leaked under the middle of the curve or around it.
    EXPECT_EQ(s.Pixel(g.left + g.span / 2, g.zero - 5), kGrey);
    EXPECT_EQ(s.Pixel(W - 1, 0), kGrey);
    EXPECT_EQ(s.Pixel(W - 1, H - 1), kGrey);
}

INSTANTIATE_TEST_SUITE_P(Choices, AlphaPicture, ::testing::Combine(::testing::ValuesIn(kChoices), ::testing::ValuesIn(kCanvases)),
                         [](const auto& info) {
                             const Size canvas = std::get<1>(info.param);
                             return std::string(std::get<0>(info.param).name) + "_" + std::to_string(canvas.cx) + "x" +
                                    std::to_string(canvas.cy);
                         });

// A box of 1240 x 800: 1024 samples from column 148 to 1171, a curve 767 high whose zero level
// lies 783 below the top, at 813; nothing on the box's bottom edge 830. The standard canvas
// draws from 40 to 980 with the zero level on the bottom edge 630.
TEST(AlphaLargeCanvas, SamplesOnlyAsFinelyAsTheLimitsAllow) {
    for (const auto& [canvas, first, last, zero, peak] :
         {std::tuple{Size{1300, 900}, 148, 1171, 813, 48}, std::tuple{Size{1000, 700}, 40, 980, 630, 32}}) {
        Scenario s(res::IDR_ALPHA, OnCanvas(canvas));
        ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);  // Normal, one-tailed
        EXPECT_EQ(s.Pixel(first - 1, zero), kGrey) << canvas.cx;
        EXPECT_EQ(s.Pixel(first, zero), kLightGrey);
        EXPECT_EQ(s.Pixel(last, zero), kLightGrey);
        EXPECT_EQ(s.Pixel(last + 1, zero), kGrey);
        if (zero != canvas.cy - 70) {
            EXPECT_EQ(s.Pixel(600, canvas.cy - 70), kGrey);
        }
        // The peak, 0.3989 of 0.4: 765 of 767 units, 598 of 600.
        const int centre = (first + last) / 2;
        EXPECT_EQ(s.Pixel(centre, peak), kLightGrey);
        EXPECT_EQ(s.Pixel(centre, peak - 1), kGrey);
        EXPECT_EQ(s.Pixel(centre, peak + 1), kGrey);
    }
}

}  // namespace
}  // namespace dulm

// The Power demonstration: the standard error, critical value and axis for small, fractional and
// large sample sizes, both alternatives' tails hatched exactly under their own curves on the
// standard and the large canvas, and sample sizes outside 1 to 20 refused.
#include <algorithm>
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "demos/power/BetaDoc.h"
#include "harness/Scenario.h"
#include "res/Resources.h"

namespace dulm {
namespace {

double NormalTail(double z) { return 0.5 * std::erfc(z / std::sqrt(2.0)); }

ScenarioOptions OnCanvas(Size canvas) {
    ScenarioOptions o;
    o.canvas = canvas;
    return o;
}

struct SampleSize {
    const char* name;
    const char* entry;
    double n;
    const char* sd;
    const char* crit;
    std::vector<std::string> xLabels;
    const char* yTop;
    const char* yMiddle;
};

void PrintTo(const SampleSize& c, std::ostream* os) { *os << c.name; }

const SampleSize kSizes[] = {
    {"One", "1", 1, "sd = 1.00", "crit. value = 1.64", {"-9.0", "-6.00", "-3.00", " 0.00", " 3.00", " 6.00", " 9.0"}, "0.40", "0.20"},
    {"TwoAndAHalf", "2.5", 2.5, "sd = 0.63", "crit. value = 1.04",
     {"-5.7", "-3.79", "-1.90", " 0.00", " 1.90", " 3.79", " 5.7"}, "0.63", "0.32"},
    {"Twenty", "20", 20, "sd = 0.22", "crit. value = 0.37",
     {"-2.0", "-1.34", "-0.67", " 0.00", " 0.67", " 1.34", " 2.0"}, "1.78", "0.89"},
};

const Size kCanvases[] = {{1000, 700}, {1300, 900}};

// The pixels of a hatch colour on the hatch lines of the columns x0..x1 above the zero level.
int Hatched(const Bitmap& image, Colour colour, bool forward, int x0, int x1, int zero) {
    int n = 0;
    for (int x = std::max(x0, 0); x <= std::min(x1, image.Width() - 1); ++x)
        for (int y = 0; y < zero; ++y)
            if (((forward ? x - y : x + y) & 7) == 0) n += image.PixelAt(x, y) == colour;
    return n;
}

class PowerPicture : public ::testing::TestWithParam<std::tuple<SampleSize, Size>> {};

TEST_P(PowerPicture, PrintsTheStandardErrorAndHatchesEachAlternativesTail) {
    const auto& [c, canvas] = GetParam();
    Scenario s(res::IDR_POWER, OnCanvas(canvas));
    s.User().QueueDialog(DialogAnswer{false, {{1002, c.entry}}});
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const int W = canvas.cx, H = canvas.cy;
    EXPECT_FLOAT_EQ(s.Document<CBetaDoc>().m_fSampleSize, float(c.n));

    std::vector<std::string> xLabels;
    std::map<std::string, Point> at;
    for (const TextRecord& r : s.TextLog()) {
        if (r.y == H - 58) xLabels.push_back(r.text);
        at[r.text] = {r.x, r.y};
    }
    EXPECT_EQ(xLabels, c.xLabels);
    EXPECT_EQ(at["Normal Distribution"], (Point{0, 0}));
    EXPECT_EQ(at[c.yTop], (Point{0, 25}));
    EXPECT_EQ(at[c.yMiddle], (Point{0, (H - 50) / 2}));
    const int x = 13 * (W - 16) / 16, y0 = (H - 40) / 5;
    EXPECT_EQ(at[c.sd], (Point{x, y0}));
    EXPECT_EQ(at["alpha = 0.05"], (Point{x, y0 + 30}));
    EXPECT_EQ(at[c.crit], (Point{x, y0 + 60}));

    // 1024 samples at most, a curve 767 high at most; the axis runs over 18 standard errors.
    const int pw = W - 60, ph = H - 100, nx = std::min(pw, 1023), ny = std::min(ph, 767);
    const int span = nx * (pw / nx), left = 40 + (pw - span) / 2, zero = 30 + (ph + ny) / 2;
    const double sd = 1 / std::sqrt(c.n), crit = 1.645 * sd;
    auto column = [&](double v) { return left + int((v + 9 * sd) * span / (18 * sd) + 0.5); };
    // Each alternative's tail beyond its critical value: P(Z > 1.645 - sqrt(n)).
    const double tail = NormalTail(1.645 - std::sqrt(c.n)) * span * ny * std::sqrt(2 * std::numbers::pi) / 18;
    const Bitmap image = s.Image();
    EXPECT_NEAR(Hatched(image, kBlue, false, 0, column(-crit) - 1, zero), tail / 8, 0.08 * tail / 8);
    EXPECT_NEAR(Hatched(image, kGreen, true, column(crit) + 1, W - 1, zero), tail / 8, 0.08 * tail / 8);

    // Nothing hatched between the critical values, above the curves or beside the box.
    const int between = Hatched(image, kBlue, false, column(-crit) + 1, column(crit) - 1, zero) +
                        Hatched(image, kGreen, true, column(-crit) + 1, column(crit) - 1, zero);
    EXPECT_LT(between, tail / 8 / 4);  // the curves only
    for (int px = 0; px < W; px += 7) {
        EXPECT_NE(s.Pixel(px, 20), kBlue);
        EXPECT_NE(s.Pixel(px, 20), kGreen);
    }
    EXPECT_EQ(s.Pixel(W - 1, H - 1), kGrey);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PowerPicture, ::testing::Combine(::testing::ValuesIn(kSizes), ::testing::ValuesIn(kCanvases)),
                         [](const auto& info) {
                             const Size canvas = std::get<1>(info.param);
                             return std::string(std::get<0>(info.param).name) + "_" + std::to_string(canvas.cx) + "x" +
                                    std::to_string(canvas.cy);
                         });

TEST(PowerDialog, RefusesSizesOutsideOneToTwentyAndText) {
    Scenario s(res::IDR_POWER);
    for (const char* entry : {"0.5", "21", "n", "2.5"}) s.User().QueueDialog(DialogAnswer{false, {{1002, entry}}});
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(s.User().Prompts(),
              (std::vector<std::string>{"Please enter a number between 1 and 20.", "Please enter a number between 1 and 20.",
                                        "Please enter a number."}));
    EXPECT_EQ(s.User().DialogsShown(), std::vector<unsigned>{res::IDD_POWER});
    EXPECT_EQ(s.Document<CBetaDoc>().m_fSampleSize, 2.5f);
    EXPECT_TRUE(s.Drew("sd = 0.63"));
}

}  // namespace
}  // namespace dulm

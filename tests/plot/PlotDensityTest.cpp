// Density curves over a plot box, on the standard canvas and on one larger than the sampling
// allows; the axis labels under and beside the plots.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "plot/AxisLabels.h"
#include "plot/PlotDensity.h"

namespace dulm {
namespace {

const auto normal = [](float x) { return std::exp(-double(x) * x / 2) / std::sqrt(2 * std::numbers::pi); };

struct Picture {
    explicit Picture(Size s) : size(s), canvas(s, kGrey), dc(canvas, s), pen(dc, {s.cx - 1, s.cy - 1}) {}

    PlotBox Box() const { return StandardPlotBox(size); }
    bool Drawn(int x, int y) const { return canvas.PixelAt(x, y) != kGrey; }
    // The highest drawn pixel of a column, -1 when there is none.
    int TopOf(int x) const {
        for (int y = 0; y < size.cy; ++y)
            if (Drawn(x, y)) return y;
        return -1;
    }
    int CountDrawn() const {
        int n = 0;
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x) n += Drawn(x, y);
        return n;
    }

    Size size;
    Canvas canvas;
    Dc dc;
    PixelPen pen;
};

// 1000 x 700: a box of 940 x 600, sampled at every column (941 samples) with the baseline at the
// box's bottom.
TEST(PlotDensityTest, NormalCurveOnTheStandardCanvas) {
    Picture picture({1000, 700});
    const DensityAxes axes{-3.0f, 3.0f, 0.0f, 0.5f};
    const DensityScale scale = DensityScale::For(picture.Box(), axes);
    EXPECT_EQ(scale.nx, 940);
    EXPECT_EQ(scale.yoff, 600);
    EXPECT_EQ(scale.XOffset(0.0f), 470);
    EXPECT_EQ(scale.YOffset(0.25), 300);

    // f(3) 1200 = 5.3: the curve ends 5 above the baseline 630.
    EXPECT_EQ(PlotDensity(picture.pen, picture.Box(), axes, normal, DensityMode::Outline), 625);
    EXPECT_TRUE(picture.Drawn(40, 630));  // the start, on the baseline
    EXPECT_EQ(picture.TopOf(40), 625);
    EXPECT_EQ(picture.TopOf(980), 625);
    EXPECT_EQ(picture.TopOf(39), -1);
    EXPECT_EQ(picture.TopOf(981), -1);
    // f(0) 1200 = 478.7: the peak, in column 40 + 470, is 479 above the baseline, and nothing is higher.
    EXPECT_EQ(picture.TopOf(510), 151);
    int highest = 700;
    for (int x = 0; x < 1000; ++x)
        if (picture.TopOf(x) >= 0) highest = std::min(highest, picture.TopOf(x));
    EXPECT_EQ(highest, 151);
}

// 1200 x 900: a box of 1140 x 800, so 1024 samples centred 58 in, and 767 units of height over a
// baseline 783 below the top.
TEST(PlotDensityTest, LargeCanvasCentresTheSamplesAndTheHeight) {
    Picture picture({1200, 900});
    const DensityAxes axes{0.0f, 1.0f, 0.0f, 0.5f};
    const DensityScale scale = DensityScale::For(picture.Box(), axes);
    EXPECT_EQ(scale.nx, 1023);
    EXPECT_EQ(scale.stepPx, 1);
    EXPECT_EQ(scale.xoff, 58);
    EXPECT_EQ(scale.ny, 767);
    EXPECT_EQ(scale.yoff, 783);

    // 0.2 of 767 / 0.5 is 306.8: the curve runs 307 above the baseline 30 + 783.
    const int end = PlotDensity(picture.pen, picture.Box(), axes, [](float) { return 0.2; }, DensityMode::Outline);
    EXPECT_EQ(end, 506);
    EXPECT_TRUE(picture.Drawn(98, 813));
    EXPECT_EQ(picture.TopOf(98), 506);
    EXPECT_EQ(picture.TopOf(1121), 506);
    EXPECT_EQ(picture.TopOf(97), -1);
    EXPECT_EQ(picture.TopOf(1122), -1);
    EXPECT_EQ(picture.CountDrawn(), (813 - 506 + 1) + (1121 - 98));  // the rise and the level run
}

// 0.2 (240 units of 600) over the left half of 0..1, then values above and below the axis.
const auto stepsOutOfRange = [](float x) { return x < 0.4995f ? 0.2 : x < 0.7495f ? 0.7 : -0.1; };

TEST(PlotDensityTest, ValuesOutOfRangeAreSkipped) {
    const DensityAxes axes{0.0f, 1.0f, 0.0f, 0.5f};
    Picture fill({1000, 700}), outline({1000, 700});
    // Fill: a column from the baseline 630 up to 390 at each of the 470 samples in range.
    EXPECT_EQ(PlotDensity(fill.pen, fill.Box(), axes, stepsOutOfRange, DensityMode::Fill), 390);
    EXPECT_EQ(fill.CountDrawn(), 470 * (630 - 390 + 1));
    EXPECT_TRUE(fill.Drawn(509, 630));
    // Outline: the rise at the left edge and the level run, ending at the last sample in range.
    EXPECT_EQ(PlotDensity(outline.pen, outline.Box(), axes, stepsOutOfRange, DensityMode::Outline), 390);
    EXPECT_EQ(outline.CountDrawn(), (630 - 390 + 1) + (509 - 40));
    for (const Picture* p : {&fill, &outline}) {
        EXPECT_EQ(p->TopOf(509), 390);
        EXPECT_EQ(p->TopOf(510), -1);
    }
}

TEST(AxisLabelsTest, PositionsAndFormatsOnTheStandardCanvas) {
    Canvas canvas({1000, 700}, kGrey);
    std::vector<TextRecord> log;
    Dc dc(canvas, {1000, 700}, &log);
    const float values[] = {0.0f, 0.5f, 1.0f, 1.5f, 2.0f, 2.5f, 3.0f};
    DrawXAxisLabels(dc, {1000, 700}, values, 6);
    DrawYAxisTopAndMiddle(dc, {1000, 700}, "%4.2f", 0.5f);
    DrawYAxisZero(dc, {1000, 700});

    // Inner labels at (k 920 + 3) / 6 + 28, the middle one at 985 / 2 - 4.
    const std::vector<std::tuple<int, int, std::string>> expected{
        {32, 642, " 0.0"},  {181, 642, " 0.50"}, {335, 642, " 1.00"}, {488, 642, " 1.50"},
        {641, 642, " 2.00"}, {795, 642, " 2.50"}, {952, 642, " 3.0"},
        {0, 25, "0.50"},    {0, 325, "0.25"},     {0, 625, "  0"}};
    std::vector<std::tuple<int, int, std::string>> drawn;
    for (const TextRecord& r : log) drawn.emplace_back(r.x, r.y, r.text);
    EXPECT_EQ(drawn, expected);
}

}  // namespace
}  // namespace dulm

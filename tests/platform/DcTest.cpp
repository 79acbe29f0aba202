// The pixel rules the demonstrations rely on.
#include <cstdint>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/Dc.h"
#include "platform/Typeface.h"

namespace dulm {
namespace {

class DcTest : public testing::Test {
protected:
    Canvas canvas{Size{200, 120}, kGrey};
    std::vector<TextRecord> log;
    Dc dc{canvas, Size{200, 120}, &log};

    int CountPixels(Colour c) const {
        int n = 0;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 200; ++x) n += canvas.PixelAt(x, y) == c;
        return n;
    }
};

TEST_F(DcTest, LineToLeavesTheTargetPixelOutAndMakesItCurrent) {
    dc.SelectObject(Pen{kRed});
    dc.MoveTo(10, 10);
    dc.LineTo(20, 10);
    EXPECT_EQ(dc.GetPixel(10, 10), kRed);
    EXPECT_EQ(dc.GetPixel(19, 10), kRed);
    EXPECT_EQ(dc.GetPixel(20, 10), kGrey);
    EXPECT_EQ(dc.GetCurrentPosition(), (Point{20, 10}));
    dc.LineTo(20, 30);  // continues from the current point, whose pixel it now draws
    EXPECT_EQ(dc.GetPixel(20, 10), kRed);
    EXPECT_EQ(dc.GetPixel(20, 29), kRed);
    EXPECT_EQ(dc.GetPixel(20, 30), kGrey);
    EXPECT_EQ(CountPixels(kRed), 30);
}

TEST_F(DcTest, DiagonalAndUpwardLinesAreSinglePixelStaircases) {
    dc.MoveTo(50, 50);
    dc.LineTo(40, 40);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(dc.GetPixel(50 - i, 50 - i), kBlack) << i;
    EXPECT_EQ(dc.GetPixel(40, 40), kGrey);
    EXPECT_EQ(CountPixels(kBlack), 10);
    dc.MoveTo(5, 5);
    dc.LineTo(5, 5);  // an empty line draws nothing
    EXPECT_EQ(dc.GetPixel(5, 5), kGrey);
}

TEST_F(DcTest, DrawingOutsideTheCanvasIsClippedAway) {
    dc.MoveTo(-50, 60);
    dc.LineTo(250, 60);
    EXPECT_EQ(CountPixels(kBlack), 200);
    dc.SetPixel(-1, 0, kRed);
    dc.SetPixel(200, 0, kRed);
    EXPECT_EQ(CountPixels(kRed), 0);
}

// Down and up a column, through the clip's edges and off the canvas: each pixel from the start
// to the one before the target, only inside the clip; a line that changes nothing announces nothing.
TEST_F(DcTest, VerticalLinesAreClippedAndOnlyChangesAreCounted) {
    dc.SelectObject(Pen{kRed});
    dc.SelectClipRgn(Rect{0, 10, 200, 100});
    dc.MoveTo(30, 5);
    dc.LineTo(30, 50);  // rows 10 to 49
    dc.MoveTo(31, 150);
    dc.LineTo(31, 90);  // rows 91 to 99 (150 down to 91, clipped at 100)
    dc.MoveTo(32, 99);
    dc.LineTo(32, -20);  // rows 10 to 99
    EXPECT_EQ(dc.GetPixel(30, 9), kGrey);
    EXPECT_EQ(dc.GetPixel(30, 10), kRed);
    EXPECT_EQ(dc.GetPixel(30, 49), kRed);
    EXPECT_EQ(dc.GetPixel(30, 50), kGrey);
    EXPECT_EQ(dc.GetPixel(31, 90), kGrey);
    EXPECT_EQ(dc.GetPixel(31, 91), kRed);
    EXPECT_EQ(dc.GetPixel(31, 100), kGrey);
    EXPECT_EQ(dc.GetPixel(32, 10), kRed);
    EXPECT_EQ(dc.GetPixel(32, 99), kRed);
    EXPECT_EQ(CountPixels(kRed), 40 + 9 + 90);
    EXPECT_EQ(dc.GetCurrentPosition(), (Point{32, -20}));

    int announced = 0;
    canvas.SetAnnouncer([&] { ++announced; });
    canvas.Rearm();
    dc.MoveTo(40, 0);
    dc.LineTo(40, 10);  // entirely above the clip
    dc.MoveTo(-1, 20);
    dc.LineTo(-1, 60);  // left of the canvas
    dc.MoveTo(200, 20);
    dc.LineTo(200, 60);  // right of it
    dc.MoveTo(50, 40);
    dc.LineTo(50, 40);  // empty
    EXPECT_EQ(announced, 0);
    dc.LineTo(50, 39);  // one pixel: (50, 40)
    EXPECT_EQ(announced, 1);
    EXPECT_EQ(CountPixels(kRed), 40 + 9 + 90 + 1);
}

// A closed square outline in green with a flood fill inside, bounded by green.
class FloodFillTest : public DcTest {
protected:
    void Outline() {
        dc.SelectObject(Pen{kGreen});
        dc.MoveTo(20, 20);
        dc.LineTo(60, 20);
        dc.LineTo(60, 60);
        dc.LineTo(20, 60);
        dc.LineTo(20, 20);
    }
};

TEST_F(FloodFillTest, SolidBrushFillsTheInsideUpToTheBorderOnly) {
    Outline();
    dc.SelectObject(Brush::Solid(kBlue));
    EXPECT_TRUE(dc.FloodFill(40, 40, kGreen));
    EXPECT_EQ(CountPixels(kBlue), 39 * 39);
    EXPECT_EQ(dc.GetPixel(19, 40), kGrey);
    EXPECT_EQ(dc.GetPixel(20, 40), kGreen);
}

TEST_F(FloodFillTest, BorderColourBrushStillFillsTheWholeRegion) {
    // The pegs of the ball board are filled in their own outline colour.
    Outline();
    dc.SelectObject(Brush::Solid(kGreen));
    EXPECT_TRUE(dc.FloodFill(40, 40, kGreen));
    EXPECT_EQ(CountPixels(kGreen), 40 * 4 + 39 * 39);
}

TEST_F(FloodFillTest, HatchedBrushesDrawTheirDiagonalsOnlyInTransparentMode) {
    Outline();
    dc.SetBkMode(BkMode::Transparent);
    dc.SelectObject(Brush::Hatch(HatchStyle::FDiagonal, kBlue));
    dc.FloodFill(40, 40, kGreen);
    EXPECT_EQ(dc.GetPixel(32, 32), kBlue);  // x - y divisible by 8: "\"
    EXPECT_EQ(dc.GetPixel(40, 32), kBlue);
    EXPECT_EQ(dc.GetPixel(33, 32), kGrey);
    const int fdiagonal = CountPixels(kBlue);
    EXPECT_NEAR(fdiagonal, 39 * 39 / 8, 39);

    dc.SelectObject(Brush::Hatch(HatchStyle::BDiagonal, kRed));
    dc.FloodFill(40, 40, kGreen);  // the blue hatch does not bound the region
    EXPECT_EQ(dc.GetPixel(24, 24), kRed);  // x + y divisible by 8: "/"
    EXPECT_EQ(dc.GetPixel(25, 23), kRed);
    EXPECT_EQ(dc.GetPixel(32, 32), kRed);  // where both diagonals cross
}

TEST_F(FloodFillTest, OpaqueModeFillsTheHatchGapsWithTheBackgroundColour) {
    Outline();
    dc.SetBkColor(kWhite);
    dc.SelectObject(Brush::Hatch(HatchStyle::BDiagonal, kBlue));
    dc.FloodFill(40, 40, kGreen);
    EXPECT_EQ(CountPixels(kBlue) + CountPixels(kWhite), 39 * 39);
}

TEST_F(FloodFillTest, StockBlackBrushAndAStartOnTheBorder) {
    Outline();
    dc.SelectObject(Brush::StockBlack());
    EXPECT_FALSE(dc.FloodFill(20, 30, kGreen));  // starts on the border: nothing
    EXPECT_EQ(CountPixels(kBlack), 0);
    EXPECT_TRUE(dc.FloodFill(100, 100, kNeverDrawn));  // nothing bounds it: the whole view
    EXPECT_EQ(CountPixels(kBlack), 200 * 120);
}

// The only border pixels lie at the far corner of the clip: they still bound the region, and the
// pocket they close off, and everything outside the clip, keep their colour.
TEST_F(FloodFillTest, ABorderInTheLastPixelsOfTheClipStillBoundsTheRegion) {
    dc.SelectClipRgn(Rect{10, 5, 150, 100});
    dc.SelectObject(Pen{kGreen});
    dc.MoveTo(147, 99);
    dc.LineTo(147, 96);  // (147, 99) to (147, 97)
    dc.LineTo(150, 96);  // (147, 96) to (149, 96); the clip ends at column 149 and row 99
    dc.SelectObject(Brush::Solid(kBlue));
    EXPECT_TRUE(dc.FloodFill(40, 40, kGreen));
    EXPECT_EQ(CountPixels(kGreen), 6);
    EXPECT_EQ(dc.GetPixel(148, 98), kGrey);  // the pocket: (148..149, 97..99)
    EXPECT_EQ(CountPixels(kBlue), 140 * 95 - 6 - 6);
    EXPECT_EQ(dc.GetPixel(9, 40), kGrey);
    EXPECT_EQ(dc.GetPixel(150, 40), kGrey);
}

TEST_F(DcTest, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    dc.SelectObject(Pen{kRed});
    dc.SelectObject(Brush::Solid(kBlue));
    dc.Rectangle(10, 10, 20, 15);  // right and bottom exclusive
    EXPECT_EQ(dc.GetPixel(10, 10), kRed);
    EXPECT_EQ(dc.GetPixel(19, 14), kRed);
    EXPECT_EQ(dc.GetPixel(20, 14), kGrey);
    EXPECT_EQ(CountPixels(kBlue), 8 * 3);
    dc.SelectObject(Brush::Hollow());
    dc.Rectangle(30, 30, 40, 40);
    EXPECT_EQ(dc.GetPixel(35, 35), kGrey);
}

TEST_F(DcTest, EllipseIsClosedAndSymmetric) {
    dc.SelectObject(Brush::Hollow());
    dc.Ellipse(50, 20, 91, 61);  // a circle of 41 pixels across
    EXPECT_EQ(dc.GetPixel(70, 20), kBlack);
    EXPECT_EQ(dc.GetPixel(70, 60), kBlack);
    EXPECT_EQ(dc.GetPixel(50, 40), kBlack);
    EXPECT_EQ(dc.GetPixel(90, 40), kBlack);
    EXPECT_EQ(dc.GetPixel(70, 40), kGrey);
    // Closed: a fill from the centre stays inside the bounding box.
    dc.SelectObject(Brush::Solid(kBlue));
    dc.FloodFill(70, 40, kBlack);
    EXPECT_EQ(dc.GetPixel(51, 21), kGrey);
    EXPECT_GT(CountPixels(kBlue), 1100);  // about pi * 19.5^2
    EXPECT_LT(CountPixels(kBlue), 1300);
}

TEST_F(DcTest, ClipRegionLimitsPixelsLinesFillsAndText) {
    dc.SelectClipRgn(Rect{0, 0, 50, 120});
    dc.MoveTo(0, 10);
    dc.LineTo(199, 10);
    EXPECT_EQ(CountPixels(kBlack), 50);
    dc.SelectObject(Brush::Solid(kBlue));
    dc.FloodFill(10, 50, kNeverDrawn);
    EXPECT_EQ(dc.GetPixel(49, 50), kBlue);
    EXPECT_EQ(dc.GetPixel(50, 50), kGrey);
    dc.SetTextColor(kRed);
    dc.SetBkMode(BkMode::Transparent);
    dc.TextOut(40, 60, "WWWW");
    for (int y = 0; y < 120; ++y)
        for (int x = 50; x < 200; ++x) ASSERT_NE(dc.GetPixel(x, y), kRed) << x << "," << y;
    dc.SelectClipRgn(std::nullopt);
    dc.MoveTo(0, 12);
    dc.LineTo(199, 12);
    EXPECT_EQ(dc.GetPixel(150, 12), kBlack);
}

TEST_F(DcTest, TextDrawnAgainInTheBackgroundColourRestoresEveryPixel) {
    const Bitmap before = canvas.Snapshot();
    dc.SetBkMode(BkMode::Transparent);
    for (const Font& font : {Font::BoldArial(12), Font::BoldArial(48), Font::SystemFixed(), Font::DeviceDefault()}) {
        dc.SelectObject(font);
        dc.SetTextColor(kBlack);
        dc.TextOut(3, 7, "(+1.25-4.75) / 2 = -1.75");
        ASSERT_GT(CountPixels(kBlack), 20) << font.face << font.pixelSize;
        dc.SetTextColor(kGrey);
        dc.TextOut(3, 7, "(+1.25-4.75) / 2 = -1.75");
        EXPECT_EQ(canvas.Snapshot(), before) << font.face << font.pixelSize;
    }
}

TEST_F(DcTest, TextIsTwoColouredAndLogged) {
    dc.SetBkMode(BkMode::Transparent);
    dc.SetTextColor(kBlue);
    dc.TextOut(10, 10, "SAMPLE MEAN DISTRIBUTION");
    EXPECT_EQ(CountPixels(kBlue) + CountPixels(kGrey), 200 * 120);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].text, "SAMPLE MEAN DISTRIBUTION");
    EXPECT_EQ(log[0].colour, kBlue);
    EXPECT_EQ((Point{log[0].x, log[0].y}), (Point{10, 10}));
}

TEST_F(DcTest, OpaqueTextPaintsItsCellInTheBackgroundColour) {
    dc.SetBkColor(kWhite);
    dc.TextOut(0, 0, "ab");
    const Size extent = dc.GetTextExtentPoint("ab");
    EXPECT_GT(CountPixels(kWhite), extent.cx * extent.cy / 2);
}

TEST_F(DcTest, SelectReturnsThePreviousObject) {
    const Pen first = dc.SelectObject(Pen{kRed});
    EXPECT_EQ(first.colour, kBlack);
    EXPECT_EQ(dc.SelectObject(first).colour, kRed);
    {
        const SelectGuard<Font> keep(dc, Font::BoldArial(36));
        EXPECT_EQ(dc.CurrentFont(), Font::BoldArial(36));
    }
    EXPECT_EQ(dc.CurrentFont(), Font::DeviceDefault());
    EXPECT_EQ(dc.SetTextColor(kRed), kBlack);
    EXPECT_EQ(dc.SetBkMode(BkMode::Transparent), BkMode::Opaque);
}

TEST_F(DcTest, AStateSaverRestoresEverySelectionAndSettingTogether) {
    dc.SelectObject(Font::SystemFixed());
    dc.SelectClipRgn(Rect{0, 0, 100, 100});
    const Dc::State before = dc.SaveState();
    {
        const DcStateSaver keep(dc);
        dc.SelectObject(Pen{kRed});
        dc.SelectObject(Brush::Hollow());
        dc.SelectObject(Font::BoldArial(48));
        dc.SetTextColor(kBlue);
        dc.SetBkColor(kRed);
        dc.SetBkMode(BkMode::Transparent);
        dc.SelectClipRgn(std::nullopt);
        dc.TextOut(0, 0, "W");
    }
    const Dc::State after = dc.SaveState();
    EXPECT_EQ(after.pen, before.pen);
    EXPECT_EQ(after.brush, before.brush);
    EXPECT_EQ(after.font, before.font);
    EXPECT_EQ(after.textColour, before.textColour);
    EXPECT_EQ(after.bkColour, before.bkColour);
    EXPECT_EQ(after.bkMode, before.bkMode);
    EXPECT_EQ(after.clip, before.clip);
    EXPECT_EQ(dc.GetTextExtentPoint("lllll").cx, 39) << "text is measured in the restored font again";
}

TEST(FontTest, BoldArialSizesAreMulDivOfPointsAt96Dpi) {
    EXPECT_EQ(Font::BoldArial(12).pixelSize, 16);
    EXPECT_EQ(Font::BoldArial(14).pixelSize, 19);
    EXPECT_EQ(Font::BoldArial(16).pixelSize, 21);
    EXPECT_EQ(Font::BoldArial(20).pixelSize, 27);
    EXPECT_EQ(Font::BoldArial(28).pixelSize, 37);
    EXPECT_EQ(Font::BoldArial(48).pixelSize, 64);
    EXPECT_EQ(MulDiv(-7, 3, 2), -11);  // halves away from zero
}

TEST(FontTest, ArialResolvesToAMetricCompatibleBoldFaceAndTheFixedFontIsFixed) {
    Canvas canvas{Size{50, 50}};
    Dc dc{canvas, Size{50, 50}};
    EXPECT_THAT(FontFile(Font::BoldArial(12)), testing::EndsWith("/LiberationSans-Bold.ttf"));
    EXPECT_THAT(FontFile(Font::SystemFixed()), testing::EndsWith("/LiberationMono-Regular.ttf"));
    dc.SelectObject(Font::SystemFixed());
    EXPECT_EQ(dc.GetTextExtentPoint("iiii").cx, dc.GetTextExtentPoint("WWWW").cx);
    const TextMetrics tm = dc.GetTextMetrics();
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
}

TEST(MappingTest, DPtoLPStretchesTheClientAreaOntoTheCanvas) {
    Canvas canvas{Size{1000, 700}};
    Dc dc{canvas, Size{500, 700}};
    EXPECT_EQ(dc.DPtoLP({250, 350}), (Point{500, 350}));
    EXPECT_EQ(dc.LPtoDP({500, 350}), (Point{250, 350}));
    EXPECT_EQ(dc.GetViewportExtEx(), (Size{500, 700}));
}

}  // namespace
}  // namespace dulm

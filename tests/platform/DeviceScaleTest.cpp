// Drawing at a device scale and in another palette: what the pictures rely on at scale 1 (erasing
// restores, outlines stay closed) holds at any scale and in either palette.
#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include "platform/Dc.h"
#include "platform/Palette.h"
#include "platform/Typeface.h"

namespace dulm {
namespace {

std::set<std::uint32_t> ColoursOf(const Canvas& canvas) {
    std::set<std::uint32_t> colours;
    const Bitmap& b = canvas.Pixels();
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) colours.insert(b.Row(y)[x] & 0xFFFFFFu);
    return colours;
}

// A little of everything the demonstrations draw: lines every way, pixels, a marker, a box, texts
// both ways.
void DrawScene(Dc& dc, Colour ink, Colour paper) {
    dc.SelectObject(Pen{ink});
    dc.SelectObject(Brush::Solid(paper));
    dc.MoveTo(10, 10);
    dc.LineTo(150, 10);
    dc.LineTo(150, 90);
    dc.LineTo(17, 33);
    dc.LineTo(10, 10);
    for (int i = 0; i < 30; ++i) dc.SetPixel(30 + i, 60 + i / 3, ink);
    dc.Ellipse(100, 40, 109, 49);
    dc.Rectangle(120, 60, 140, 75);
    dc.SetTextColor(ink);
    dc.SetBkColor(paper);
    dc.SetBkMode(BkMode::Opaque);
    dc.TextOut(20, 70, "sd = 1.00");
    dc.SetBkMode(BkMode::Transparent);
    dc.SelectObject(Font::BoldArial(14));
    dc.TextOut(60, 20, "# of samples=1000");
}

class DeviceScaleTest : public testing::TestWithParam<double> {
protected:
    Size Device() const { return {int(200 * GetParam() + 0.5), int(120 * GetParam() + 0.5)}; }
};

TEST_P(DeviceScaleTest, DrawingAgainInTheBackgroundRestoresEveryPixelInBothPalettes) {
    for (const Palette* palette : {&Palette::Classic(), &Palette::Projector()}) {
        Canvas canvas{Size{200, 120}, Device(), kGrey};
        canvas.SetPalette(*palette);
        Dc dc{canvas, Size{200, 120}};
        DrawScene(dc, kRed, kWhite);
        EXPECT_GT(ColoursOf(canvas).size(), 2u);
        DrawScene(dc, kGrey, kGrey);
        EXPECT_EQ(ColoursOf(canvas), std::set<std::uint32_t>{palette->Pixel(kGrey) & 0xFFFFFFu}) << palette->Name();
    }
}

TEST_P(DeviceScaleTest, OutlinesStayClosedUnderFloodFills) {
    Canvas canvas{Size{200, 120}, Device(), kGrey};
    Dc dc{canvas, Size{200, 120}};
    dc.SelectObject(Pen{kGreen});
    dc.MoveTo(20, 20);  // a triangle with two slanted sides, and a curve set pixel by pixel below it
    dc.LineTo(90, 27);
    dc.LineTo(43, 80);
    dc.LineTo(20, 20);
    auto curve = [](int x) { return 100 - (x - 140) * (x - 140) / 20; };
    for (int x = 100; x < 180; ++x)
        for (int y = std::min(curve(x), curve(x + 1)); y <= std::max(curve(x), curve(x + 1)); ++y) dc.SetPixel(x, y, kGreen);
    dc.MoveTo(100, 20);
    dc.LineTo(180, 20);
    dc.SelectObject(Brush::Solid(kBlue));
    EXPECT_TRUE(dc.FloodFill(40, 35, kGreen));
    EXPECT_TRUE(dc.FloodFill(140, 60, kGreen));
    EXPECT_EQ(dc.GetPixel(5, 5), kGrey);  // nothing leaked outside
    EXPECT_EQ(dc.GetPixel(195, 110), kGrey);
    EXPECT_EQ(dc.GetPixel(120, 115), kGrey);
    EXPECT_EQ(dc.GetPixel(40, 35), kBlue);
}

TEST_P(DeviceScaleTest, TextIsRasterisedAtTheScaledSizeNotStretched) {
    Canvas one{Size{200, 120}, kGrey};
    Canvas scaled{Size{200, 120}, Device(), kGrey};
    Dc a{one, Size{200, 120}};
    Dc b{scaled, Size{200, 120}};
    for (Dc* dc : {&a, &b}) {
        dc->SetBkMode(BkMode::Transparent);
        dc->TextOut(40, 50, "Normal 0.95");
    }
    // Two colours only, as at scale 1: hinted monochrome glyphs, no smoothed edges.
    EXPECT_EQ(ColoursOf(scaled), ColoursOf(one));
    // The ink at the scaled coordinates, as wide as the scaled font's text.
    auto inkBox = [](const Canvas& c) {
        Rect box{1 << 20, 1 << 20, -1, -1};
        const Bitmap& p = c.Pixels();
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x)
                if ((p.Row(y)[x] & 0xFFFFFFu) == 0)
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
        return box;
    };
    const Rect at1 = inkBox(one);
    const Rect atS = inkBox(scaled);
    const double s = GetParam();
    EXPECT_NEAR(atS.left, at1.left * s, s + 1);
    EXPECT_NEAR(atS.top, at1.top * s, s + 1);
    EXPECT_NEAR(atS.Width(), at1.Width() * s, 2 * s + 2);
    EXPECT_NEAR(atS.Height(), at1.Height() * s, 2 * s + 2);
    // The measures the views lay out with stay logical.
    EXPECT_EQ(b.GetTextExtentPoint("Normal 0.95"), a.GetTextExtentPoint("Normal 0.95"));
}

INSTANTIATE_TEST_SUITE_P(Scales, DeviceScaleTest, testing::Values(1.0, 1.25, 1.5, 2.0, 3.0));

TEST(PaletteTest, SwitchingPalettesRepaintsThePictureAndSwitchingBackRestoresIt) {
    Canvas canvas{Size{200, 120}, Size{300, 180}, kGrey};
    Dc dc{canvas, Size{200, 120}};
    DrawScene(dc, kRed, kWhite);
    dc.SelectObject(Pen{kLightGrey});
    dc.MoveTo(0, 100);
    dc.LineTo(199, 100);
    const Bitmap classic = canvas.Snapshot();
    canvas.SetPalette(Palette::Projector());
    EXPECT_EQ(dc.GetPixel(5, 5), kGrey);                      // the views still see their colours,
    EXPECT_EQ(canvas.PixelAt(5, 5), RGB(255, 255, 255));      // the screen the projector's
    EXPECT_EQ(canvas.PixelAt(0, 150), RGB(118, 118, 118));
    EXPECT_FALSE(canvas.Snapshot() == classic);
    canvas.SetPalette(Palette::Classic());
    EXPECT_TRUE(canvas.Snapshot() == classic);
}

TEST(PaletteTest, EveryColourIsShownAsADifferentPixel) {
    const Palette& p = Palette::Projector();
    std::set<std::uint32_t> shown;
    // The program's colours, what they turn into, and a few others: a permutation keeps them apart.
    for (Colour c : {kBlack, kWhite, kGrey, kLightGrey, kRed, kGreen, kBlue, kNeverDrawn, RGB(255, 255, 255),
                     RGB(240, 240, 240), RGB(118, 118, 118), RGB(185, 25, 0), RGB(0, 168, 122), RGB(1, 2, 3)}) {
        shown.insert(p.Pixel(c));
        EXPECT_EQ(p.ColourOf(p.Pixel(c)), c);
    }
    EXPECT_EQ(shown.size(), 13u);  // white is listed twice
    EXPECT_EQ(p.Shown(kNeverDrawn), kNeverDrawn);
    EXPECT_EQ(Palette::Named("projector"), &p);
    EXPECT_EQ(Palette::Named("bright"), nullptr);
}

}  // namespace
}  // namespace dulm

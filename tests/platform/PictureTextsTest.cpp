// The texts a picture shows: noted by TextOut, gone once their pixels no longer show them.
#include <gtest/gtest.h>

#include "platform/Dc.h"
#include "platform/PictureTexts.h"
#include "platform/Typeface.h"

namespace dulm {
namespace {

std::vector<std::string> Words(Canvas& canvas) {
    std::vector<std::string> words;
    for (const PictureText& t : canvas.Texts()) words.push_back(t.text);
    return words;
}

class PictureTextsTest : public ::testing::Test {
protected:
    Canvas canvas{Size{300, 200}, kGrey};
    Dc dc{canvas, Size{300, 200}};
};

TEST_F(PictureTextsTest, ReadingOrderPositionAndColour) {
    dc.SetBkMode(BkMode::Transparent);
    dc.SetTextColor(kRed);
    dc.TextOut(150, 52, "right");  // two pixels lower, still on the line of "left"
    dc.SetTextColor(kBlue);
    dc.TextOut(10, 50, "left");
    dc.TextOut(10, 100, "below");
    dc.TextOut(10, 10, "top");
    const std::vector<PictureText> texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(Words(canvas), (std::vector<std::string>{"top", "left", "right", "below"}));
    EXPECT_EQ(texts[2].position, (Point{150, 52}));
    EXPECT_EQ(texts[2].colour, kRed);
    EXPECT_EQ(texts[2].size.cy, dc.GetTextMetrics().tmHeight);
    EXPECT_EQ(PlainText(texts), "top\nleft\tright\nbelow\n");
}

// Drawn at twice the pixels and in the projector's colours, a text is found where its larger
// glyphs lie and reported in the view's own units; switching the palette under it keeps it.
TEST(PictureTextsAtScale, FoundInTheDevicePixelsReportedInUnits) {
    Canvas canvas{Size{300, 200}, Size{600, 400}, kGrey};
    canvas.SetPalette(Palette::Projector());
    Dc dc{canvas, Size{300, 200}};
    dc.SetBkMode(BkMode::Transparent);
    dc.SetTextColor(kRed);
    dc.TextOut(40, 30, "r = 0.98");
    std::vector<PictureText> texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].position, (Point{40, 30}));
    EXPECT_EQ(texts[0].colour, kRed);
    canvas.SetPalette(Palette::Classic());
    EXPECT_EQ(canvas.Texts().size(), 1u);
    dc.SetTextColor(kGrey);
    dc.TextOut(40, 30, "r = 0.98");
    EXPECT_TRUE(canvas.Texts().empty());
}

TEST_F(PictureTextsTest, ErasedByTheBackgroundColourOrAFillOrAResizeAndShownAgain) {
    dc.SetBkMode(BkMode::Transparent);
    dc.TextOut(10, 10, "Hit any key");
    dc.TextOut(10, 60, "n = 5");
    dc.SetTextColor(kGrey);  // the runs' erase: the same text in the background colour
    dc.TextOut(10, 10, "Hit any key");
    EXPECT_EQ(Words(canvas), (std::vector<std::string>{"n = 5"}));
    dc.SetTextColor(kBlack);
    dc.TextOut(10, 10, "Hit any key");
    EXPECT_EQ(Words(canvas), (std::vector<std::string>{"Hit any key", "n = 5"}));
    dc.SelectObject(Brush::Solid(kGrey));
    dc.SelectObject(Pen{kGrey});
    dc.Rectangle(0, 50, 300, 100);  // painted over
    EXPECT_EQ(Words(canvas), (std::vector<std::string>{"Hit any key"}));
    // Drawn twice in place: one text. Half hidden under a bar: still there.
    dc.TextOut(10, 10, "Hit any key");
    dc.SelectObject(Brush::Solid(kBlue));
    dc.Rectangle(10, 10, 14, 40);
    EXPECT_EQ(Words(canvas), (std::vector<std::string>{"Hit any key"}));
    canvas.Resize({300, 200}, kGrey);
    EXPECT_TRUE(canvas.Texts().empty());
}

TEST_F(PictureTextsTest, OpaqueTextOverAnotherAndTextOffTheCanvas) {
    dc.TextOut(10, 10, "12345");
    dc.TextOut(10, 10, "6");  // an opaque box covers the start of the older count
    dc.TextOut(-500, 10, "gone");
    dc.SetTextColor(kWhite);
    dc.TextOut(10, 80, "white on white");  // the opaque box is white too: nothing to read
    EXPECT_EQ(Words(canvas), (std::vector<std::string>{"12345", "6"}));
    dc.SetTextColor(kBlack);
    dc.TextOut(10, 10, "77777");
    EXPECT_EQ(Words(canvas), (std::vector<std::string>{"77777"}));
}

TEST_F(PictureTextsTest, ACounterDrawnAndErasedThousandsOfTimesKeepsTheListSmall) {
    dc.SetBkMode(BkMode::Transparent);
    for (int i = 0; i <= 3000; ++i) {
        const std::string count = std::to_string(i);
        dc.SetTextColor(kBlack);
        dc.TextOut(20, 20, count);
        if (i == 3000) break;
        dc.SetTextColor(kGrey);
        dc.TextOut(20, 20, count);
    }
    dc.SetTextColor(kBlack);
    dc.TextOut(20, 60, "100");
    dc.TextOut(20, 60, "1000");  // covers every pixel of "100"
    EXPECT_EQ(Words(canvas), (std::vector<std::string>{"3000", "1000"}));
    // What no longer shows is dropped as the list grows, not only when it is asked for.
    PictureTexts texts;
    const Bitmap blank(Size{100, 100}, kGrey);
    const Typeface& face = Typeface::For(Font::DeviceDefault());
    for (int i = 0; i < 20000; ++i)
        texts.Note(face, {10, 10}, kBlack, std::to_string(i), {&face, {10, 10}}, blank, Palette::Classic());
    EXPECT_LE(texts.Noted(), 512u);
}

}  // namespace
}  // namespace dulm

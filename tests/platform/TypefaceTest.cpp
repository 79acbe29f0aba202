// The engine's own text: the faces' metrics, where each glyph stands, and faces that cannot open.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/Dc.h"
#include "platform/Typeface.h"

namespace dulm {
namespace {

// Liberation Sans Bold has 2048 units to the em, a Windows ascent of 1854 and descent of 434;
// Liberation Mono 1705 and 615, and every advance is 1229 units.
TEST(TypefaceTest, MetricsAreTheFacesWindowsAscentAndDescentInWholePixels) {
    const TextMetrics small = Typeface::For(Font::BoldArial(12)).Metrics();  // 16 px
    EXPECT_EQ(small.tmAscent, 14);   // 14.48
    EXPECT_EQ(small.tmDescent, 3);   // 3.39
    EXPECT_EQ(small.tmHeight, 17);
    // 37 px: 1854 * 37 / 2048 = 33.496, which FreeType's 1/64-pixel scale makes 33.5, rounded up.
    EXPECT_EQ(Typeface::For(Font::BoldArial(28)).Metrics().tmAscent, 34);
    const TextMetrics fixed = Typeface::For(Font::SystemFixed()).Metrics();  // 13 px
    EXPECT_EQ(fixed.tmAscent, 11);   // 10.82
    EXPECT_EQ(fixed.tmDescent, 4);   // 3.90
    EXPECT_EQ(fixed.tmAveCharWidth, 8);
    EXPECT_EQ(fixed.tmMaxCharWidth, 8);
}

// At 13 px a fixed-pitch advance is 1229 * 13 / 2048 = 7.8 pixels (499/64): the exact positions
// 7.8, 15.6, 23.4 and 31.2 put the glyphs at 7, 15, 23 and 31, and five of them are 39 wide.
TEST(TypefaceTest, GlyphsStandAtTheWholePixelLeftOfTheirExactPosition) {
    Canvas canvas{Size{80, 30}, kWhite};
    Dc dc{canvas, Size{80, 30}};
    dc.SelectObject(Font::SystemFixed());
    dc.SetBkMode(BkMode::Transparent);
    auto inkColumns = [&] {
        std::vector<int> columns;
        for (int x = 0; x < 80; ++x)
            for (int y = 0; y < 30; ++y)
                if (canvas.PixelAt(x, y) == kBlack) {
                    columns.push_back(x);
                    break;
                }
        return columns;
    };
    dc.TextOut(0, 0, "l");
    const std::vector<int> one = inkColumns();
    ASSERT_FALSE(one.empty());
    dc.TextOut(0, 0, "lllll");
    std::vector<int> expected;
    for (int pen : {0, 7, 15, 23, 31})
        for (int x : one) expected.push_back(pen + x);
    EXPECT_EQ(inkColumns(), expected);
    EXPECT_EQ(dc.GetTextExtentPoint("lllll"), (Size{39, 15}));
    EXPECT_EQ(dc.GetTextExtentPoint("Sample Mean = 0.4523").cx, 156);  // 20 x 7.8
}

TEST(TypefaceTest, MalformedUtf8IsOneReplacementPerByte) {
    const std::string text = "a\xC3\xA9\xFF\xE2\x82";
    std::vector<char32_t> decoded;
    for (std::size_t i = 0; i < text.size();) decoded.push_back(NextCodePoint(text, i));
    EXPECT_EQ(decoded, (std::vector<char32_t>{'a', 0xE9, 0xFFFD, 0xFFFD, 0xFFFD}));
}

class FontFolder {
public:
    explicit FontFolder(const std::string& dir) { setenv("DULM_FONT_DIR", dir.c_str(), 1); }
    ~FontFolder() { unsetenv("DULM_FONT_DIR"); }
};

TEST(TypefaceTest, AFaceThatCannotOpenIsAnErrorNamingItsFile) {
    {
        const FontFolder missing("/nonexistent-fonts");
        EXPECT_EQ(CheckFonts(), "cannot open the font file /nonexistent-fonts/LiberationSans-Bold.ttf: "
                                "No such file or directory");
        Canvas canvas{Size{40, 40}};
        Dc dc{canvas, Size{40, 40}};
        EXPECT_THROW(dc.TextOut(0, 0, "x"), FontError);
    }
    const std::string dir = testing::TempDir() + "/not-fonts";
    std::filesystem::create_directories(dir);
    std::ofstream(dir + "/LiberationSans-Bold.ttf") << "not a font";
    const FontFolder garbage(dir);
    EXPECT_THAT(CheckFonts(), testing::StartsWith("cannot read the font file " + dir + "/LiberationSans-Bold.ttf: not a font"));
}

}  // namespace
}  // namespace dulm

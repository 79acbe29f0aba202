// The Regression demonstration: the five draws, pinning a line either side of the centroid, the
// steep-line rules, Esc with the least-squares line and the list, and F1.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>

#include "demos/regression/RegrView.h"
#include "harness/Scenario.h"
#include "res/Resources.h"

namespace dulm {
namespace {

// time(NULL) = 1 seeds the generator with 255; its first five draws are 871, 28819, 21850,
// 10966 and 17631, giving a, b, c, d and e in that order.
constexpr long kTime = 1;
constexpr double kA = 871 / 32767.0 - 0.5, kB = -2.0 - 28819 / 32767.0, kC = 4.0 * 21850 / 32767.0 - 2.0,
                 kD = 10966 / 32767.0 + 2.0, kE = 0.5 - 17631 / 32767.0;
constexpr double kXs[] = {-2, -1, 0, 1, 2}, kYs[] = {kA, kB, kC, kD, kE};

ScenarioOptions Options(Size canvas = {1000, 700}) {
    ScenarioOptions o;
    o.canvas = canvas;
    o.time = kTime;
    return o;
}

// The mean squared residual of the line y = y0 + b x over the five points.
double MeanSquaredResidual(double y0, double b) {
    double err = 0.0;
    for (int i = 0; i < 5; ++i) err += std::pow(y0 + b * kXs[i] - kYs[i], 2) / 5.0;
    return err;
}

// The least-squares line: through the mean, slope sum(xy) / sum(x^2) = sum(xy) / 10.
double LeastSquaresError() {
    double mean = 0.0, sxy = 0.0;
    for (int i = 0; i < 5; ++i) mean += kYs[i] / 5.0, sxy += kXs[i] * kYs[i];
    return MeanSquaredResidual(mean, sxy / 10.0);
}

std::string Format(const char* format, double v) {
    char text[64];
    std::snprintf(text, sizeof text, format, v);
    return text;
}

const TextRecord* Find(const Scenario& s, const std::string& text) {
    for (const TextRecord& r : s.TextLog())
        if (r.text == text) return &r;
    return nullptr;
}

// The scatterplot's character cell, from the "-5" under the x axis: it stands at 2 cw on the row
// H - 1 - ch of a 1000 x 700 canvas. Zero when the scatterplot has no such label.
Size CharacterCell(const Scenario& s) {
    for (const TextRecord& r : s.TextLog())
        if (r.text == "-5" && r.x > 0) return {r.x / 2, 699 - r.y};
    return {};
}

TEST(Regression, FiveDrawsThenOnlyTheScatterplotWhichOnlyARepaintAfterF1Redraws) {
    Scenario s(res::IDR_REGRESSION, Options());
    s.PaintAt(100);  // while waiting: nothing
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const CRegrDoc& doc = s.Document<CRegrDoc>();
    EXPECT_EQ(doc.m_y, (std::array<double, 5>{kC, kD, kB, kE, kA}));
    EXPECT_DOUBLE_EQ(doc.m_sdX, std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(doc.m_meanY, (kA + kB + kC + kD + kE) / 5.0);
    EXPECT_NEAR(s.GetView<CRegrView>().Syx(), LeastSquaresError(), 1e-12);

    std::map<int, std::string> byX;  // the letters by their x on the canvas
    for (const TextRecord& r : s.TextLog()) {
        EXPECT_NE(r.colour, kScatterGreen);  // no line yet, so neither Syx nor err
        if (r.colour == kBlack) byX[r.x] += r.text;
    }
    std::string letters;
    for (const auto& [x, letter] : byX) letters += letter;
    EXPECT_EQ(letters, "abcde");

    const size_t texts = s.TextLog().size();
    s.HelpAt(200);
    s.PaintAt(300);  // the help window closing
    s.RunToQuiescence();
    EXPECT_EQ(s.User().HelpContexts(), std::vector<unsigned>{0x20080});
    EXPECT_EQ(s.TextLog().size(), 2 * texts);
    EXPECT_TRUE(s.GetView<CRegrView>().Waiting());
}

// Clicking on the points a and e pins (nearly) the line through them. The letters are centred
// on their points.
TEST(Regression, ClicksPinTheEndOnTheirSideOfTheCentroidAndTheFirstOnlyRecords) {
    Scenario s(res::IDR_REGRESSION, Options());
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const auto [cw, ch] = CharacterCell(s);
    ASSERT_GT(cw, 0);
    const Point a{Find(s, "a")->x + cw / 2, Find(s, "a")->y + ch / 2};
    const Point e{Find(s, "e")->x + cw / 2, Find(s, "e")->y + ch / 2};
    const size_t texts = s.TextLog().size();

    s.ClickAt(100, a);
    s.RunToQuiescence();
    EXPECT_FALSE(s.GetView<CRegrView>().Waiting());
    EXPECT_EQ(s.GetView<CRegrView>().LeftEnd(), a);
    EXPECT_EQ(s.TextLog().size(), texts);  // nothing redrawn

    s.ClickAt(200, e);
    s.KeyAt(300, *KeyByName("a"));  // not Esc: nothing
    s.RunToQuiescence();
    const CRegrView& view = s.GetView<CRegrView>();
    EXPECT_EQ(view.RightEnd(), e);
    EXPECT_FALSE(view.Stopped());
    EXPECT_NEAR(view.Slope(), (kE - kA) / 4.0, 0.02);
    EXPECT_NEAR(view.Err(), MeanSquaredResidual((kA + kE) / 2.0, (kE - kA) / 4.0), 0.05);
    EXPECT_GT(view.Err(), view.Syx());
    EXPECT_TRUE(s.Drew(Format("Syx = %.7f", LeastSquaresError())));
    EXPECT_TRUE(s.Drew(Format("err = %.7f", view.Err())));
}

// The red 3 x 3 outline around the centroid: its centre, found on the canvas.
std::optional<Point> CentroidMarker(const Scenario& s) {
    const Bitmap image = s.Image();
    for (int y = 1; y + 1 < image.Height(); ++y)
        for (int x = 1; x + 1 < image.Width(); ++x)
            if (s.Pixel(x - 1, y - 1) == kRed && s.Pixel(x + 1, y + 1) == kRed && s.Pixel(x, y) != kRed)
                return Point{x, y};
    return std::nullopt;
}

// Each pixel of the outline is red, or the line's grey where a residual or the line crosses it.
bool MarkerUncovered(const Scenario& s, Point c) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if ((dx != 0 || dy != 0) && s.Pixel(c.x + dx, c.y + dy) != kRed &&
                s.Pixel(c.x + dx, c.y + dy) != kScatterLine)
                return false;
    return true;
}

// Without a mouse: the first arrow shows a cross on the centroid, each later one moves it a
// hundredth of the plot, never out of it, and Enter places the end on its side as a click there
// would. Esc ends the game as before, and the cross goes with it.
TEST(Regression, ArrowKeysMoveACrossAndEnterPlacesAnEndThere) {
    Scenario s(res::IDR_REGRESSION, Options());
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const auto [cw, ch] = CharacterCell(s);
    ASSERT_GT(cw, 0);
    // The plot runs from 2 cw to 999 - cw across and from 2 ch - ch / 2 to 699 - ch - ch / 2 down.
    const int stepX = (999 - 3 * cw) / 100, stepY = (699 - 3 * ch) / 100;
    const std::optional<Point> c = CentroidMarker(s);
    ASSERT_TRUE(c);
    const KeyStroke right = *KeyByName("right"), left = *KeyByName("left"), up = *KeyByName("up");
    const KeyStroke enter = *KeyByName("enter"), esc = *KeyByName("esc");
    const CRegrView& view = s.GetView<CRegrView>();
    EXPECT_FALSE(view.Cross());
    EXPECT_NE(s.Pixel(c->x + 8, c->y), kBlack);

    s.KeyDownAt(100, right);
    s.RunToQuiescence();
    EXPECT_EQ(view.Cross(), c);
    EXPECT_EQ(s.Pixel(c->x + 8, c->y), kBlack);  // its right arm
    EXPECT_EQ(s.Pixel(c->x - 8, c->y), kBlack);
    for (int k = 0; k < 3; ++k) s.KeyDownAt(200 + k, right);
    s.KeyUpAt(300, enter);
    s.RunToQuiescence();
    EXPECT_EQ(view.Cross(), (Point{c->x + 3 * stepX, c->y}));
    EXPECT_EQ(view.RightEnd(), view.Cross());
    EXPECT_FALSE(view.Waiting());

    for (int k = 0; k < 13; ++k) s.KeyDownAt(400 + k, left);
    s.KeyUpAt(500, enter);
    s.RunToQuiescence();
    EXPECT_EQ(view.LeftEnd(), (Point{c->x - 10 * stepX, c->y}));
    EXPECT_EQ(view.Slope(), 0.0);  // both ends at the centroid's height
    double mean = 0.0;
    for (double y : kYs) mean += y / 5.0;
    EXPECT_NEAR(view.Err(), MeanSquaredResidual(mean, 0.0), 0.05);
    EXPECT_TRUE(s.Drew(Format("err = %.7f", view.Err())));

    for (int k = 0; k < 200; ++k) s.KeyDownAt(600 + k, up);
    s.RunToQuiescence();
    const Point top{c->x - 10 * stepX, 2 * ch - ch / 2};
    EXPECT_EQ(view.Cross(), top);
    s.KeyDownAt(850, *KeyByName("down"));
    s.KeyDownAt(851, *KeyByName("down"));
    s.RunToQuiescence();
    const Point last{top.x, top.y + 2 * stepY};
    EXPECT_EQ(view.Cross(), last);
    EXPECT_EQ(s.Pixel(last.x + 8, last.y), kBlack);

    s.KeyUpAt(900, esc);
    s.KeyDownAt(1000, right);  // ignored once the game is over
    s.RunToQuiescence();
    EXPECT_TRUE(view.Stopped());
    EXPECT_EQ(view.Cross(), last);
    EXPECT_NE(s.Pixel(last.x + 8, last.y), kBlack);
}

// The first click marks its end at once; a resize that changes the frame (a larger scaled font)
// keeps the user's line where the clicks put it, err included.
TEST(Regression, TheFirstEndShowsAtOnceAndAResizeKeepsTheLine) {
    Scenario s(res::IDR_REGRESSION, Options());
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const int cx = s.GetView<CRegrView>().CentroidX();
    s.ClickAt(100, {cx - 200, 300});
    s.RunToQuiescence();
    EXPECT_EQ(s.Pixel(cx - 200 + 3, 300), kScatterLine);
    EXPECT_EQ(s.Pixel(cx - 200, 300 - 3), kScatterLine);
    s.ClickAt(200, {cx + 200, 150});
    s.RunToQuiescence();
    const double err = s.GetView<CRegrView>().Err();
    const double slope = s.GetView<CRegrView>().Slope();
    s.Host().Resize({500, 350});
    s.RunToQuiescence();
    EXPECT_EQ(std::count_if(s.TextLog().begin(), s.TextLog().end(),
                            [&](const TextRecord& r) { return r.text == Format("err = %.7f", err); }),
              2);  // drawn again, unchanged
    EXPECT_DOUBLE_EQ(s.GetView<CRegrView>().Err(), err);
    EXPECT_DOUBLE_EQ(s.GetView<CRegrView>().Slope(), slope);
}

// Level lines that put the middle of the point c's residual (x = 0, the centroid's x) on the
// centroid or a few pixels off it: its length is written clear of the red square.
TEST(Regression, NoResidualLengthCoversTheCentroidMarker) {
    Scenario first(res::IDR_REGRESSION, Options());
    ASSERT_EQ(first.RunToQuiescence(), Activity::Quiescent);
    const std::optional<Point> c = CentroidMarker(first);
    ASSERT_TRUE(c);
    const Size cell = CharacterCell(first);
    ASSERT_GT(cell.cy, 0);
    const int pointY = Find(first, "c")->y + cell.cy / 2;
    for (int off = -8; off <= 8; ++off) {
        Scenario s(res::IDR_REGRESSION, Options());
        const int lineY = 2 * (c->y + off) - pointY;
        s.ClickAt(100, {c->x - 300, lineY});
        s.ClickAt(200, {c->x + 300, lineY});
        ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
        EXPECT_NEAR(s.GetView<CRegrView>().Slope(), 0.0, 1e-9);
        EXPECT_TRUE(MarkerUncovered(s, *c)) << off;
    }
}

struct SteepCase {
    const char* name;
    Size canvas;
    int dxFromCentroid[2];  // the two clicks, in this order
    int y[2];
    bool falling;           // steeper than -1, else the slope 100 of ends less than 0.01 apart or reversed
};
void PrintTo(const SteepCase& c, std::ostream* os) { *os << c.name; }

class RegressionSteepLines : public ::testing::TestWithParam<SteepCase> {};

TEST_P(RegressionSteepLines, SlopeHundredIsCutAtPlusMinus49AndAFallingLineRunsBeyond) {
    const SteepCase& c = GetParam();
    Scenario s(res::IDR_REGRESSION, Options(c.canvas));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const int cx = s.GetView<CRegrView>().CentroidX();
    s.ClickAt(100, {cx + c.dxFromCentroid[0], c.y[0]});
    s.ClickAt(200, {cx + c.dxFromCentroid[1], c.y[1]});
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const CRegrView& view = s.GetView<CRegrView>();
    const Point from = view.LineFrom(), to = view.LineTo();
    if (c.falling) {
        EXPECT_LT(view.Slope(), -1.0);
        // Cut at x = -4.9 and 4.9: near the left and right edges, far above and below the canvas.
        EXPECT_LT(from.x, c.canvas.cx / 10);
        EXPECT_GT(to.x, c.canvas.cx * 9 / 10);
        EXPECT_LT(from.y, 0);
        EXPECT_GE(to.y, c.canvas.cy);
    } else {
        // Cut at y = -4.9 and 4.9: nearly vertical, from the bottom of the frame to its top.
        EXPECT_EQ(view.Slope(), 100.0);
        EXPECT_GT(from.y, c.canvas.cy * 8 / 10);
        EXPECT_LT(to.y, c.canvas.cy / 10);
        EXPECT_GT(to.y, 0);
        EXPECT_LE(std::abs(to.x - from.x), 12);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RegressionSteepLines,
    ::testing::Values(
        // On a 1200-wide canvas one logical unit is less than 0.01 in x.
        SteepCase{"LessThanAHundredthApart", {1200, 700}, {0, 1}, {500, 200}, false},
        // Both clicks left of the centroid: the right end stays at the origin of the canvas, left of the left end.
        SteepCase{"RightEndLeftOfTheLeftEnd", {1000, 700}, {-300, -200}, {200, 400}, false},
        // One unit apart on a 1000-wide canvas is more than 0.01: an ordinary, very steep falling line.
        SteepCase{"FallingSteeperThanMinusOne", {1000, 700}, {0, 1}, {200, 500}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Regression, EscShowsTheLeastSquaresLineWithErrEqualToSyxAndTheListThenIgnoresClicks) {
    Scenario s(res::IDR_REGRESSION, Options());
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const int cx = s.GetView<CRegrView>().CentroidX();
    s.ClickAt(100, {cx - 200, 300});
    s.ClickAt(200, {cx + 200, 100});
    s.KeyAt(300, *KeyByName("esc"));
    s.RunToQuiescence();
    const CRegrView& view = s.GetView<CRegrView>();
    EXPECT_TRUE(view.Stopped());
    EXPECT_EQ(s.Document<CRegrDoc>().m_bUserLine, 0);
    EXPECT_NEAR(view.Err(), view.Syx(), 1e-12);
    EXPECT_NEAR(view.Err(), LeastSquaresError(), 1e-12);
    EXPECT_TRUE(s.Drew(Format("err = %.7f", LeastSquaresError())));
    const char* names[] = {"a = (-2, %.3f)", "b = (-1, %.3f)", "c = (0, %.3f)", "d = (1, %.3f)", "e = (2, %.3f)"};
    int lastY = -1;  // one under the other, a to e
    for (int i = 0; i < 5; ++i) {
        const TextRecord* r = Find(s, Format(names[i], kYs[i]));
        ASSERT_TRUE(r && r->y > lastY && r->colour == kBlack) << names[i];
        lastY = r->y;
    }

    const size_t texts = s.TextLog().size();
    const Point left = view.LeftEnd(), right = view.RightEnd();
    s.ClickAt(400, {cx + 300, 600});
    s.KeyAt(500, *KeyByName("esc"));
    s.RunToQuiescence();
    EXPECT_EQ(s.TextLog().size(), texts);
    EXPECT_EQ(s.GetView<CRegrView>().LeftEnd(), left);
    EXPECT_EQ(s.GetView<CRegrView>().RightEnd(), right);
}

}  // namespace
}  // namespace dulm

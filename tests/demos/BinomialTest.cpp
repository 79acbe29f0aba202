// The falling-ball board both probability devices draw, and the Binomial demonstration: its
// bounces against an independent count from the same seed, its counts as printed, the keypad
// speeds, Esc, repaints and closing.
#include <array>
#include <deque>
#include <limits>
#include <numeric>
#include <string>

#include <gtest/gtest.h>

#include "demos/binomial/QuinView.h"
#include "demos/spinner/SkinView.h"
#include "harness/Scenario.h"
#include "platform/Rand.h"
#include "res/Resources.h"

namespace dulm {
namespace {

Colour At(const Bitmap& image, int x, int y) { return image.PixelAt(x, y); }

int CountIn(const Bitmap& image, Rect r, Colour c) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += At(image, x, y) == c;
    return n;
}

// The bounds of the grey pixels below row `above` that a flood fill from start would cover.
Rect GreyRegion(const Bitmap& image, int above, Point start) {
    std::vector<char> seen(size_t(image.Width() * image.Height()), 0);
    std::deque<Point> todo{start};
    Rect bounds{start.x, start.y, start.x + 1, start.y + 1};
    for (; !todo.empty(); todo.pop_front()) {
        const Point p = todo.front();
        if (p.x < 0 || p.y <= above || p.x >= image.Width() || p.y >= image.Height()) continue;
        char& s = seen[size_t(p.y * image.Width() + p.x)];
        if (s || At(image, p.x, p.y) != kGrey) continue;
        s = 1;
        bounds = {std::min(bounds.left, p.x), std::min(bounds.top, p.y), std::max(bounds.right, p.x + 1),
                  std::max(bounds.bottom, p.y + 1)};
        todo.insert(todo.end(), {{p.x + 1, p.y}, {p.x - 1, p.y}, {p.x, p.y + 1}, {p.x, p.y - 1}});
    }
    return bounds;
}

// A board as drawn on a 1000 x 700 canvas, with what it should look like worked out by hand.
struct BoardCase {
    const char* name;
    BoardGeometry geometry;
    int cx, top;
    int pegHalf;         // half a peg's width: xC = xL + pegHalf
    Rect bins;           // the inside of the bin box below its slanted sides
    int dividers;        // dividers crossing it
    int greyInBins;      // bins.Width() - dividers, times bins.Height()
    Point bandInside;    // a point of the band between the frame and the walls
};

void PrintTo(const BoardCase& c, std::ostream* os) { *os << c.name; }

class BoardPicture : public ::testing::TestWithParam<BoardCase> {};

TEST_P(BoardPicture, PegsWallsAndBinsArePixelExactAndEveryFillStaysInside) {
    const BoardCase& c = GetParam();
    Canvas canvas({1000, 700}, kGrey);
    {
        Dc dc(canvas, {1000, 700});
        PixelPen pen(dc, {999, 699});
        Board(c.geometry, {1000, 700}).Draw(dc, pen);
    }
    const Bitmap image = canvas.Snapshot();
    const int p = c.geometry.pitch;

    // The chute's walls and the channel between them.
    EXPECT_EQ(At(image, c.cx - 3, c.top), kGreen);
    EXPECT_EQ(At(image, c.cx + 3, c.top + c.geometry.chute), kGreen);
    EXPECT_EQ(At(image, c.cx, c.top + 5), kGrey);
    // Every peg: its top tip on the outline, filled inside, the channel around it grey.
    for (int r = 1; r <= c.geometry.rows; ++r) {
        const int yB = c.top + c.geometry.chute + 2 * p * r;
        for (int j = 0; j < r; ++j) {
            const int xC = c.cx + 3 - p * r + 2 * p * j + c.pegHalf;
            SCOPED_TRACE("peg " + std::to_string(r) + "," + std::to_string(j));
            EXPECT_EQ(At(image, xC, yB), kGreen);
            EXPECT_EQ(At(image, xC, yB - 2 * c.pegHalf), kGreen);
            EXPECT_EQ(At(image, xC, yB - 2 * c.pegHalf - 1), kGrey);
            EXPECT_EQ(At(image, xC + c.pegHalf + 1, yB), kGrey);  // the gap to the next peg or the wall
        }
    }
    // The bins: grey but for the dividers, which hang from the last row's lower tips.
    EXPECT_EQ(CountIn(image, c.bins, kGrey), c.greyInBins);
    EXPECT_EQ(CountIn(image, c.bins, kGreen), c.dividers * c.bins.Height());
    EXPECT_EQ(CountIn(image, {c.bins.left - 1, c.bins.bottom, c.bins.right + 1, c.bins.bottom + 1}, kGreen),
              c.bins.Width() + 2);
    // The band is filled, the outside is not.
    EXPECT_EQ(At(image, c.cx + c.bandInside.x, c.top + c.bandInside.y), kGreen);
    EXPECT_EQ(At(image, c.cx - c.geometry.frameTop - 1, c.top), kGrey);
    EXPECT_EQ(At(image, c.cx, c.top + c.geometry.height + 1), kGrey);

    // Below the chute's mouth the channel is closed: it spreads exactly to the bin box's ends and floor.
    EXPECT_EQ(GreyRegion(image, c.top, {c.cx, c.top + 5}), (Rect{c.bins.left, c.top + 1, c.bins.right, c.bins.bottom}));
}

INSTANTIATE_TEST_SUITE_P(
    Boards, BoardPicture,
    ::testing::Values(
        // cx 500, top (700 - 479) / 2 = 110; box sides reach x 500 -/+ 216 at y 535, its floor y 550.
        BoardCase{"Binomial", kBinomialBoard, 500, 110, 21, {285, 536, 716, 550}, 8, 14 * (431 - 8), {0, 460}},
        // cx 500, top (700 - 482) / 2 = 109; box sides reach x 500 -/+ 192 at y 486, its floor y 516.
        BoardCase{"Spinner", kSpinnerBoard, 500, 109, 45, {309, 487, 692, 516}, 3, 29 * (383 - 3), {0, 440}}),
    [](const auto& info) { return std::string(info.param.name); });

// The Binomial demonstration on a 1000 x 700 canvas: cx 500, top 110, counts at y 526.
constexpr int kCountY = 526;
int CountX(int bin) { return 500 - 202 + 48 * bin; }

// time(NULL) when the view opens, which seeds the run.
ScenarioOptions Seeded(long time) {
    ScenarioOptions o;
    o.time = time;
    return o;
}

DialogAnswer Probability(const std::string& p) { return DialogAnswer{false, {{1002, p}}}; }

using Counts = std::array<int, 9>;

// The counts a run seeded with seed must end with, worked out from the generator alone: slot k's
// first ball enters at tick k + 1, a ball bounces at the end of each tick in which it has fallen
// an odd number of ticks (right when rand() is not below the threshold), and lands after 17.
Counts ExpectedCounts(unsigned seed, int threshold) {
    srand(seed);
    Counts counts{};
    std::array<int, 17> rights{};
    for (int tick = 1, landed = 0; landed < 256; ++tick) {
        for (int k = 0; k < 17; ++k) {
            const int fallen = tick - k;
            if (fallen <= 0) continue;
            if (fallen % 17 == 0) {
                ++counts[size_t(rights[size_t(k)])];
                rights[size_t(k)] = 0;
                ++landed;
            } else if (fallen % 17 % 2 == 1 && rand() >= threshold) {
                ++rights[size_t(k)];
            }
        }
    }
    return counts;
}

// The counts printed in red during the run or after it, in order.
std::vector<TextRecord> RedCounts(const Scenario& s) {
    std::vector<TextRecord> found;
    for (const TextRecord& r : s.TextLog())
        if (r.y == kCountY && r.colour == kRed) found.push_back(r);
    return found;
}

struct CountsCase {
    const char* probability;
    long seed;
    int threshold;  // 32767 p, rounded
    int fullBin;    // the bin every ball lands in, or -1
};

class BinomialCounts : public ::testing::TestWithParam<CountsCase> {};

TEST_P(BinomialCounts, MatchTheBouncesOfTheSeedAndArePrintedOverTheOldOnesNeverAsZero) {
    const CountsCase& c = GetParam();
    Scenario s(res::IDR_BINOMIAL, Seeded(c.seed));
    s.User().QueueDialog(Probability("1.5"));  // refused: the dialog stays open
    s.User().QueueDialog(Probability(c.probability));
    s.KeyAt(1, KeypadDigitKey(0));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(s.User().Prompts(), std::vector<std::string>{"Please enter a number between 0 and 1."});
    const CQuinDoc& doc = s.Document<CQuinDoc>();
    ASSERT_EQ(doc.m_bFinished, 1);
    const Counts expected = ExpectedCounts(unsigned(c.seed), c.threshold);
    Counts counts{};
    std::copy_n(doc.m_binCounts.begin(), 9, counts.begin());
    EXPECT_EQ(counts, expected);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 256);
    for (const TextRecord& r : s.TextLog()) EXPECT_NE(r.text, " 0");
    if (c.fullBin < 0) return;

    // Seed 0 never draws 32767 in its first 2500 results: with probability 1 no ball goes right.
    EXPECT_EQ(counts[size_t(c.fullBin)], 256);
    const std::vector<TextRecord> red = RedCounts(s);
    ASSERT_EQ(red.size(), 256u);
    for (const TextRecord& r : red) EXPECT_EQ(r.x, CountX(c.fullBin));
    EXPECT_EQ(red[0].text, " 1");
    EXPECT_EQ(red[99].text, "100");  // wider than the field
    EXPECT_EQ(red[255].text, "256");
    EXPECT_TRUE(std::any_of(s.TextLog().begin(), s.TextLog().end(), [&](const TextRecord& r) {
        return r.text == "99" && r.colour == kGrey && r.x == CountX(c.fullBin);
    }));
}

INSTANTIATE_TEST_SUITE_P(Probabilities, BinomialCounts,
                         ::testing::Values(CountsCase{"0.5", 7, 16384, -1}, CountsCase{"0.3", 1234, 9830, -1},
                                           CountsCase{"1", 0, 32767, 0}, CountsCase{"0", 99, 0, 8}));

// 32767 p rounded; beyond 0 to 1 (which the dialog refuses) the nearer end, and NaN 0.
TEST(Binomial, LeftThresholdScalesTheProbabilityToTheGeneratorsRange) {
    EXPECT_EQ(LeftThreshold(0.0f), 0);
    EXPECT_EQ(LeftThreshold(0.5f), 16384);
    EXPECT_EQ(LeftThreshold(1.0f), 32767);
    EXPECT_EQ(LeftThreshold(std::numeric_limits<float>::infinity()), 32767);
    EXPECT_EQ(LeftThreshold(-1e30f), 0);
    EXPECT_EQ(LeftThreshold(std::numeric_limits<float>::quiet_NaN()), 0);
}

TEST(Binomial, FinishedRepaintShowsTheBoardAndTheNonZeroCountsWithoutBalls) {
    Scenario s(res::IDR_BINOMIAL, Seeded(7));
    s.User().QueueDialog(Probability("0.5"));
    s.KeyAt(1, KeypadDigitKey(0));
    s.PaintAt(50);  // asked for during the run: done once the run has ended, which it does not restart
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const CQuinDoc& doc = s.Document<CQuinDoc>();
    ASSERT_EQ(doc.m_bFinished, 1);
    const Counts expected = ExpectedCounts(7, 16384);
    const int nonZero = int(std::count_if(expected.begin(), expected.end(), [](int n) { return n != 0; }));
    const std::vector<TextRecord> red = RedCounts(s);
    ASSERT_EQ(red.size(), size_t(256 + nonZero));
    for (size_t i = 256; i < red.size(); ++i) {
        const int bin = (red[i].x - CountX(0)) / 48;
        char text[8];
        std::snprintf(text, sizeof text, "%2d", expected[size_t(bin)]);
        EXPECT_EQ(red[i].text, text);
    }
    // The balls still in flight when the run ended are gone; the chute holds no waiting ball.
    EXPECT_EQ(CountIn(s.Image(), {0, 0, 1000, 110 + 410}, kRed), 0);
}

struct SpeedCase {
    const char* key;
    std::int64_t endMs;  // the first frame's 160 ms, then 3263 frames at the key's pause
};

class BinomialSpeed : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(BinomialSpeed, DigitSetsThePauseAfterEachFrame) {
    Scenario s(res::IDR_BINOMIAL);
    s.User().QueueDialog(Probability("0.5"));
    s.KeyAt(1, *KeyByName(GetParam().key));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(s.Document<CQuinDoc>().m_bFinished, 1);
    // Each wait also costs the virtual clock a few tens of microseconds.
    EXPECT_GE(s.NowMs(), GetParam().endMs);
    EXPECT_LE(s.NowMs(), GetParam().endMs + 3264 / 20);
}

INSTANTIATE_TEST_SUITE_P(Keys, BinomialSpeed,
                         ::testing::Values(SpeedCase{"num0", 160}, SpeedCase{"num3", 160 + 3263 * 90},
                                           SpeedCase{"num9", 160 + 3263 * 810},
                                           // The top row's digits pace the balls as the keypad's do.
                                           SpeedCase{"0", 160}, SpeedCase{"3", 160 + 3263 * 90}),
                         [](const auto& info) { return std::string(info.param.key); });

TEST(Binomial, EscStopsTheRunAtTheEndOfItsTickAndLaterPaintsDrawNothing) {
    Scenario s(res::IDR_BINOMIAL);
    s.User().QueueDialog(Probability("0.5"));
    s.KeyUpAt(5000, *KeyByName("esc"));  // in the third tick of 12 frames of 160 ms
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_GE(s.NowMs(), 3 * 1920);
    EXPECT_LT(s.NowMs(), 3 * 1920 + 10);
    const CQuinDoc& doc = s.Document<CQuinDoc>();
    EXPECT_EQ(doc.m_bAborted, 1);
    EXPECT_EQ(doc.m_bFinished, 0);

    const Bitmap before = s.Image();
    const size_t texts = s.TextLog().size();
    s.PaintAt(s.NowMs() + 10);
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(s.TextLog().size(), texts);
    EXPECT_TRUE(s.Image() == before);
}

}  // namespace
}  // namespace dulm

// The spinner and the Binomial Spinner: the stops and their odds, the pointer as it whirls and as
// it rests, each ball's bounces against the sectors the pointer showed, the finished picture, Esc,
// help and closing.
#include <cmath>
#include <map>
#include <numeric>
#include <string>

#include <gtest/gtest.h>

#include "demos/spinner/SkinView.h"
#include "harness/Scenario.h"
#include "res/Resources.h"

namespace dulm {
namespace {

// On a 1000 x 700 canvas the spinner is centred at (175, 175), its ring from radius 145 to 165,
// its pointer 139 long; the board's counts are printed at y = 109 + 368.
constexpr Point kCentre{175, 175};
constexpr int kInner = 145;
constexpr int kCountY = 477;
int CountX(int bin) { return 500 - 154 + 96 * bin; }

DialogAnswer Choice(int choice) { return DialogAnswer{false, {{1003, std::to_string(choice)}}}; }
const KeyStroke kSpace = *KeyByName("space");

struct Pointer {
    int pixels = 0;        // light grey pixels inside the ring
    double degrees = 0.0;  // the direction of the one farthest from the centre, clockwise from 3 o'clock
};

Pointer FindPointer(const Bitmap& image) {
    Pointer p;
    int farthest = -1;
    for (int y = kCentre.y - kInner; y <= kCentre.y + kInner; ++y)
        for (int x = kCentre.x - kInner; x <= kCentre.x + kInner; ++x) {
            const int dx = x - kCentre.x, dy = y - kCentre.y;
            const int d2 = dx * dx + dy * dy;
            if (d2 >= (kInner - 2) * (kInner - 2) || image.PixelAt(x, y) != kLightGrey)
                continue;
            ++p.pixels;
            if (d2 > farthest) {
                farthest = d2;
                p.degrees = std::fmod(std::atan2(dy, dx) * 180.0 / M_PI + 360.0, 360.0);
            }
        }
    return p;
}

// Degrees clockwise from the edge of sector 0.
double FromStart(double degrees, int startDeg) { return std::fmod(degrees - startDeg + 720.0, 360.0); }

TEST(SpinnerScale, StopsAndTheirOddsForTwoFourAndSevenSectors) {
    // K, K / n, r = 32767 / K and the limit K r; every sector takes 32760 / n of the 32768 results.
    const std::map<int, std::array<int, 4>> expected = {
        {2, {60, 30, 546, 32760}}, {4, {60, 15, 546, 32760}}, {7, {56, 8, 585, 32760}}};
    for (const auto& [n, e] : expected) {
        const SpinnerScale scale = SpinnerScale::For(n);
        EXPECT_EQ((std::array<int, 4>{scale.ticks, scale.perSector, scale.randScale, scale.randLimit}), e);
        std::vector<int> hits(size_t(n), 0);
        for (int v = 0; v <= 32767; ++v)
            if (const std::optional<int> stop = scale.StopOf(static_cast<std::int16_t>(v))) ++hits[size_t(scale.SectorOf(*stop))];
            else EXPECT_GE(v, 32760);
        EXPECT_EQ(hits, std::vector<int>(size_t(n), 32760 / n)) << n;
    }
}

// A whole run: a key released 10 ms after the pointer comes to rest, until the eighth ball lands.
// Reads where each resting pointer points, and when it came to rest.
struct Rests {
    std::vector<double> rests;  // degrees from the start of sector 0
    std::vector<std::int64_t> restMs;
};

Rests RunToTheEnd(Scenario& s, int startDeg) {
    Rests run;
    for (int spins = 0; spins < 30; ++spins) {
        EXPECT_EQ(s.RunToQuiescence(), Activity::Quiescent);
        if (s.Document<CSkinDoc>().m_bFinished) break;
        const Pointer p = FindPointer(s.Image());
        EXPECT_GE(p.pixels, 95);  // 139 long: at least 139 cos 45 pixels
        EXPECT_LE(p.pixels, 140);  // one pointer only
        run.rests.push_back(FromStart(p.degrees, startDeg));
        run.restMs.push_back(s.NowMs());
        s.KeyUpAt(s.NowMs() + 10, kSpace);
    }
    return run;
}

struct ChoiceCase {
    int choice;
    int startDeg;
    int sectors;
    long seed;
};

class SpinnerRun : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(SpinnerRun, EachBallGoesRightExactlyWhenThePointerRestsInsideTheRSector) {
    const ChoiceCase& c = GetParam();
    ScenarioOptions options;
    options.time = c.seed;
    Scenario s(res::IDR_SPINNER, options);
    s.User().QueueDialog(Choice(c.choice));
    const Rests run = RunToTheEnd(s, c.startDeg);
    ASSERT_EQ(run.rests.size(), 24u);  // 3 spins for each of 8 balls

    const double sector = 360.0 / c.sectors;
    std::vector<int> expectedBins;
    for (size_t ball = 0; ball < 8; ++ball) {
        int rights = 0;
        for (size_t k = 3 * ball; k < 3 * ball + 3; ++k) {
            const double inSector = std::fmod(run.rests[k], sector);
            // Strictly inside a sector: half a stop (3 degrees) from its edges, give or take a pixel.
            EXPECT_GT(inSector, 2.0);
            EXPECT_LT(inSector, sector - 2.0);
            rights += run.rests[k] < sector;  // sector 0 is "R"
        }
        expectedBins.push_back(rights);
    }
    std::vector<int> landedBins;
    for (const TextRecord& r : s.TextLog())
        if (r.y == kCountY && r.colour == kRed) landedBins.push_back((r.x - CountX(0)) / 96);
    EXPECT_EQ(landedBins, expectedBins);
    const CSkinDoc& doc = s.Document<CSkinDoc>();
    EXPECT_EQ(std::accumulate(doc.m_binCounts.begin(), doc.m_binCounts.end(), 0), 8);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(doc.m_binCounts[size_t(k)], std::count(expectedBins.begin(), expectedBins.end(), k));

    // A spin takes t + 181 steps to reach stop t, the last 120 slowing from 1 ms to 24.8 ms:
    // t + 1609 ms after the 16 frames of 50 ms that bring the ball to the first peg.
    const int stop = int(run.rests[0] / 6.0);
    EXPECT_GE(run.restMs[0], 800 + 1609 + stop);
    EXPECT_LE(run.restMs[0], 800 + 1609 + stop + 5);
}

INSTANTIATE_TEST_SUITE_P(Choices, SpinnerRun,
                         ::testing::Values(ChoiceCase{0, 270, 2, 11}, ChoiceCase{1, 315, 4, 500}),
                         [](const auto& info) { return "Choice" + std::to_string(info.param.choice); });

TEST(Spinner, LabelsSitInTheMiddleOfTheirSectorsAndTheFirstStopAtTheirStart) {
    for (const int choice : {0, 1}) {
        Scenario s(res::IDR_SPINNER);
        s.User().QueueDialog(Choice(choice));
        s.RunUntil(500);
        // At radius 155 in the middle of each sector, less half a label's 18 rows: R to the right,
        // then clockwise the L half, or the L quarters below, to the left and above.
        std::string labels;
        std::vector<int> rows;
        for (const TextRecord& r : s.TextLog())
            if (r.colour == kBlue) labels += r.text, rows.push_back(r.y - kCentre.y);
        EXPECT_EQ(labels, choice == 0 ? "RL" : "RLLL");
        const std::vector<int> halves{-9, -9}, quarters{-9, 155 - 9, -9, -155 - 9};
        EXPECT_EQ(rows, choice == 0 ? halves : quarters);
        // Stop 0 straight up or up to the right at 139 pixels; stop K is stop 0 again.
        const CSkinView& view = s.GetView<CSkinView>();
        EXPECT_EQ(view.Tip(0), (choice == 0 ? Point{175, 175 - 139} : Point{175 + 98, 175 - 98}));
        EXPECT_LE(std::abs(view.Tip(60).x - view.Tip(0).x) + std::abs(view.Tip(60).y - view.Tip(0).y), 1);
    }
}

TEST(Spinner, WhirlingPointerIsDrawnStepByStepOneAtATime) {
    Scenario s(res::IDR_SPINNER);
    s.User().QueueDialog(Choice(0));
    s.RunUntil(850);  // 50 ms into the first spin, one step a millisecond
    const Pointer p = FindPointer(s.Image());
    EXPECT_GE(p.pixels, 95);  // 139 long: at least 139 cos 45 pixels
    EXPECT_LE(p.pixels, 140);
    const double stops = FromStart(p.degrees, 270) / 6.0;  // on a stop, not between two
    EXPECT_NEAR(stops, std::round(stops), 0.2);
    EXPECT_NEAR(stops, 50 % 60, 1.2);
}

TEST(Spinner, EscReleasedWhileThePointerRestsStopsTheRunAtOnce) {
    Scenario s(res::IDR_SPINNER);
    s.User().QueueDialog(Choice(0));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const std::int64_t rest = s.NowMs();
    s.KeyUpAt(rest + 10, *KeyByName("esc"));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_LT(s.NowMs(), rest + 20);
    EXPECT_EQ(s.Document<CSkinDoc>().m_bAborted, 1);
    EXPECT_EQ(s.Document<CSkinDoc>().m_bFinished, 0);
    EXPECT_EQ(FindPointer(s.Image()).pixels, 0);  // erased when the key came
    const Bitmap stopped = s.Image();
    s.PaintAt(s.NowMs() + 10);
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_TRUE(s.Image() == stopped);
}

TEST(Spinner, HelpDuringARunLeavesItGoingAndHelpBeforeItDoesNotKeepItFromStarting) {
    Scenario during(res::IDR_SPINNER);
    during.User().QueueDialog(Choice(1));
    during.HelpAt(1000);   // while the pointer whirls: taken once it rests
    during.PaintAt(1100);  // the help window closes: repainted once the run has ended
    EXPECT_EQ(RunToTheEnd(during, 315).rests.size(), 24u);
    EXPECT_EQ(during.User().HelpContexts(), std::vector<unsigned>{0x20074});
    const CSkinDoc& doc = during.Document<CSkinDoc>();
    EXPECT_EQ(doc.m_bFinished, 1);
    // The repaint, whose texts follow its erased instruction, shows the non-zero counts and no spinner.
    std::vector<std::string> shown, expected;
    for (const TextRecord& r : during.TextLog())
        if (r.text == kBoardStartInstruction) shown.clear();
        else shown.push_back(r.text + "@" + std::to_string(r.x));
    for (int k = 0; k < 4; ++k)
        if (doc.m_binCounts[size_t(k)] != 0)
            expected.push_back(" " + std::to_string(doc.m_binCounts[size_t(k)]) + "@" + std::to_string(CountX(k)));
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(during.Pixel(kCentre.x, kCentre.y - 165), kGrey);
    EXPECT_EQ(during.Pixel(kCentre.x + 165, kCentre.y), kGrey);

    Scenario before(res::IDR_SPINNER);
    before.User().QueueDialog(DialogAnswer{true, {}});
    before.HelpAt(100);
    before.PaintAt(200);
    before.CommandAt(300, res::ID_START_DEMO);
    ASSERT_EQ(before.RunToQuiescence(), Activity::Quiescent);  // the first spin's pointer rests
    EXPECT_GE(FindPointer(before.Image()).pixels, 95);
}

}  // namespace
}  // namespace dulm

// Anova2's own behaviour: the two-way table, the line height Y = H / 16, the quarter-space trials
// and the results display. What it shares with Anova is tested in AnovaTest.cpp.
#include <algorithm>

#include "demos/anova2/Scor2View.h"
#include "demos/target/AnovaTable.h"
#include "res/Resources.h"
#include "tests/demos/TargetTesting.h"

namespace dulm::testing {
namespace {

// Totals 160, 80, 60, 25 (G = 325), squares 3600 + 1350 + 950 + 275 = 6175. CF = 325^2 / 32 =
// 3300.78125; SST = 2874.21875; Space: (240^2 + 85^2) / 16 - CF = 750.78125; Speed: (220^2 + 105^2)
// / 16 - CF = 413.28125; Error: 6175 - (160^2 + 80^2 + 60^2 + 25^2) / 8 = 1646.875, MS 58.817;
// Interaction: 2874.21875 - 750.78125 - 413.28125 - 1646.875 = 63.28125.
const std::vector<std::vector<int>> kCellScores{{25, 25, 15, 25, 15, 25, 5, 25}, {15, 5, 0, 15, 5, 25, 0, 15},
                                                {5, 15, 5, 0, 25, 5, 0, 5}, {0, 5, 0, 0, 15, 0, 5, 0}};
const std::array<std::string, 6> kTwoWayLines{
    "Source              SS         df          MS            F",
    "Space             750.78        1        750.78       12.76",
    "Speed             413.28        1        413.28        7.03",
    "Interaction        63.28        1         63.28        1.08",
    "Error            1646.88       28         58.82",
    "Totals           2874.22       31",
};
const std::vector<Shot> kCells{{6, 1, 0}, {15, 1, 0}, {6, 4, 0}, {15, 4, 0}};
constexpr int Y = 700 / 16;  // 43

TEST(TwoWayAnova, TableOfFourCellsAndOfEqualScores) {
    EXPECT_EQ(TwoWayTableLines(TwoWay({160, 80, 60, 25}, 6175)), kTwoWayLines);
    // Every score 5: MS(Error) is 0 and no F has a value.
    const auto equal = TwoWayTableLines(TwoWay({40, 40, 40, 40}, 800));
    EXPECT_EQ(equal[1], "Space               0.00        1          0.00         ---");
    EXPECT_EQ(equal[3], "Interaction         0.00        1          0.00         ---");
    EXPECT_EQ(equal[4], "Error               0.00       28          0.00");
}

// Clicks worked out from the seed and the tick count score as planned; a repaint asked for during
// the run does not restart it, and shows the results display once the run is over.
TEST(Anova2, DataSessionLinesAndTableThenTheResultsDisplay) {
    Scenario s(res::IDR_ANOVA2);
    TargetPlayer p(s);
    s.PaintAt(1500);
    PlayDataSession(s, p, Rounds(kCells, kCellScores));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(s.User().MessageBoxes().size(), 1u);
    EXPECT_EQ(Shown(s, "  when ready.").size(), 32u);
    const std::vector<std::string> lines{
        "Slow x Whole scores =  25  25  15  25  15  25  5  25    Total = 160",
        "Fast x Whole scores =  15  5  0  15  5  25  0  15    Total = 80",
        "Slow x 1/4 scores =  5  15  5  0  25  5  0  5    Total = 60",
        "Fast x 1/4 scores =  0  5  0  0  15  0  5  0    Total = 25",
        "Slow x Whole squares =  625  625  225  625  225  625  25  625    Total = 3600",
        "Fast x Whole squares =  225  25  0  225  25  625  0  225    Total = 1350",
        "Slow x 1/4 squares =  25  225  25  0  625  25  0  25    Total = 950",
        "Fast x 1/4 squares =  0  25  0  0  225  0  25  0    Total = 275",
    };
    // Scores from Y, "Hit any key." at 5Y, squares from 5Y, the prompts at 9Y and 10Y (hidden
    // again before the table), the table from 10Y: its Totals at 645.
    std::vector<std::pair<int, std::string>> expected;
    for (int k = 0; k < 4; ++k) expected.emplace_back((k + 1) * Y, lines[size_t(k)]);
    expected.emplace_back(5 * Y, "Hit any key.");
    for (int k = 4; k < 8; ++k) expected.emplace_back((k + 1) * Y, lines[size_t(k)]);
    expected.emplace_back(9 * Y, kComputeFText);
    expected.emplace_back(10 * Y, kCheckAnswerText);
    for (int k = 0; k < 6; ++k) expected.emplace_back((k + 10) * Y, kTwoWayLines[size_t(k)]);
    const auto shown = ShownLines(s);
    ASSERT_GE(shown.size(), expected.size() + 14);
    const std::vector run(shown.end() - long(expected.size() + 14), shown.end() - 14);
    EXPECT_EQ(run, expected);
    EXPECT_EQ(run.back().first, 645);
    const bool hidden = std::any_of(s.TextLog().begin(), s.TextLog().end(), [](const TextRecord& r) {
        return r.text == kComputeFText && r.y == 9 * Y && r.colour == kBlack;
    });
    EXPECT_TRUE(hidden);
    const CScor2Doc& doc = s.Document<CScor2Doc>();
    EXPECT_EQ(doc.m_bFinished, 1);
    EXPECT_EQ(doc.m_cellTotals, (std::array<std::int16_t, 4>{160, 80, 60, 25}));
    EXPECT_EQ(doc.m_cellScores[2][4], 25);

    // The results display: scores from 0, squares from 4Y, the table from 9Y; its Totals at 602.
    expected.clear();
    for (int k = 0; k < 8; ++k) expected.emplace_back(k * Y, lines[size_t(k)]);
    for (int k = 0; k < 6; ++k) expected.emplace_back((k + 9) * Y, kTwoWayLines[size_t(k)]);
    EXPECT_EQ(std::vector(shown.end() - 14, shown.end()), expected);
    EXPECT_EQ(expected.back().first, 602);
}

TEST(Anova2, QuarterSpaceTrialDrawsOnlyLeftOfTheGreyLine) {
    Scenario s(res::IDR_ANOVA2);
    TargetPlayer p(s);
    PlayDataSession(s, p, Rounds(kCells, kCellScores));
    const std::int64_t quarter = 1000 + 2 * TargetPlayer::kTrialMs;  // the third trial: Slow x 1/4
    auto onlyTheLineRightOf248 = [&] {
        for (int x = 248; x < 1000; ++x)
            for (int y = 0; y < 700; ++y)
                if (s.Pixel(x, y) != (x == 250 ? kGrey : kBlack)) return false;
        return true;
    };
    // The two-line prompt at Y / 2 and Y / 2 + 24.
    s.RunUntil(quarter - 10);
    EXPECT_TRUE(ShownAt(s, "Hit any key", 21));
    EXPECT_TRUE(ShownAt(s, "  when ready.", 45));
    EXPECT_TRUE(onlyTheLineRightOf248());
    // In flight: after 10 ticks the target's outer rectangle spans x = 36 to 120.
    s.RunUntil(quarter + 28 * 10 + 14);
    EXPECT_TRUE(onlyTheLineRightOf248());
    int lit = 0;
    for (int y = 0; y < 700; ++y) lit += s.Pixel(36, y) == kLightGrey;
    EXPECT_EQ(lit, 85);  // the outer rectangle's left side, 2 * 42 + 1 high
    // The points message stays in the strip; the line goes once the quarter-space trials are over.
    s.RunUntil(quarter + 2900);
    EXPECT_TRUE(ShownAt(s, "5 points. ", 21));
    EXPECT_TRUE(onlyTheLineRightOf248());
    s.RunUntil(quarter + 2 * TargetPlayer::kTrialMs + 10);
    EXPECT_EQ(s.Pixel(250, 300), kBlack);
}

}  // namespace
}  // namespace dulm::testing

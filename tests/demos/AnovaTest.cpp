// The click-the-target experiments: the trial's arithmetic, the behaviour Anova and Anova2 share
// (run against both), and Anova's own table and lines.
#include <algorithm>
#include <set>

#include "demos/anova/ScorView.h"
#include "demos/anova2/Scor2View.h"
#include "demos/target/AnovaTable.h"
#include "res/Resources.h"
#include "tests/demos/TargetTesting.h"

namespace dulm::testing {
namespace {

TEST(TargetTrial, UnitsDriftAndTheScoreOfEachRingUpToItsBoundary) {
    const TargetUnits u = TargetUnits::For({1000, 700});
    EXPECT_EQ((std::array{u.uw, u.uh, u.us, u.centreY}), (std::array<std::int16_t, 4>{7, 7, 2, 350}));
    EXPECT_EQ(DriftBound(6 * 2, {1000, 700}), 4);
    EXPECT_EQ(DriftBound(15 * 2, {1000, 700}), 10);
    // Canvases on which the target would never move, or the drift would divide by 0.
    EXPECT_EQ(TargetUnits::For({400, 300}).us, 1);  // 2 * 400 / 1000 = 0
    EXPECT_EQ(DriftBound(6, {999, 200}), 1);        // (6 * 199 + 499) / 998 = 1, halved to 0
    for (int o : {1, 4, 10}) {
        std::set<int> seen, expected;
        srand(12345);
        for (int k = 0; k < 2000; ++k) seen.insert(DrawDrift(o));
        for (int v = -o; v <= o - 2; v += 2) expected.insert(v);
        EXPECT_EQ(seen, expected) << "o = " << o;
    }
    // Half-sizes 14 x 10 around (500, 300).
    const std::pair<Point, int> clicks[] = {{{514, 310}, 25}, {{486, 290}, 25}, {{515, 300}, 15}, {{500, 311}, 15},
                                            {{528, 280}, 15}, {{529, 300}, 5},  {{458, 330}, 5},  {{457, 300}, 0},
                                            {{500, 331}, 0}};
    for (const auto& [click, score] : clicks)
        EXPECT_EQ(ScoreOf(click, {500, 300}, {14, 10}), score) << click.x << "," << click.y;
}

TEST(TargetTrial, PracticePassesOnlyWhenEveryCellReachesItsMark) {
    EXPECT_TRUE(PassesPractice(std::array{80, 40}, CScorView::kPassMarks));
    EXPECT_FALSE(PassesPractice(std::array{80, 35}, CScorView::kPassMarks));
    EXPECT_FALSE(PassesPractice(std::array{75, 100}, CScorView::kPassMarks));
    EXPECT_TRUE(PassesPractice(std::array{80, 40, 40, 16}, CScor2View::kPassMarks));
    EXPECT_FALSE(PassesPractice(std::array{80, 40, 40, 15}, CScor2View::kPassMarks));
    EXPECT_FALSE(PassesPractice(std::array{80, 40, 35, 16}, CScor2View::kPassMarks));
}

// Slow: 25 15 25 5 25 15 0 25 (135, squares 2975); fast: 5 0 15 0 5 25 0 5 (55, squares 925).
// CF = 190^2 / 16 = 2256.25; SST = 3900 - CF = 1643.75; SSB = (135^2 + 55^2) / 8 - CF = 400;
// SSW = 1243.75, MSW = 88.84, F = 4.50.
const std::vector<int> kSlow{25, 15, 25, 5, 25, 15, 0, 25};
const std::vector<int> kFast{5, 0, 15, 0, 5, 25, 0, 5};
const std::array<std::string, 4> kOneWayLines{
    "Source              SS         df          MS            F",
    "Between           400.00        1        400.00        4.50",
    "Within           1243.75       14         88.84",
    "Totals           1643.75       15",
};

TEST(OneWayAnova, TableOfTwoGroupsAndOfEqualScores) {
    EXPECT_EQ(OneWayTableLines(OneWay(135, 55, 2975, 925)), kOneWayLines);
    // All sixteen scores 15: nothing between or within, and F has no value.
    const auto equal = OneWayTableLines(OneWay(120, 120, 1800, 1800));
    EXPECT_EQ(equal[1], "Between             0.00        1          0.00         ---");
    EXPECT_EQ(equal[2], "Within              0.00       14          0.00");
    // Equal within each group but different between them: F would be infinite.
    EXPECT_EQ(OneWayTableLines(OneWay(200, 40, 5000, 200))[1],
              "Between          1600.00        1       1600.00         ---");
}

// ---- Shared behaviour, run against both experiments ----

struct Experiment {
    const char* name;
    unsigned id;
    std::vector<Shot> cells;            // in the order the trials come
    std::vector<int> failing, passing;  // practice totals with one cell below its mark, and at the marks
    int promptY;                        // ready prompt, points message and verdicts
    const char* readyPrompt;            // the (first line of the) ready prompt
    int (*aborted)(const Scenario&);    // the document's m_bAborted
};

template <class Doc>
int AbortedOf(const Scenario& s) {
    return s.Document<Doc>().m_bAborted;
}

void PrintTo(const Experiment& e, std::ostream* os) { *os << e.name; }

class TargetExperiment : public ::testing::TestWithParam<Experiment> {
protected:
    // Eight scores a cell that add up to each cell's total (a multiple of 5).
    std::vector<Shot> SessionOf(const std::vector<int>& totals) const {
        std::vector<std::vector<int>> scores;
        for (int total : totals) {
            std::vector<int> cell;
            for (int points : {25, 15, 5})
                for (; total >= points; total -= points) cell.push_back(points);
            cell.resize(8, 0);
            scores.push_back(cell);
        }
        return Rounds(GetParam().cells, scores);
    }
    std::vector<Shot> Misses() const { return SessionOf(std::vector<int>(GetParam().cells.size(), 0)); }
    int ReadyPrompts(const Scenario& s) const { return int(Shown(s, GetParam().readyPrompt).size()); }
};

TEST_P(TargetExperiment, PracticeBelowAMarkOffersAnotherSessionAndAtTheMarksPasses) {
    Scenario s(GetParam().id);
    s.User().QueueAnswers({IDYES, IDYES});
    TargetPlayer p(s);
    p.Session(SessionOf(GetParam().failing));
    p.Key();  // "You need more practise."
    p.Session(SessionOf(GetParam().passing));
    if (GetParam().cells.size() == 4) p.Key();  // "You're ready for the data session."
    p.Key();                                     // "Hit any key when ready for DATA SESSION."
    p.Session(Misses());
    p.Key();
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(s.User().MessageBoxes(),
              (std::vector<std::string>{"Do you need a practice session? (Novices should answer Yes.)",
                                        "Do you want another practice session?"}));
    EXPECT_EQ(Shown(s, "You need more practise.  Hit any key.").size(), 1u);
    EXPECT_TRUE(ShownAt(s, "You need more practise.  Hit any key.", GetParam().promptY));
    EXPECT_EQ(Shown(s, "PRACTICE SESSION").size(), 2u);
    EXPECT_EQ(ReadyPrompts(s), 3 * 8 * int(GetParam().cells.size()));
    EXPECT_EQ(Shown(s, "Source              SS         df          MS            F").size(), 1u);
    EXPECT_FALSE(s.User().Captured());
}

TEST_P(TargetExperiment, EscDuringAFlightEndsTheSessionAfterThatTrialAndLeavesThePicture) {
    Scenario s(GetParam().id);
    TargetPlayer p(s);
    s.User().QueueAnswers({IDNO});
    p.Key();
    s.KeyAt(p.Now() + 28 * 5 + 14, *KeyByName("esc"));
    p.Session({GetParam().cells[0]});
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    // The trial ran to its end, points message and key wait included; no other trial came.
    EXPECT_EQ(ReadyPrompts(s), 1);
    EXPECT_TRUE(ShownAt(s, "0 points. ", GetParam().promptY));
    EXPECT_EQ(GetParam().aborted(s), 1);
    EXPECT_FALSE(s.User().Captured());
    const size_t drawn = s.TextLog().size();
    s.PaintAt(s.NowMs() + 10);
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(s.TextLog().size(), drawn);  // an aborted experiment paints nothing
}

// Waiting for the data session, for a ready key, in flight, showing points, in a later flight, and
// waiting to show the table: closing ends the run at once and releases the mouse.
TEST_P(TargetExperiment, ClosingAtAnyMomentEndsTheRunAndReleasesTheMouse) {
    for (std::int64_t at : {300, 950, 1700, 3950, 8600, -600}) {
        Scenario s(GetParam().id);
        TargetPlayer p(s);
        PlayDataSession(s, p, Misses());
        s.RunUntil(at > 0 ? at : p.Now() + at);
        EXPECT_TRUE(s.User().Captured()) << at;
        // The status bar says how to get out while the mouse is held, in a trial or between them.
        EXPECT_NE(s.Host().StatusText().find("Ctrl+F4 close"), std::string::npos) << at;
        EXPECT_NE(s.Host().StatusText().find("Esc stop"), std::string::npos) << at;
        s.Close();
        EXPECT_FALSE(s.User().Captured()) << at;
    }
}

// A person who answers every question with a key: its press goes to the box, and its release comes
// to the window as the box closes.
class KeyAnsweringUser final : public Ui {
public:
    KeyAnsweringUser(KeyStroke key, int answer) : m_key(key), m_answer(answer) {}
    void SetHost(ViewHost& host) { m_host = &host; }
    int DoModal(CDialog&) override { return Answer(IDOK); }
    int MessageBox(const std::string&, unsigned) override { return Answer(m_answer); }
    void WinHelp(unsigned) override {}
    void SetCapture(bool) override {}

private:
    int Answer(int answer) {
        m_host->PostKey(MakeKeyMessage(WM_KEYUP, m_key.vk, m_key.scan));
        return answer;
    }
    ViewHost* m_host = nullptr;
    KeyStroke m_key;
    int m_answer;
};

// The key that answers the practice question, whichever it is, does not pass the wait that
// follows: the view still waits for a key of its own, which then goes through.
TEST_P(TargetExperiment, TheKeyThatAnswersAQuestionDoesNotReachTheRun) {
    for (const char* name : {"enter", "space", "esc", "y", "n"}) {
        for (const int answer : {IDYES, IDNO}) {
            const KeyStroke key = *KeyByName(name);
            KeyAnsweringUser user(key, answer);  // outlives the window, which may still ask it
            Scenario s(GetParam().id);
            user.SetHost(s.Host());
            s.User().HandOver(user);
            ASSERT_EQ(s.RunUntil(5000), Activity::Quiescent) << name;
            const std::string waiting =
                answer == IDYES ? GetParam().readyPrompt : "Hit any key when ready for DATA SESSION.";
            EXPECT_EQ(Shown(s, waiting).size(), 1u) << name << " " << answer;
            const auto hidden = [&] {
                return std::count_if(s.TextLog().begin(), s.TextLog().end(),
                                     [&](const TextRecord& r) { return r.text == waiting && r.colour == kBlack; });
            };
            EXPECT_EQ(hidden(), 0) << name << " " << answer << ": the prompt is still up";
            EXPECT_EQ(GetParam().aborted(s), 0) << name;
            const size_t texts = s.TextLog().size();
            s.Host().PostKey(MakeKeyMessage(WM_KEYDOWN, key.vk, key.scan));
            s.Host().PostKey(MakeKeyMessage(WM_KEYUP, key.vk, key.scan));
            s.RunUntil(5100);
            EXPECT_GT(s.TextLog().size(), texts);
            EXPECT_EQ(hidden(), 1) << name << ": the view's own key goes through";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Experiments, TargetExperiment,
    ::testing::Values(Experiment{"Anova", res::IDR_ANOVA, {{6, 1, 0}, {15, 1, 0}}, {80, 35}, {80, 40}, 20,
                                 "Hit any key when ready.", AbortedOf<CScorDoc>},
                      Experiment{"Anova2", res::IDR_ANOVA2, {{6, 1, 0}, {15, 1, 0}, {6, 4, 0}, {15, 4, 0}},
                                 {80, 40, 40, 15}, {80, 40, 40, 20}, 21, "Hit any key", AbortedOf<CScor2Doc>}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Anova's own lines ----

// Clicks worked out from the seed and the tick count score as planned; a repaint asked for during
// the run does not restart it, and shows the results display once the run is over.
TEST(Anova, DataSessionLinesAndTableThenTheResultsDisplayOneLineHigher) {
    Scenario s(res::IDR_ANOVA);
    TargetPlayer p(s);
    s.PaintAt(1500);
    PlayDataSession(s, p, Rounds({{6, 1, 0}, {15, 1, 0}}, {kSlow, kFast}));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(s.User().MessageBoxes().size(), 1u);
    EXPECT_EQ(Shown(s, "Hit any key when ready.").size(), 16u);
    const std::vector<std::string> lines{
        "Slow scores =  25  15  25  5  25  15  0  25      Total = 135",
        "Fast scores =  5  0  15  0  5  25  0  5      Total = 55",
        "Slow squares =  625  225  625  25  625  225  0  625      Total = 2975",
        "Fast squares =  25  0  225  0  25  625  0  25      Total = 925",
        kComputeFText, kCheckAnswerText, kOneWayLines[0], kOneWayLines[1], kOneWayLines[2], kOneWayLines[3]};
    auto at = [&](int firstY) {
        std::vector<std::pair<int, std::string>> expected;
        for (size_t k = 0; k < lines.size(); ++k) expected.emplace_back(firstY + 40 * int(k), lines[k]);
        return expected;
    };
    // The data session's lines from y = 40 ("Hit any key." at 120 comes and goes between them),
    // then the results display from y = 0.
    auto shown = ShownLines(s);
    ASSERT_GE(shown.size(), 21u);
    shown.erase(shown.begin(), shown.end() - 21);
    shown.erase(shown.begin() + 2);
    EXPECT_EQ(std::vector(shown.begin(), shown.begin() + 10), at(40));
    EXPECT_EQ(std::vector(shown.begin() + 10, shown.end()), at(0));
    const CScorDoc& doc = s.Document<CScorDoc>();
    EXPECT_EQ(doc.m_bFinished, 1);
    EXPECT_EQ(doc.m_slowTotal, 135);
    EXPECT_EQ(doc.m_fastScores[5], 25);
}

}  // namespace
}  // namespace dulm::testing

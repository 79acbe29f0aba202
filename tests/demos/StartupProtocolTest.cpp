// The start-up protocol, run against every demonstration that asks for its parameters at its
// first paint: the dialog at the first paint, the start instruction after "Cancel", "&Start Demo"
// enabled exactly while declined, and the run on the paint after "OK".
#include <gtest/gtest.h>

#include "app/DemoView.h"
#include "demos/board/Board.h"
#include "harness/Scenario.h"
#include "res/Resources.h"

namespace dulm::testing {
namespace {

struct Startup {
    const char* name;
    unsigned id;
    const char* sentence;
    std::int64_t firstTextMs = 500;  // how long after "OK" the run has written some text
};

void PrintTo(const Startup& d, std::ostream* os) { *os << d.name; }

// The hypothesis-test pictures send the user to the command that starts the run.
constexpr const char* kIllustrationSentence =
    "Use 'Start Demo' on the 'Demo' menu to start the illustration.";

class StartupProtocol : public ::testing::TestWithParam<Startup> {
protected:
    std::vector<TextRecord> Sentences(const Scenario& s) const {
        std::vector<TextRecord> found;
        for (const TextRecord& r : s.TextLog())
            if (r.text == GetParam().sentence && r.x == 100 && r.y == 100) found.push_back(r);
        return found;
    }
};

TEST_P(StartupProtocol, CancelShowsOnlyTheInstructionAndStartDemoThenStartsTheRun) {
    Scenario s(GetParam().id);
    s.User().QueueDialog(DialogAnswer{true, {}});
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    // The first paint erases the sentence and asks; the repaint after "Cancel" shows it.
    ASSERT_EQ(s.TextLog().size(), 2u);
    EXPECT_EQ(Sentences(s).size(), 2u);
    EXPECT_EQ(s.TextLog()[0].colour, kGrey);
    EXPECT_EQ(s.TextLog()[1].colour, kBlack);
    EXPECT_TRUE(s.Host().QueryCommand(res::ID_START_DEMO).enabled);
    EXPECT_EQ(s.Document<CDemoDoc>().m_bDeclined, 1);

    s.CommandAt(s.NowMs() + 10, res::ID_START_DEMO);
    s.RunUntil(s.NowMs() + GetParam().firstTextMs);
    EXPECT_EQ(s.User().DialogsShown().size(), 2u);
    EXPECT_FALSE(s.Host().QueryCommand(res::ID_START_DEMO).enabled);
    const CDemoDoc& doc = s.Document<CDemoDoc>();
    EXPECT_EQ(doc.m_bDeclined, 0);
    EXPECT_EQ(doc.m_bChosen, 1);
    // The run's paint erased the sentence and went on to draw the demonstration.
    EXPECT_EQ(Sentences(s).back().colour, kGrey);
    EXPECT_GT(s.TextLog().size(), 3u);
}

TEST_P(StartupProtocol, StartDemoOnceChosenOpensNoDialog) {
    Scenario s(GetParam().id);
    s.CommandAt(100, res::ID_START_DEMO);
    s.CommandAt(200, res::ID_START_DEMO);
    s.RunUntil(1000);
    EXPECT_EQ(s.User().DialogsShown().size(), 1u);
    EXPECT_EQ(s.Document<CDemoDoc>().m_bChosen, 1);
    EXPECT_FALSE(s.Host().QueryCommand(res::ID_START_DEMO).enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Demos, StartupProtocol,
    ::testing::Values(Startup{"Central", res::IDR_CENTRAL, kStartInstruction},
                      Startup{"CompleteMeans", res::IDR_COMPLETEMEANS, kStartInstruction},
                      Startup{"StudentT", res::IDR_STUDENTT, kStartInstruction},
                      Startup{"Variance", res::IDR_VARIANCE, kStartInstruction},
                      Startup{"Zentral", res::IDR_ZENTRAL, kStartInstruction},
                      Startup{"Alpha", res::IDR_ALPHA, kIllustrationSentence},
                      Startup{"Power", res::IDR_POWER, kIllustrationSentence},
                      // The first ball lands after 17 ticks of 12 frames of 160 ms.
                      Startup{"Binomial", res::IDR_BINOMIAL, kBoardStartInstruction, 33000},
                      Startup{"BinomialSpinner", res::IDR_SPINNER, kBoardStartInstruction}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dulm::testing

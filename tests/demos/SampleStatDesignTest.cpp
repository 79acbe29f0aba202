// The behaviour Central Limit, Student's t, Sample Variance and Zentral Limit share, run against
// each of them:
// binning, early ends, step mode, help, repaints, the start instruction and closing windows.
#include "res/Resources.h"
#include "tests/demos/SampleStatTesting.h"

namespace dulm::testing {
namespace {

struct Demo {
    const char* name;
    unsigned id;
    // A run of these that ends by its count, no column passing the top.
    const char* samples;
    const char* size;
    int shape;
    float xmin, xmax;
};

void PrintTo(const Demo& d, std::ostream* os) { *os << d.name; }

// Inside a run of 50000 samples of 50 with "0" pressed at 1 ms: the first sample shows for the
// usual 2500 ms, then the samples follow without pauses, their peeks at the queue taking about
// half a virtual second.
constexpr std::int64_t kMidRunMs = 2700;

class SampleStatDesign : public ::testing::TestWithParam<Demo> {
protected:
    // Parameters of a run that ends by its count; delay 0 from the run's first sample on.
    void StartWithoutPauses(Scenario& s, const char* samples = nullptr, std::int64_t zeroAt = 1) {
        s.User().QueueDialog(Parameters(samples ? samples : GetParam().samples, GetParam().size, GetParam().shape));
        s.KeyAt(zeroAt, DigitKey(0));
    }
};

TEST_P(SampleStatDesign, FinishedRunBinsEveryScoreItShowsAndDrawsTheCurveOverTheBars) {
    Scenario s(GetParam().id);
    StartWithoutPauses(s);
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const RunOutcome out = Outcome(s);
    EXPECT_EQ(out.finished, 1);
    const std::string requested = GetParam().samples;
    EXPECT_EQ(out.done, std::stof(requested));
    EXPECT_EQ(SumOfCounts(*out.bins), out.done);
    EXPECT_TRUE(DrewAt(s, "# of samples=" + requested, 16, 70, kBlack));
    EXPECT_FALSE(DrewAt(s, "# of samples=" + requested, 16, 70, kGrey));
    EXPECT_GT(CountPixels(s, kLightGrey), 300);
    EXPECT_TRUE(DrewAt(s, kStartInstruction, 100, 100, kGrey));
}

TEST_P(SampleStatDesign, EscWhileBarsGrowEndsTheRunWithTheCurveScaledToTheScoresBinned) {
    Scenario s(GetParam().id);
    StartWithoutPauses(s, "50000");
    s.KeyUpAt(2600, *KeyByName("esc"));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const RunOutcome out = Outcome(s);
    EXPECT_EQ(out.finished, 1);
    ExpectCorrectedCount(s, 50000);
    EXPECT_EQ(SumOfCounts(*out.bins), double(out.done));
    // Each curve is normalised on the axis (the normal one of Zentral Limit up to its 0.27% beyond 3).
    EXPECT_NEAR(ExpectedTotal(s, GetParam().xmin, GetParam().xmax), out.done, out.done * 0.01);
}

TEST_P(SampleStatDesign, RepaintOfAFinishedRunRedrawsTheSamePictureWithoutSampling) {
    Scenario s(GetParam().id);
    StartWithoutPauses(s, "50000");
    s.KeyUpAt(2700, *KeyByName("esc"));
    s.RunToQuiescence();
    const Bitmap finished = s.Image();
    const float done = Outcome(s).done;
    s.PaintAt(s.NowMs() + 5000);  // another second: another seed, which must not matter
    s.RunToQuiescence();
    EXPECT_TRUE(s.Image() == finished);
    EXPECT_EQ(Outcome(s).done, done);
}

// Pause, and Space for keyboards without Pause, step the run.
TEST_P(SampleStatDesign, StepKeysStepOneSamplePerKeyPressUntilAnotherKey) {
    for (const char* step : {"pause", "space"}) {
        SCOPED_TRACE(step);
        Scenario s(GetParam().id);
        s.User().QueueDialog(Parameters("1000", "2", 0));
        s.KeyAt(10, *KeyByName(step));
        EXPECT_EQ(s.RunUntil(100000), Activity::Quiescent);  // the second sample waits for a key
        EXPECT_EQ(SampleLines(s, kBlack).size(), 2u);
        s.KeyAt(s.NowMs() + 10, *KeyByName(step));  // one more sample, still stepping
        EXPECT_EQ(s.RunUntil(200000), Activity::Quiescent);
        EXPECT_EQ(SampleLines(s, kBlack).size(), 3u);
        s.KeyAt(s.NowMs() + 10, *KeyByName("a"));  // back to 2500 ms pauses
        const std::int64_t pressed = s.NowMs() + 10;
        EXPECT_EQ(s.RunUntil(pressed + 2400), Activity::Horizon);
        EXPECT_EQ(SampleLines(s, kBlack).size(), 4u);
        s.RunUntil(pressed + 2600);
        EXPECT_EQ(SampleLines(s, kBlack).size(), 5u);
        EXPECT_EQ(SampleLines(s, kGrey).size(), 4u);  // every line but the one showing was erased
    }
}

// The description counts what the bars count and names the tallest bar's column, mid-run and
// finished, and a repaint of the finished picture says the same.
TEST_P(SampleStatDesign, DescriptionFollowsTheHistogram) {
    Scenario s(GetParam().id);
    StartWithoutPauses(s, "50000");
    s.KeyUpAt(kMidRunMs, *KeyByName("esc"));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const RunOutcome out = Outcome(s);
    const HistogramBins& bins = *out.bins;
    int tallest = 0;
    for (int k = 1; k < bins.Records(); ++k)
        if (bins[k].count > bins[tallest].count) tallest = k;
    char at[32];
    std::snprintf(at, sizeof at, ", tallest bar at %.3g", double(bins.Lower(tallest) + bins.ColumnWidth() / 2.0f));
    const std::string described = s.Host().GetCanvas()->Description();
    EXPECT_TRUE(described.starts_with("Histogram of " + std::to_string(long(out.done)) + " ")) << described;
    EXPECT_TRUE(described.ends_with(at)) << described;
    s.PaintAt(s.NowMs() + 10);
    s.RunToQuiescence();
    EXPECT_EQ(s.Host().GetCanvas()->Description(), described);
}

TEST_P(SampleStatDesign, HelpDuringAPausedRunAbortsItAndTheNextPaintStartsOver) {
    Scenario s(GetParam().id);
    s.User().QueueDialog(Parameters("1000", "2", 0));
    s.HelpAt(3000);
    ASSERT_EQ(s.RunUntil(60000), Activity::Quiescent);
    EXPECT_EQ(s.User().HelpContexts(), std::vector<unsigned>{0x20000 + GetParam().id});
    EXPECT_EQ(Outcome(s).finished, 0);
    EXPECT_FALSE(*Outcome(s).bins);
    EXPECT_EQ(Outcome(s).chosen, 1);

    s.PaintAt(s.NowMs() + 10);  // the help window closes
    s.KeyAt(s.NowMs() + 20, DigitKey(0));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(Outcome(s).finished, 1);
    EXPECT_GT(Outcome(s).done, 0.0f);
    EXPECT_EQ(s.User().DialogsShown().size(), 1u);
}

TEST_P(SampleStatDesign, NoMemoryForTheHistogramEndsOnlyThatRunAndTheNextPaintRunsAgain) {
    Scenario s(GetParam().id);
    StartWithoutPauses(s);
    HistogramBins::InjectAllocationFailures(1);
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    HistogramBins::InjectAllocationFailures(0);
    EXPECT_TRUE(s.Drew("Not enough memory for the histogram."));
    EXPECT_EQ(Outcome(s).finished, 0);

    s.PaintAt(s.NowMs() + 10);
    s.KeyAt(s.NowMs() + 11, DigitKey(0));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(Outcome(s).finished, 1);
    EXPECT_EQ(Outcome(s).done, std::stof(GetParam().samples));
}

TEST_P(SampleStatDesign, ClosingDuringATimedPauseEndsTheRun) {
    Scenario s(GetParam().id);
    s.User().QueueDialog(Parameters("1000", "2", 0));
    ASSERT_EQ(s.RunUntil(5000), Activity::Horizon);
    s.Close();
    EXPECT_EQ(s.Host().Queue().WaitUntilResting(), Activity::Ended);
}

TEST_P(SampleStatDesign, ClosingDuringAStepModeWaitEndsTheRun) {
    Scenario s(GetParam().id);
    s.User().QueueDialog(Parameters("1000", "2", 0));
    s.KeyAt(10, *KeyByName("pause"));
    ASSERT_EQ(s.RunUntil(100000), Activity::Quiescent);
    s.Close();
    EXPECT_EQ(s.Host().Queue().WaitUntilResting(), Activity::Ended);
}

// The run peeks at the queue as its bars grow; on the virtual clock it rests at the horizon in
// the middle of its samples, where nothing can end it but the close.
TEST_P(SampleStatDesign, ClosingDuringARunWithoutPausesEndsIt) {
    Scenario s(GetParam().id);
    s.User().QueueDialog(Parameters("50000", "50", 3));
    s.KeyAt(1, DigitKey(0));
    ASSERT_EQ(s.RunUntil(kMidRunMs), Activity::Horizon);
    ASSERT_EQ(Outcome(s).finished, 0);
    ASSERT_EQ(s.Pixel(GetParam().id == res::IDR_VARIANCE ? 275 : 510, 629), kBlack);  // bars have grown
    s.Close();
    EXPECT_EQ(s.Host().Queue().WaitUntilResting(), Activity::Ended);
}

INSTANTIATE_TEST_SUITE_P(Demos, SampleStatDesign,
                         ::testing::Values(Demo{"Central", res::IDR_CENTRAL, "1000", "10", 0, -2.7386f, 2.7386f},
                                           Demo{"StudentT", res::IDR_STUDENTT, "4999", "30", 3, -5.0f, 5.0f},
                                           Demo{"Variance", res::IDR_VARIANCE, "1000", "10", 3, 0.0f, 4.0f},
                                           Demo{"Zentral", res::IDR_ZENTRAL, "1000", "10", 0, -3.0f, 3.0f}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dulm::testing

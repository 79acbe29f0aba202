// What the status bar says while a run goes on, for every demonstration that runs: the keys that
// act now and how far the run is, and nothing (the idle text) once the run has ended.
#include <gtest/gtest.h>

#include "harness/Scenario.h"
#include "res/Resources.h"

namespace dulm::testing {
namespace {

struct RunCase {
    const char* name;
    unsigned id;
    DialogAnswer parameters;
    std::vector<int> answers;    // message boxes
    const char* startKey;        // a key at 100 ms that starts the part being looked at, or none
    std::int64_t atMs;           // when the status is read
    const char* status;          // what it says then
    std::vector<const char*> endKeys;  // keys 10 s apart from atMs + 10 on that end the run
};

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

class RunStatusTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(RunStatusTest, KeysAndProgressWhileRunningThenIdle) {
    const RunCase& c = GetParam();
    Scenario s(c.id);
    s.User().QueueDialog(c.parameters);
    s.User().QueueAnswers(c.answers);
    if (c.startKey) s.KeyAt(100, *KeyByName(c.startKey));
    s.RunUntil(c.atMs);
    EXPECT_EQ(s.Host().StatusText(), c.status);
    for (size_t k = 0; k < c.endKeys.size(); ++k) s.KeyAt(c.atMs + 10 + 10'000 * std::int64_t(k), *KeyByName(c.endKeys[k]));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(s.Host().StatusText(), "");
}

// Central Limit: 2.5 s after each sample at the starting pace; 0 finishes (its status is said
// every 1000th sample from then on, and cleared at the end).
// Complete Means: 3 x 3 = 9 samples of size 2, one a second at the starting pace; 0 finishes.
// Binomial: a tick lasts 12 frames of 160 ms, so no ball has landed at 500 ms; Esc stops.
// Spinner: Esc ends the run at the end of the tick, which waits for a key after its spin.
// Anova: 2 cells of 8 trials; the first trial runs once a key has answered the data session's
// prompt; Esc answers the trial's own prompt and ends the session after the trial's score.
INSTANTIATE_TEST_SUITE_P(
    Runs, RunStatusTest,
    ::testing::Values(
        RunCase{"CompleteMeans", res::IDR_COMPLETEMEANS, DialogAnswer{false, {{1002, "3"}, {1001, "2"}}}, {}, nullptr,
                500, "sample 1 of 9    0-9 pace (0: no more pauses), Esc stop, F1 help", {"0"}},
        RunCase{"Central", res::IDR_CENTRAL, DialogAnswer{false, {{1002, "1000"}, {1001, "5"}}}, {}, nullptr, 500,
                "sample 1 of 1000    0-9 pace, Space or Pause one sample at a time, Esc stop, F1 help", {"0"}},
        RunCase{"Binomial", res::IDR_BINOMIAL, DialogAnswer{false, {}}, {}, nullptr, 500,
                "balls landed: 0 of 256    0-9 pace, Esc stop, F1 help", {"esc"}},
        RunCase{"Spinner", res::IDR_SPINNER, DialogAnswer{false, {}}, {}, nullptr, 500,
                "balls landed: 0 of 8    After a spin any key lets the ball go on, Esc stop, F1 help", {"esc", "space"}},
        RunCase{"Anova", res::IDR_ANOVA, DialogAnswer{false, {}}, {IDNO}, "space", 200,
                "trial 1 of 16    Click the target, Esc stop after this trial, Ctrl+F4 close the window, F1 help", {"esc", "space"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dulm::testing

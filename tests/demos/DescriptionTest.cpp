// The one-line description each demonstration keeps for screen readers: what its picture shows
// that its texts do not, as it stands once the view rests.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "demos/board/Board.h"
#include "demos/spinner/SpinView.h"
#include "harness/Scenario.h"
#include "platform/Keys.h"
#include "plot/PlotView.h"
#include "res/Resources.h"

namespace dulm::testing {
namespace {

std::string DescriptionOf(Scenario& s) { return s.Host().GetCanvas()->Description(); }

TEST(DescriptionText, HistogramCountsItsValuesAndNamesTheTallestColumnToThreeDigits) {
    EXPECT_EQ(HistogramDescription("sample means", 1000, 0.05f), "Histogram of 1000 sample means, tallest bar at 0.05");
    EXPECT_EQ(HistogramDescription("t scores", 7, -1.23456f), "Histogram of 7 t scores, tallest bar at -1.23");
    EXPECT_EQ(HistogramDescription("sample variances", 50000, 12.0f),
              "Histogram of 50000 sample variances, tallest bar at 12");
    EXPECT_EQ(HistogramDescription("sample means", 0, 3.0f), "Empty histogram of sample means");
}

TEST(DescriptionText, BoardNamesTheFullestBinFromTheLeftTheFirstOfEquals) {
    const std::int16_t counts[] = {0, 3, 5, 5, 1};
    EXPECT_EQ(BoardDescription(counts, 14, 16), "14 of 16 balls landed in 5 bins, most in bin 3 from the left");
    const std::int16_t none[] = {0, 0, 0, 0};
    EXPECT_EQ(BoardDescription(none, 0, 8), "0 of 8 balls landed in 4 bins");
    EXPECT_EQ(SpinDescription('L'), "The spinner's pointer stopped in sector L");
}

struct Case {
    const char* name;
    unsigned id;
    std::function<void(Scenario&)> script;  // what the user does; the view then rests
    const char* expected;                    // the description, or its beginning when prefix
    bool prefix;
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class Description : public ::testing::TestWithParam<Case> {};

TEST_P(Description, SaysWhatThePictureShowsOnceTheViewRests) {
    const Case& c = GetParam();
    Scenario s(c.id);
    c.script(s);
    s.RunToQuiescence();
    const std::string described = DescriptionOf(s);
    if (c.prefix) EXPECT_TRUE(described.starts_with(c.expected)) << described;
    else EXPECT_EQ(described, c.expected);
}

void Fast(Scenario& s) { s.KeyAt(1, DigitKey(0)); }
void Nothing(Scenario&) {}

INSTANTIATE_TEST_SUITE_P(
    Demos, Description,
    ::testing::Values(
        // Three of the 10000 means fell beyond the axis, neither counted nor drawn.
        Case{"Central", res::IDR_CENTRAL, Fast, "Histogram of 9997 sample means, tallest bar at ", true},
        Case{"CompleteMeans", res::IDR_COMPLETEMEANS, Fast, "Histogram of ", true},
        Case{"StudentT", res::IDR_STUDENTT, Fast, "Histogram of ", true},
        Case{"Variance", res::IDR_VARIANCE, Fast, "Histogram of 10000 sample variances, tallest bar at ", true},
        Case{"Zentral", res::IDR_ZENTRAL, Fast, "Histogram of 10000 z scores of sample means, tallest bar at ", true},
        Case{"Alpha", res::IDR_ALPHA, Nothing, "Normal density curve, the rejection region shaded above 1.645", false},
        // n = 1: the critical values are 1.645 standard errors of 1.
        Case{"Power", res::IDR_POWER, Nothing,
             "Normal curves of the mean under the null hypothesis (0, grey) and the alternatives -1 (blue, hatched "
             "below -1.645) and 1 (green, hatched above 1.645)",
             false},
        Case{"Correlation", res::IDR_CORRELATION, Nothing,
             "Scatterplot of 26 points shown as letters, least-squares line through 0 of slope ", true},
        Case{"Regression", res::IDR_REGRESSION, Nothing, "Points a (-2, ", true},
        // 256 balls, every one landed.
        Case{"Binomial", res::IDR_BINOMIAL, Fast,
             "256 of 256 balls landed in 9 bins, most in bin ", true},
        // The first spin rests, waiting for its key.
        Case{"Spinner", res::IDR_SPINNER, Nothing, "The spinner's pointer stopped in sector ", true},
        // Waiting for the first "Hit any key": no target flies.
        Case{"Anova", res::IDR_ANOVA, Nothing, "", false}, Case{"Anova2", res::IDR_ANOVA2, Nothing, "", false}),
    [](const auto& info) { return std::string(info.param.name); });

// A target on its way across says so; the description goes when the trial ends.
TEST(Description, TheExperimentsSayATargetFliesOnlyDuringATrial) {
    for (const unsigned id : {res::IDR_ANOVA, res::IDR_ANOVA2}) {
        Scenario s(id);
        s.KeyAt(10, *KeyByName("a"));  // ready for the data session
        s.KeyAt(20, *KeyByName("a"));  // ready for the first trial
        s.RunUntil(300);
        EXPECT_TRUE(DescriptionOf(s).starts_with("A target flies in from the left across the ")) << id;
        s.RunToQuiescence();  // the trial ended: its points wait for a key
        EXPECT_EQ(DescriptionOf(s), "") << id;
    }
}

}  // namespace
}  // namespace dulm::testing

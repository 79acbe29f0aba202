// The Student's t demonstration: its count axis, t score, curves, labels, lines and dialog.
#include <regex>

#include "res/Resources.h"
#include "tests/demos/SampleStatTesting.h"

namespace dulm::testing {
namespace {

TEST(StudentTCountAxis, MaximaForTheDefaultScales) {
    EXPECT_EQ(StudentCountMax(1000, 6, 2), 10.0f);
    EXPECT_EQ(StudentCountMax(4999, 6, 2), 49.0f);
    EXPECT_EQ(StudentCountMax(5000, 6, 2), 25.0f);
    EXPECT_EQ(StudentCountMax(9999, 6, 2), 49.0f);
    EXPECT_EQ(StudentCountMax(10000, 6, 2), 60.0f);
    EXPECT_EQ(StudentCountMax(50000, 6, 2), 300.0f);
}

TEST(StudentTScore, UsesTheSampleStandardDeviationAndASentinelWithoutSpread) {
    // 1, 2, 3, 4: mean 2.5, s^2 = 5/3, t = 2.5 / sqrt(5/12).
    EXPECT_NEAR(TScore(10.0f, 30.0f, 4, 0.0f), 3.8729833, 1e-5);
    // Against the Triangular mean 5/3.
    EXPECT_NEAR(TScore(10.0f, 30.0f, 4, 1.6666666f), (2.5 - 1.6666666) / std::sqrt(5.0 / 12.0), 1e-5);
    EXPECT_EQ(TScore(4.0f, 8.0f, 2, 0.0f), 1000000.0f);
    // Two values 0.001 apart: variance 2.5e-7, no score.
    EXPECT_EQ(TScore(2.001f, 1.0f + 1.001f * 1.001f, 2, 0.0f), 1000000.0f);
}

TEST(StudentTCurve, KernelNormalisedOnTheAxisIsTheTDensity) {
    const float h = (10.0f / 940.0f) * 0.5f;
    const float step = h * 0.2f;
    // Two degrees of freedom: f(t) = (2 + t^2)^(-3/2), of which [-5, 5] holds 5 / sqrt(27).
    const auto kernel = [](float x) { return TKernel(x, 2.0, -1.5); };
    const float c = IntegrateMidpoint(0.0f, 5.0f, step, kernel);
    const double scale = 0.5 / c;
    EXPECT_NEAR(scale * IntegrateMidpoint(-5.0f, 5.0f, step, kernel), 1.0, 1e-4);
    EXPECT_NEAR(scale * kernel(0.0f), (1.0 / std::pow(2.0, 1.5)) / (5.0 / std::sqrt(27.0)), 1e-4);
    EXPECT_NEAR(TKernel(1.0f, 2.0, -1.5), std::pow(1.5, -1.5), 1e-6);
}

TEST(StudentT, FinishedPictureHasItsLabelsAndBothCurves) {
    Scenario s(res::IDR_STUDENTT);
    s.User().QueueDialog(Parameters("1000", "30", 3));
    s.KeyAt(1, DigitKey(0));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(s.User().DialogsShown(), std::vector<unsigned>{res::IDD_STUDENTT});
    EXPECT_TRUE(DrewAt(s, "STUDENT'S T DISTRIBUTION", 0, 0, kBlack));
    EXPECT_TRUE(DrewAt(s, "10", 0, 25, kBlack));
    EXPECT_TRUE(DrewAt(s, "5", 0, (630 + 30 - 10) / 2, kBlack));
    EXPECT_TRUE(DrewAt(s, "  0", 0, 625, kBlack));
    EXPECT_TRUE(DrewAt(s, "sample size=30", 16, 110, kBlack));
    EXPECT_TRUE(DrewAt(s, "-5.0", 32, kLabelY, kBlack));
    EXPECT_TRUE(DrewAt(s, "-4.00", (920 + 5) / 10 + 28, kLabelY, kBlack));
    EXPECT_TRUE(DrewAt(s, "-1.00", (4 * 920 + 5) / 10 + 28, kLabelY, kBlack));
    EXPECT_TRUE(DrewAt(s, " 0.00", 488, kLabelY, kBlack));
    EXPECT_TRUE(DrewAt(s, " 4.00", (9 * 920 + 5) / 10 + 28, kLabelY, kBlack));
    EXPECT_TRUE(DrewAt(s, " 5.0", 952, kLabelY, kBlack));
    EXPECT_TRUE(DrewAt(s, "Normal", 814 + 16 + 12, 0, kBlue));
    EXPECT_GT(CountPixels(s, kRed), 300);        // the t curve
    EXPECT_GT(CountPixels(s, kLightGrey), 300);  // the normal curve
}

// The line of the first sample, shown during its 2500 ms pause.
std::string FirstSampleLine(const std::string& size) {
    Scenario s(res::IDR_STUDENTT);
    s.User().QueueDialog(Parameters("1000", size, 0));
    EXPECT_EQ(s.RunUntil(1000), Activity::Horizon);
    const auto lines = SampleLines(s, kBlack);
    EXPECT_EQ(lines.size(), 1u);
    return lines.empty() ? std::string() : lines[0].text;
}

TEST(StudentT, SampleLineShowsValuesMeanAndTScoreUpToTenValues) {
    const std::string two = FirstSampleLine("2");
    std::smatch m;
    const std::regex twoValues(R"(\(([+-]\d\.\d\d)([+-]\d\.\d\d)\)/2 = ([ -]\d\.\d\d)   t score = +(-?\d+\.\d\d))");
    ASSERT_TRUE(std::regex_match(two, m, twoValues)) << two;
    const double a = std::stod(m[1]), b = std::stod(m[2]);
    EXPECT_NEAR((a + b) / 2, std::stod(m[3]), 0.011);
    // n = 2: s = |a - b| / sqrt(2), so t = (a + b) / |a - b| up to the rounding of the values shown.
    ASSERT_GT(std::fabs(a - b), 1.0) << "a sample too narrow to check its t score from the rounded values";
    EXPECT_NEAR((a + b) / std::fabs(a - b), std::stod(m[4]), 0.05) << two;

    const std::string ten = FirstSampleLine("10");
    EXPECT_TRUE(std::regex_match(ten, std::regex(R"(\(([+-]\d\.\d\d){10}\)/10 = [ -]\d\.\d\d   t score = .*)")))
        << ten;
    const std::string eleven = FirstSampleLine("11");
    EXPECT_TRUE(std::regex_match(eleven, std::regex(R"( {10}t score = [ -]*\d+\.\d\d)"))) << eleven;
}

TEST(StudentT, DialogOpensWithItsDefaultsAndRefusesSizesOutsideTwoToAHundred) {
    Scenario opened(res::IDR_STUDENTT);
    opened.RunUntil(100);  // the dialog is accepted as it opened
    const auto& doc = opened.Document<CStutDoc>();
    EXPECT_EQ(doc.m_nSamples, 10000);
    EXPECT_EQ(doc.m_nSampleSize, 3);
    EXPECT_EQ(doc.m_nShape, 1);
    EXPECT_EQ(doc.m_nScaleLarge, 6);

    Scenario s(res::IDR_STUDENTT);
    s.User().QueueDialog(Parameters("10000", "1", 1));
    s.User().QueueDialog(Parameters("10000", "101", 1));
    s.User().QueueDialog(Parameters("10000", "2", 1));
    s.RunUntil(100);
    EXPECT_EQ(s.User().Prompts(), (std::vector<std::string>{"Please enter an integer between 2 and 100.",
                                                            "Please enter an integer between 2 and 100."}));
    EXPECT_EQ(s.Document<CStutDoc>().m_nSampleSize, 2);
}

}  // namespace
}  // namespace dulm::testing

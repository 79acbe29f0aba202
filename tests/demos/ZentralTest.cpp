// The Zentral Limit demonstration: its count and density axes, z score, lines and dialog.
#include <regex>

#include "res/Resources.h"
#include "tests/demos/SampleStatTesting.h"

namespace dulm::testing {
namespace {

TEST(ZentralCountAxis, MaximaAndTheDensitiesTheyStandFor) {
    EXPECT_EQ(ZentralCountMax(1000, 4, 2), 10.0f);
    EXPECT_EQ(ZentralCountMax(3999, 4, 2), 39.0f);
    EXPECT_EQ(ZentralCountMax(4000, 4, 2), 20.0f);
    EXPECT_EQ(ZentralCountMax(10000, 4, 2), 40.0f);
    EXPECT_EQ(ZentralCountMax(50000, 4, 2), 200.0f);
    // 940 columns over the width 6: a bar of 40 in 10000 scores stands for the density 0.63.
    EXPECT_NEAR(ZentralDensityMax(940, 40.0f, 10000), 940.0 * 40 / 60000, 1e-6);
}

TEST(ZentralScore, StandardisesTheMean) {
    EXPECT_EQ(ZScore(10.0f, 4, 0.0f, 0.5f), 5.0f);
    EXPECT_NEAR(ZScore(10.0f, 4, 1.6666666f, 0.5f), (2.5 - 1.6666666) / 0.5, 1e-5);
}

TEST(Zentral, FinishedPictureIsLabelledInDensities) {
    Scenario s(res::IDR_ZENTRAL);
    s.User().QueueDialog(Parameters("10000", "1", 0));  // n = 1: the population itself
    s.KeyAt(1, DigitKey(0));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(s.Document<CZentDoc>().m_nSampleSize, 1);
    EXPECT_TRUE(DrewAt(s, "SAMPLE MEAN DISTRIBUTION", 0, 0, kBlack));
    EXPECT_TRUE(DrewAt(s, "0.63", 0, 25, kBlack));
    EXPECT_TRUE(DrewAt(s, "0.31", 0, (630 + 30 - 10) / 2, kBlack));
    EXPECT_TRUE(DrewAt(s, "  0", 0, 625, kBlack));
    EXPECT_TRUE(DrewAt(s, "-3.0", 32, kLabelY, kBlack));
    EXPECT_TRUE(DrewAt(s, "-2.00", (920 + 3) / 6 + 28, kLabelY, kBlack));
    EXPECT_TRUE(DrewAt(s, " 0.00", 488, kLabelY, kBlack));
    EXPECT_TRUE(DrewAt(s, " 2.00", (5 * 920 + 3) / 6 + 28, kLabelY, kBlack));
    EXPECT_TRUE(DrewAt(s, " 3.0", 952, kLabelY, kBlack));
    EXPECT_GT(CountPixels(s, kLightGrey), 300);
}

TEST(Zentral, EarlyEndRelabelsTheDensityAxisByTheScoresBinned) {
    Scenario s(res::IDR_ZENTRAL);
    s.User().QueueDialog(Parameters("50000", "5", 0));
    s.KeyAt(1, DigitKey(0));
    s.KeyUpAt(2550, *KeyByName("esc"));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    ExpectCorrectedCount(s, 50000);
    const long binned = long(s.Document<CZentDoc>().m_fDone);
    const float densityMax = ZentralDensityMax(940, 200.0f, 50000);
    char top[16], middle[16];
    std::snprintf(top, sizeof top, "%.2f", densityMax * 50000.0f / float(binned));
    std::snprintf(middle, sizeof middle, "%.2f", densityMax * 50000.0f / float(binned) * 0.5f);
    EXPECT_TRUE(DrewAt(s, "0.63", 0, 25, kGrey));
    EXPECT_TRUE(DrewAt(s, "0.31", 0, 325, kGrey));
    EXPECT_TRUE(DrewAt(s, top, 0, 25, kBlack));
    EXPECT_TRUE(DrewAt(s, middle, 0, 325, kBlack));
}

std::string FirstSampleLine(const std::string& size, int shape) {
    Scenario s(res::IDR_ZENTRAL);
    s.User().QueueDialog(Parameters("1000", size, shape));
    EXPECT_EQ(s.RunUntil(1000), Activity::Horizon);
    const auto lines = SampleLines(s, kBlack);
    EXPECT_EQ(lines.size(), 1u);
    return lines.empty() ? std::string() : lines[0].text;
}

TEST(Zentral, SampleLineShowsTheWholeComputationUpToTenValues) {
    // Triangular: mu = 1.67 and se = sqrt(50/9 / 2) = 1.67.
    const std::string two = FirstSampleLine("2", 2);
    std::smatch m;
    const std::regex twoValues(R"(\(\(([+-]\d\.\d\d)([+-]\d\.\d\d)\)/2 -  1\.67 \) /  1\.67 = ([ -]\d\.\d\d))");
    ASSERT_TRUE(std::regex_match(two, m, twoValues)) << two;
    const double mean = (std::stod(m[1]) + std::stod(m[2])) / 2;
    EXPECT_NEAR((mean - 5.0 / 3.0) / std::sqrt(50.0 / 18.0), std::stod(m[3]), 0.01) << two;

    const std::string ten = FirstSampleLine("10", 0);
    EXPECT_TRUE(std::regex_match(ten, std::regex(R"(\(\(([+-]\d\.\d\d){10}\)/10 -  0\.00 \) /  0\.91 = [ -]\d\.\d\d)")))
        << ten;
    const std::string eleven = FirstSampleLine("11", 0);
    EXPECT_TRUE(std::regex_match(eleven, std::regex(R"(zscore = [ -]\d\.\d\d)"))) << eleven;
}

TEST(Zentral, DialogOpensWithItsDefaultsAndAcceptsOneValuePerSample) {
    Scenario opened(res::IDR_ZENTRAL);
    opened.RunUntil(100);  // the dialog is accepted as it opened
    EXPECT_EQ(opened.User().DialogsShown(), std::vector<unsigned>{res::IDD_ZENTRAL});
    const auto& doc = opened.Document<CZentDoc>();
    EXPECT_EQ(doc.m_nSamples, 10000);
    EXPECT_EQ(doc.m_nSampleSize, 10);
    EXPECT_EQ(doc.m_nShape, 1);
    EXPECT_EQ(doc.m_nScaleLarge, 4);

    Scenario s(res::IDR_ZENTRAL);
    s.User().QueueDialog(Parameters("10000", "0", 1));
    s.User().QueueDialog(Parameters("10000", "1", 1));
    s.RunUntil(100);
    EXPECT_EQ(s.User().Prompts(), std::vector<std::string>{"Please enter an integer between 1 and 100."});
    EXPECT_EQ(s.Document<CZentDoc>().m_nSampleSize, 1);
}

}  // namespace
}  // namespace dulm::testing

// The Sample Variance demonstration: its count axis, variance, chi-square kernel, the variance
// axis of each shape, its lines and dialog.
#include <cmath>
#include <regex>

#include "res/Resources.h"
#include "tests/demos/SampleStatTesting.h"

namespace dulm::testing {
namespace {

TEST(VarianceCountAxis, TenPerThousandSamples) {
    EXPECT_EQ(VarianceCountMax(1000, 10), 10.0f);
    EXPECT_EQ(VarianceCountMax(1500, 10), 10.0f);
    EXPECT_EQ(VarianceCountMax(1999, 10), 10.0f);
    EXPECT_EQ(VarianceCountMax(10000, 10), 100.0f);
    EXPECT_EQ(VarianceCountMax(50000, 10), 500.0f);
}

TEST(SampleVariance, DividesByNMinusOne) {
    EXPECT_NEAR(SampleVarianceOf(10.0f, 30.0f, 4), 5.0f / 3.0f, 1e-6);  // 1, 2, 3, 4
    EXPECT_NEAR(SampleVarianceOf(0.0f, 50.0f, 2), 50.0f, 1e-5);          // -5, 5
    EXPECT_EQ(SampleVarianceOf(6.0f, 18.0f, 2), 0.0f);                    // 3, 3
}

TEST(VarianceCurve, ChiSquareKernelAndItsCutOffs) {
    // df = 4, sigma^2 = 1: a = 4, c = 1; at x = 1, u = 4 and the kernel is 4 e^-2.
    EXPECT_NEAR(ChiSquareKernel(1.0f, 4.0, 1.0), 4.0 * std::exp(-2.0), 1e-6);
    EXPECT_EQ(ChiSquareKernel(0.00009f, 1.0, -0.5), 0.0f);  // unbounded at 0 for n = 2
    EXPECT_GT(ChiSquareKernel(0.0001f, 1.0, -0.5), 99.0f);
    EXPECT_EQ(ChiSquareKernel(30.0f, 1.0, -0.5), 0.0f);     // d = -0.5 ln 30 - 15 < -10
    EXPECT_EQ(ChiSquareKernel(100.0f, 1.0, 30.0), 2.235e37f);  // d = 30 ln 100 - 50 > 86
}

struct ShapeLabels {
    int shape;
    const char* sigma2;
    const char* twoSigma2;
    const char* fourSigma2;
};

TEST(Variance, AxisOfEachShapeMarksSigmaSquaredInRed) {
    const ShapeLabels shapes[] = {{0, " 8.33", "16.67", "33.3"},
                                  {1, "12.50", "25.00", "50.0"},
                                  {2, " 5.56", "11.11", "22.2"},
                                  {3, " 1.00", " 2.00", " 4.0"}};
    const int q = (0 + 984 - 3) / 2;
    for (const ShapeLabels& l : shapes) {
        SCOPED_TRACE(l.shape);
        Scenario s(res::IDR_VARIANCE);
        s.User().QueueDialog(Parameters("1000", "10", l.shape));
        s.KeyAt(1, DigitKey(0));
        ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
        EXPECT_TRUE(DrewAt(s, " 0.0", 32, kLabelY, kBlack));
        EXPECT_TRUE(DrewAt(s, l.sigma2, (0 + q + 29) / 2, kLabelY, kRed));
        EXPECT_TRUE(DrewAt(s, l.twoSigma2, q, kLabelY, kBlack));
        EXPECT_TRUE(DrewAt(s, l.fourSigma2, 952, kLabelY, kBlack));
        EXPECT_TRUE(DrewAt(s, "SAMPLE VARIANCE DISTRIBUTION", 0, 0, kBlack));
        EXPECT_TRUE(DrewAt(s, "10", 0, 25, kBlack));
        EXPECT_TRUE(DrewAt(s, "sample size=10", 16, 110, kBlack));
        EXPECT_EQ(Outcome(s).finished, 1);
    }
}

std::string FirstSampleLine(const std::string& size) {
    Scenario s(res::IDR_VARIANCE);
    s.User().QueueDialog(Parameters("1000", size, 0));
    EXPECT_EQ(s.RunUntil(1000), Activity::Horizon);
    const auto lines = SampleLines(s, kBlack);
    EXPECT_EQ(lines.size(), 1u);
    return lines.empty() ? std::string() : lines[0].text;
}

TEST(Variance, SampleLineShowsValuesMeanAndVarianceUpToTenValues) {
    const std::string two = FirstSampleLine("2");
    std::smatch m;
    const std::regex twoValues(R"(\(([+-]\d\.\d\d)([+-]\d\.\d\d)\)/2 = ([ -]\d\.\d\d)  variance = +(\d+\.\d\d))");
    ASSERT_TRUE(std::regex_match(two, m, twoValues)) << two;
    const double a = std::stod(m[1]), b = std::stod(m[2]);
    EXPECT_NEAR((a - b) * (a - b) / 2, std::stod(m[4]), 0.05) << two;

    const std::string ten = FirstSampleLine("10");
    EXPECT_TRUE(std::regex_match(ten, std::regex(R"(\(([+-]\d\.\d\d){10}\)/10 = [ -]\d\.\d\d  variance = [ \d]\d\.\d\d)")))
        << ten;
    const std::string eleven = FirstSampleLine("11");
    EXPECT_TRUE(std::regex_match(eleven, std::regex(R"( {7}variance = [ \d]\d\.\d\d)"))) << eleven;
}

TEST(Variance, DialogOpensWithItsDefaultsAndRefusesSizesAboveFifty) {
    Scenario opened(res::IDR_VARIANCE);
    opened.RunUntil(100);  // the dialog is accepted as it opened
    EXPECT_EQ(opened.User().DialogsShown(), std::vector<unsigned>{res::IDD_VARIANCE});
    const auto& doc = opened.Document<CVariDoc>();
    EXPECT_EQ(doc.m_nSamples, 10000);
    EXPECT_EQ(doc.m_nSampleSize, 10);
    EXPECT_EQ(doc.m_nShape, 1);

    Scenario s(res::IDR_VARIANCE);
    s.User().QueueDialog(Parameters("10000", "51", 1));
    s.User().QueueDialog(Parameters("10000", "50", 1));
    s.RunUntil(100);
    EXPECT_EQ(s.User().Prompts(), std::vector<std::string>{"Please enter an integer between 2 and 50."});
    EXPECT_EQ(s.Document<CVariDoc>().m_nSampleSize, 50);
}

}  // namespace
}  // namespace dulm::testing

// The Central Limit demonstration driven as a user would: dialog answers, keys, help and closing.
#include <chrono>
#include <future>
#include <regex>
#include <thread>

#include <gtest/gtest.h>

#include "res/Resources.h"
#include "tests/demos/SampleStatTesting.h"

namespace dulm::testing {
namespace {

TEST(CentralCountAxis, MaximaForTheDefaultScales) {
    EXPECT_EQ(CentralCountMax(1000, 4, 2), 10.0f);
    EXPECT_EQ(CentralCountMax(3999, 4, 2), 39.0f);
    EXPECT_EQ(CentralCountMax(4000, 4, 2), 20.0f);
    EXPECT_EQ(CentralCountMax(9999, 4, 2), 49.0f);
    EXPECT_EQ(CentralCountMax(10000, 4, 2), 40.0f);
    EXPECT_EQ(CentralCountMax(50000, 4, 2), 200.0f);
}

TEST(Central, FinishedPictureLabelsAxesPanelAndCurve) {
    Scenario s(res::IDR_CENTRAL);
    s.User().QueueDialog(Parameters("1000", "1", 0));
    s.KeyAt(1, DigitKey(0));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(s.User().DialogsShown(), std::vector<unsigned>{res::IDD_CENTRAL});
    const auto& doc = s.Document<CCentDoc>();
    EXPECT_EQ(doc.m_bFinished, 1);
    EXPECT_EQ(doc.m_fDone, 1000.0f);
    EXPECT_TRUE(DrewAt(s, "SAMPLE MEAN DISTRIBUTION", 0, 0, kBlack));
    EXPECT_TRUE(DrewAt(s, "10", 0, 25, kBlack));
    EXPECT_TRUE(DrewAt(s, "5", 0, (630 + 30 - 10) / 2, kBlack));
    EXPECT_TRUE(DrewAt(s, "  0", 0, 625, kBlack));
    EXPECT_TRUE(DrewAt(s, "# of samples=1000", 16, 70, kBlack));
    EXPECT_TRUE(DrewAt(s, "sample size=1", 16, 110, kBlack));
    // m +- 3s with s = sqrt(100 / 12): the axis runs from -8.7 to 8.7 though values lie in [-5, 5].
    EXPECT_TRUE(DrewAt(s, "-8.7", 32, 642, kBlack));
    EXPECT_TRUE(DrewAt(s, "-5.77", (920 + 3) / 6 + 28, 642, kBlack));
    EXPECT_TRUE(DrewAt(s, " 0.00", 488, 642, kBlack));
    EXPECT_TRUE(DrewAt(s, " 8.7", 952, 642, kBlack));
    // The panel: name and labels in blue, "Uniform" indented by 12.
    EXPECT_TRUE(DrewAt(s, "Uniform", 814 + 12 + 12, 0, kBlue));
    EXPECT_TRUE(DrewAt(s, "Population", 826, 17, kBlue));
    EXPECT_EQ(s.Pixel(900, 200), kBlue);  // the flat silhouette
    // The instruction was erased in grey, and the light-grey curve lies over the bars.
    EXPECT_TRUE(DrewAt(s, kStartInstruction, 100, 100, kGrey));
    int curveDots = 0;
    for (int x = 40; x <= 980; ++x)
        for (int y = 30; y <= 630; ++y) curveDots += s.Pixel(x, y) == kLightGrey;
    EXPECT_GT(curveDots, 500);
}

TEST(Central, PanelIndentsShortNamesOnly) {
    Scenario s(res::IDR_CENTRAL);
    s.User().QueueDialog(Parameters("1000", "1", 3));
    s.KeyAt(1, DigitKey(0));
    s.RunToQuiescence();
    EXPECT_TRUE(DrewAt(s, "Normal", 814 + 16 + 12, 0, kBlue));

    Scenario t(res::IDR_CENTRAL);
    t.User().QueueDialog(Parameters("1000", "1", 2));
    t.KeyAt(1, DigitKey(0));
    t.RunToQuiescence();
    EXPECT_TRUE(DrewAt(t, "Triangular", 814 + 12, 0, kBlue));
}

// The line of the first sample, shown during its 2500 ms pause.
std::string FirstSampleLine(const std::string& size, TextRecord* record = nullptr) {
    Scenario s(res::IDR_CENTRAL);
    s.User().QueueDialog(Parameters("1000", size, 0));
    EXPECT_EQ(s.RunUntil(1000), Activity::Horizon);
    const auto lines = SampleLines(s, kBlack);
    EXPECT_EQ(lines.size(), 1u);
    if (lines.empty()) return {};
    if (record) *record = lines[0];
    return lines[0].text;
}

TEST(Central, SampleLineFormatsBySampleSize) {
    TextRecord record;
    const std::string two = FirstSampleLine("2", &record);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(two, m, std::regex(R"(\(([+-]\d\.\d\d)([+-]\d\.\d\d)\) / 2 = ([ -]\d\.\d\d))")))
        << two;
    EXPECT_NEAR((std::stod(m[1]) + std::stod(m[2])) / 2, std::stod(m[3]), 0.011);

    // Centred under the plot: (left + right - width) / 2 with the 12-point font.
    Canvas canvas({10, 10});
    Dc measure(canvas, {1000, 700});
    const auto keep = SelectGuard<Font>(measure, Font::BoldArial(12));
    EXPECT_EQ(record.x, (40 + 980 - measure.GetTextExtentPoint(two).cx) / 2);

    const std::string ten = FirstSampleLine("10");
    EXPECT_TRUE(std::regex_match(ten, std::regex(R"(\(([+-]\d\.\d\d){10}\) / 10 = [ -]\d\.\d\d)"))) << ten;
    const std::string eleven = FirstSampleLine("11");
    EXPECT_TRUE(std::regex_match(eleven, std::regex(R"(mean = [ -]\d\.\d\d)"))) << eleven;
}

TEST(Central, EachLineIsErasedAfterItsPause) {
    Scenario s(res::IDR_CENTRAL);
    s.User().QueueDialog(Parameters("1000", "3", 1));
    s.RunUntil(7600);  // three pauses of 2500 ms have ended
    const auto shown = SampleLines(s, kBlack);
    const auto erased = SampleLines(s, kGrey);
    ASSERT_EQ(shown.size(), 4u);
    ASSERT_EQ(erased.size(), 3u);
    for (size_t i = 0; i < erased.size(); ++i) {
        EXPECT_EQ(erased[i].text, shown[i].text);
        EXPECT_EQ(erased[i].x, shown[i].x);
    }
}

TEST(Central, DigitKeysSetThePauseFromTheMainRowAndTheKeypad) {
    Scenario s(res::IDR_CENTRAL);
    s.User().QueueDialog(Parameters("1000", "2", 0));
    s.KeyAt(10, KeypadDigitKey(1));  // 100 ms from the next sample on
    s.RunUntil(2500 + 10 * 100 + 50);
    EXPECT_EQ(SampleLines(s, kBlack).size(), 12u);
    s.KeyAt(s.NowMs() + 10, DigitKey(0));  // no lines and no pauses: the run ends at once
    EXPECT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_LT(s.NowMs(), 4000);
    EXPECT_EQ(s.Document<CCentDoc>().m_bFinished, 1);
    EXPECT_EQ(SampleLines(s, kBlack).size(), 12u);
}

TEST(Central, ColumnPassingTheTopEndsTheRunEarly) {
    // One V-shaped value per sample piles up at the edges beyond the 40 of the count axis.
    Scenario s(res::IDR_CENTRAL);
    s.User().QueueDialog(Parameters("10000", "1", 1));
    s.KeyAt(1, DigitKey(0));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    ExpectCorrectedCount(s, 10000);
}

TEST(Central, DialogRefusesOutOfRangeEntries) {
    Scenario s(res::IDR_CENTRAL);
    s.User().QueueDialog(Parameters("999", "10", 0));
    s.User().QueueDialog(Parameters("1000", "101", 0));
    s.User().QueueDialog(Parameters("1000", "100", 0));
    s.RunUntil(100);
    EXPECT_EQ(s.User().Prompts(), (std::vector<std::string>{"Please enter an integer between 1000 and 50000.",
                                                            "Please enter an integer between 1 and 100."}));
    EXPECT_EQ(s.Document<CCentDoc>().m_nSampleSize, 100);
}

TEST(Central, TwoWindowsRunSideBySideWithoutSharingState) {
    const auto solo = [](const std::string& size, int shape) {
        Scenario s(res::IDR_CENTRAL);
        s.User().QueueDialog(Parameters("20000", size, shape));
        s.KeyAt(1, DigitKey(0));
        s.RunToQuiescence();
        return s.Image();
    };
    const Bitmap normal = solo("7", 3);
    const Bitmap vShaped = solo("30", 1);

    Scenario a(res::IDR_CENTRAL);
    Scenario b(res::IDR_CENTRAL);
    a.User().QueueDialog(Parameters("20000", "7", 3));
    b.User().QueueDialog(Parameters("20000", "30", 1));
    a.KeyAt(1, DigitKey(0));
    b.KeyAt(1, DigitKey(0));
    auto runA = std::async(std::launch::async, [&] { return a.RunToQuiescence(); });
    auto runB = std::async(std::launch::async, [&] { return b.RunToQuiescence(); });
    EXPECT_EQ(runA.get(), Activity::Quiescent);
    EXPECT_EQ(runB.get(), Activity::Quiescent);
    EXPECT_TRUE(a.Image() == normal);
    EXPECT_TRUE(b.Image() == vShaped);
}

}  // namespace
}  // namespace dulm::testing

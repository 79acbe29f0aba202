// The Complete Means demonstration: the enumeration order, the counts, the detail column and its
// speed keys, help and the stretched redraw.
#include <gtest/gtest.h>

#include "demos/completemeans/AllView.h"
#include "harness/Scenario.h"
#include "res/Resources.h"

namespace dulm {
namespace {

constexpr int kDetailX = (1000 - 1) / 4 - 4;

DialogAnswer Parameters(int popSize, int sampleSize) {
    return DialogAnswer{false, {{1002, std::to_string(popSize)}, {1001, std::to_string(sampleSize)}}};
}

std::vector<TextRecord> Shown(const Scenario& s, int x) {
    std::vector<TextRecord> shown;
    for (const TextRecord& r : s.TextLog())
        if (r.x == x && r.colour == kBlue) shown.push_back(r);
    return shown;
}

size_t MeanLines(const Scenario& s) { return Shown(s, kDetailX - 40).size(); }

TEST(CompleteMeansOdometer, LastWheelTurnsFastest) {
    SampleOdometer o;
    o.Reset(3, 2);
    std::vector<std::string> seen;
    for (int i = 0; i < 8; ++i) {
        o.Advance();
        seen.push_back(std::to_string(o[0]) + std::to_string(o[1]) + std::to_string(o[2]));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"111", "112", "121", "122", "211", "212", "221", "222"}));
    EXPECT_EQ(o.Sum(), 6);
    EXPECT_EQ(CompleteMeansCountMax(3125, 5), 625.0f);
    EXPECT_EQ(CompleteMeansCountMax(9, 3), 10.0f);
}

TEST(CompleteMeans, AllSamplesOfThreeByTwoInOdometerOrderWithExactCounts) {
    Scenario s(res::IDR_COMPLETEMEANS);
    s.User().QueueDialog(Parameters(3, 2));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(s.NowMs() / 1000, 9);  // one second per sample at the starting speed

    std::vector<std::string> elements;
    for (const TextRecord& r : Shown(s, kDetailX))
        if (r.text.size() == 1 && r.y < 60 + 2 * 30) elements.push_back(r.text);
    std::string order;
    for (const std::string& e : elements) order += e;
    EXPECT_EQ(order, "111213212223313233");
    EXPECT_EQ(MeanLines(s), 9u);

    const CAllDoc& doc = s.Document<CAllDoc>();
    EXPECT_EQ(doc.m_bFinished, 1);
    EXPECT_EQ(doc.m_fDone, 9.0f);
    std::vector<float> counts;
    for (int k = 0; k < doc.m_bins.Records(); ++k)
        if (doc.m_bins[k].count != 0.0f) counts.push_back(doc.m_bins[k].count);
    EXPECT_EQ(counts, (std::vector<float>{1, 2, 3, 2, 1}));
    EXPECT_TRUE(s.Drew("10"));
    EXPECT_TRUE(s.Drew("# of samples=9"));
    EXPECT_TRUE(s.Drew(" 2.00"));
}

TEST(CompleteMeans, FiveByFiveWithDetailsOffCompletesAtOnce) {
    Scenario s(res::IDR_COMPLETEMEANS);
    s.User().QueueDialog(Parameters(5, 5));
    s.KeyAt(1, DigitKey(0));
    s.KeyAt(1005, DigitKey(5));  // mid-run: the details stay off for the rest of the run
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_LT(s.NowMs(), 1100);  // only the first sample's pause of 1000 ms
    EXPECT_EQ(MeanLines(s), 1u);
    EXPECT_EQ(s.Document<CAllDoc>().m_fDone, 3125.0f);
    EXPECT_TRUE(s.Drew("625"));
    EXPECT_TRUE(s.Drew("# of samples=3125"));
}

TEST(CompleteMeans, DigitNineMakesThePauseFourAndAHalfSeconds) {
    Scenario s(res::IDR_COMPLETEMEANS);
    s.User().QueueDialog(Parameters(2, 3));
    s.KeyAt(1, KeypadDigitKey(9));
    s.RunUntil(5400);
    EXPECT_EQ(MeanLines(s), 2u);
    s.RunUntil(5600);
    EXPECT_EQ(MeanLines(s), 3u);
}

TEST(CompleteMeans, HelpStopsTheRunAndTheNextPaintStartsFromTheFirstSample) {
    Scenario s(res::IDR_COMPLETEMEANS);
    s.User().QueueDialog(Parameters(3, 2));
    s.HelpAt(2500);
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(s.User().HelpContexts(), std::vector<unsigned>{0x2006E});
    EXPECT_EQ(s.Document<CAllDoc>().m_bFinished, 0);
    EXPECT_FALSE(s.Document<CAllDoc>().m_bins);
    EXPECT_EQ(MeanLines(s), 3u);

    const size_t before = s.TextLog().size();
    s.PaintAt(s.NowMs() + 10);
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(s.Document<CAllDoc>().m_fDone, 9.0f);
    std::string firstAfter;
    for (size_t i = before; i < s.TextLog().size() && firstAfter.size() < 2; ++i) {
        const TextRecord& r = s.TextLog()[i];
        if (r.x == kDetailX && r.colour == kBlue) firstAfter += r.text;
    }
    EXPECT_EQ(firstAfter, "11");
}

TEST(CompleteMeans, StartDemoFollowsTheDeclinedFlagNotTheFinishedOne) {
    Scenario s(res::IDR_COMPLETEMEANS);
    s.User().QueueDialog(DialogAnswer{true, {}});
    s.RunToQuiescence();
    EXPECT_TRUE(s.Drew(kStartInstruction));
    EXPECT_TRUE(s.Host().QueryCommand(res::ID_START_DEMO).enabled);

    s.User().QueueDialog(Parameters(2, 1));
    s.CommandAt(s.NowMs() + 10, res::ID_START_DEMO);
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(s.Document<CAllDoc>().m_bFinished, 1);
    EXPECT_FALSE(s.Host().QueryCommand(res::ID_START_DEMO).enabled);
    EXPECT_TRUE(s.Drew(" 1.0"));
    EXPECT_TRUE(s.Drew(" 1.50"));
    EXPECT_TRUE(s.Drew(" 2.0"));
}

TEST(CompleteMeans, RedrawStretchesTheStoredBarsToTheNewFrame) {
    Scenario s(res::IDR_COMPLETEMEANS);
    s.User().QueueDialog(Parameters(4, 2));
    s.KeyAt(1, DigitKey(0));
    s.RunToQuiescence();
    const CAllDoc& doc = s.Document<CAllDoc>();
    const int w0 = doc.m_bins.FrameWidth();
    const int h0 = doc.m_bins.FrameHeight();

    s.Host().Resize({500, 350});  // a larger logical font: a narrower, lower frame
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const auto& view = s.GetView<CAllView>();
    const int w = view.Box().Width();
    const int h = view.Box().Height();
    ASSERT_NE(w, w0);
    int bars = 0;
    for (int k = 0; k < doc.m_bins.Records(); ++k) {
        const HistogramBin& bin = doc.m_bins[k];
        if (bin.count == 0.0f) continue;
        ++bars;
        const int x = int(double(bin.x) * w / w0) + view.Box().left;
        const int y = int(double(bin.top) * h / h0) + view.Box().top;
        EXPECT_EQ(s.Pixel(x, view.Box().bottom), kBlack);
        EXPECT_EQ(s.Pixel(x, y + 1), kBlack);
        EXPECT_NE(s.Pixel(x, y - 1), kBlack);
    }
    EXPECT_EQ(bars, 7);
}

}  // namespace
}  // namespace dulm

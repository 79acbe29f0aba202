// The Correlation demonstration: the sorted, centred samples, the interchanges (dialog and digit
// keys), r and its line, and the Circles/Letters options.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "demos/correlation/CorrView.h"
#include "harness/Scenario.h"
#include "platform/Rand.h"
#include "res/Resources.h"

namespace dulm {
namespace {

constexpr long kTime = 7;  // seeds the generator with 7 * 255

ScenarioOptions Seeded() {
    ScenarioOptions o;
    o.time = kTime;
    return o;
}

// One attempt at a sample, in double: rand() / 32767 * 4.5 thirteen times, * -4.5 thirteen
// times, centred and sorted; checked against the generated values and sd.
void ExpectNextAttempt(const CorrValues& got, float sd) {
    std::vector<double> v;
    double sum = 0.0, sumSq = 0.0;
    for (int i = 0; i < 26; ++i) {
        v.push_back(rand() / 32767.0 * (i < 13 ? 4.5 : -4.5));
        sum += v.back();
        sumSq += v.back() * v.back();
    }
    for (double& x : v) x -= sum / 26.0;
    std::sort(v.begin(), v.end());
    for (size_t i = 0; i < 26; ++i) EXPECT_NEAR(got[i], v[i], 1e-5) << i;
    EXPECT_NEAR(sd, std::sqrt(sumSq / 26.0 - sum * sum / 676.0), 1e-5);
}

double Pearson(const CCorrDoc& doc) {
    double mx = 0, my = 0, sxy = 0, sxx = 0, syy = 0;
    for (size_t i = 0; i < 26; ++i) mx += doc.m_x[i] / 26.0, my += doc.m_y[i] / 26.0;
    for (size_t i = 0; i < 26; ++i) {
        sxy += (doc.m_x[i] - mx) * (doc.m_y[i] - my);
        sxx += (doc.m_x[i] - mx) * (doc.m_x[i] - mx);
        syy += (doc.m_y[i] - my) * (doc.m_y[i] - my);
    }
    return sxy / std::sqrt(sxx * syy);
}

// Paints are counted by their "r = " line.
int Paints(const Scenario& s) {
    return int(std::count_if(s.TextLog().begin(), s.TextLog().end(),
                             [](const TextRecord& r) { return r.text.rfind("r = ", 0) == 0; }));
}

// The document after OnNewDocument with the scenario's seed, and `pairs` interchanged.
CCorrDoc Expected(int pairs) {
    CCorrDoc doc;
    srand(kTime * 255);
    doc.m_sdX = GenerateSortedSample(doc.m_x);
    doc.m_sdY = GenerateSortedSample(doc.m_y);
    doc.m_nPairs = static_cast<std::int16_t>(pairs);
    InterchangePairs(doc);
    return doc;
}

TEST(CorrelationSample, EverySeedGivesTheSortedCentredSampleAndOneBeyondMinusFiveIsDrawnAgain) {
    for (unsigned t = 0; t < 256; ++t) {
        CorrValues x{}, y{};
        srand(t * 255);
        const float sdX = GenerateSortedSample(x), sdY = GenerateSortedSample(y);
        srand(t * 255);
        ExpectNextAttempt(x, sdX);
        ExpectNextAttempt(y, sdY);
    }
    // Seed 1's first attempt has a centred value of -5.08: the sample is the second attempt.
    CorrValues v{};
    srand(1);
    const float sd = GenerateSortedSample(v);
    srand(1);
    for (int i = 0; i < 26; ++i) rand();
    ExpectNextAttempt(v, sd);
}

// Seed 39 first draws 165 and 923, both index 0: both are drawn again (29813 -> 23, 23402 -> 18).
// Seed 10021 first draws 32762, beyond the last whole index: drawn again (9083 -> 7, 26516 -> 21).
TEST(CorrelationInterchange, DistinctIndicesAfterRejectionAndLettersTravelWithTheirY) {
    for (const auto& [seed, i, j] : {std::tuple{39u, 23, 18}, std::tuple{10021u, 7, 21}}) {
        CCorrDoc doc;
        for (size_t k = 0; k < 26; ++k) doc.m_y[k] = float(k);
        srand(seed);
        doc.m_nPairs = 1;
        InterchangePairs(doc);
        for (int k = 0; k < 26; ++k) {
            const int want = k == i ? j : k == j ? i : k;
            EXPECT_EQ(doc.m_y[size_t(k)], float(want)) << seed << " " << k;
            EXPECT_EQ(doc.m_letters[size_t(k)], char('a' + want));
        }
    }
}

struct Case {
    const char* name;
    int pairs;  // 0: nothing changes and nothing is redrawn
    KeyStroke key;
    std::vector<DialogAnswer> answers;  // for a right click or Enter
    std::vector<std::string> prompts;
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class CorrelationInterchanges : public ::testing::TestWithParam<Case> {};

TEST_P(CorrelationInterchanges, ChangeOnlyThePairingAndRedrawOnlyWhenTheyHappen) {
    const Case& c = GetParam();
    Scenario s(res::IDR_CORRELATION, Seeded());
    if (c.key.vk) {
        for (const DialogAnswer& a : c.answers) s.User().QueueDialog(a);  // for Enter
        s.KeyAt(100, c.key);
    } else {
        for (const DialogAnswer& a : c.answers) s.User().QueueDialog(a);
        s.RightClickAt(100, {500, 300});
    }
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const CCorrDoc& doc = s.Document<CCorrDoc>();
    const CCorrDoc want = Expected(c.pairs);
    EXPECT_EQ(doc.m_y, want.m_y);
    EXPECT_EQ(doc.m_letters, want.m_letters);
    EXPECT_EQ(doc.m_nPairs, 0);
    EXPECT_EQ(s.User().Prompts(), c.prompts);
    EXPECT_EQ(Paints(s), c.pairs ? 2 : 1);
    const float r = s.GetView<CCorrView>().R();
    EXPECT_NEAR(r, Pearson(doc), 1e-4);
    EXPECT_GT(r, c.pairs ? -1.0f : 0.9f);  // unchanged: the sorted pairing
    char text[32];
    std::snprintf(text, sizeof text, "r = %.2f", double(r));
    EXPECT_EQ(s.TextLog().back().text, text);
}

DialogAnswer Pairs(const char* text) { return DialogAnswer{false, {{1001, text}}}; }
const DialogAnswer kCancel{true, {}};
const char* const kRange = "Please enter an integer between 1 and 10.";

INSTANTIATE_TEST_SUITE_P(
    KeysAndDialog, CorrelationInterchanges,
    ::testing::Values(Case{"Top3", 3, DigitKey(3), {}, {}}, Case{"Keypad3", 3, KeypadDigitKey(3), {}, {}},
                      Case{"Top9", 9, DigitKey(9), {}, {}}, Case{"Top0", 10, DigitKey(0), {}, {}},
                      Case{"Keypad0", 10, KeypadDigitKey(0), {}, {}}, Case{"Letter", 0, *KeyByName("a"), {}, {}},
                      Case{"Esc", 0, *KeyByName("esc"), {}, {}}, Case{"DialogFour", 4, {}, {Pairs("4")}, {}},
                      Case{"DialogDefaultOne", 1, {}, {}, {}}, Case{"DialogCancel", 0, {}, {kCancel}, {}},
                      Case{"ElevenThenCancel", 0, {}, {Pairs("11"), kCancel}, {kRange}},
                      Case{"TextThenCancel", 0, {}, {Pairs("x"), kCancel}, {"Please enter an integer."}},
                      Case{"ZeroThenTen", 10, {}, {Pairs("0"), Pairs("10")}, {kRange}},
                      // Enter asks as a right click does.
                      Case{"EnterFour", 4, *KeyByName("enter"), {Pairs("4")}, {}},
                      Case{"EnterCancel", 0, *KeyByName("enter"), {kCancel}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Correlation, CirclesAndLettersRedrawOnlyWhenTheModeChangesAndCarryCheckMarks) {
    Scenario s(res::IDR_CORRELATION, Seeded());
    auto checks = [&] {
        return std::pair{s.Host().QueryCommand(res::ID_CIRCLES).check, s.Host().QueryCommand(res::ID_LETTERS).check};
    };
    s.CommandAt(100, res::ID_LETTERS);  // letters already
    s.HelpAt(150);
    s.RunToQuiescence();
    EXPECT_EQ(Paints(s), 1);
    EXPECT_EQ(checks(), std::pair(0, 1));
    EXPECT_EQ(s.User().HelpContexts(), std::vector<unsigned>{0x20003});
    for (char c = 'a'; c <= 'z'; ++c) EXPECT_TRUE(s.Drew(std::string(1, c))) << c;

    s.CommandAt(200, res::ID_CIRCLES);
    s.CommandAt(300, res::ID_CIRCLES);
    s.RunToQuiescence();
    EXPECT_EQ(Paints(s), 2);
    EXPECT_EQ(checks(), std::pair(1, 0));
    EXPECT_EQ(std::count_if(s.TextLog().begin(), s.TextLog().end(), [](const TextRecord& r) { return r.text == "o"; }),
              1 + 26);  // the letter "o", then 26 circles

    s.CommandAt(400, res::ID_LETTERS);
    s.RunToQuiescence();
    EXPECT_EQ(Paints(s), 3);
    EXPECT_EQ(checks(), std::pair(0, 1));
}

// A falling line steeper than -1 is still cut at x = -4.9 and 4.9: it runs off the canvas.
TEST(Correlation, AFallingLineSteeperThanOneRunsBeyondTheFrameAndClosingEndsTheWindow) {
    Scenario s(res::IDR_CORRELATION, Seeded());
    s.RunToQuiescence();
    CCorrDoc& doc = s.Document<CCorrDoc>();
    std::reverse(doc.m_y.begin(), doc.m_y.end());
    for (float& y : doc.m_y) y *= 1.5f;
    doc.m_sdY *= 1.5f;
    s.PaintAt(100);
    s.RunToQuiescence();
    ASSERT_LT(s.GetView<CCorrView>().Slope(), -1.0f);
    for (int row : {0, 699}) {
        int grey = 0;
        for (int x = 0; x < 1000; ++x) grey += s.Pixel(x, row) == kScatterLine;
        EXPECT_GT(grey, 0) << row;
    }
    s.Close();
    EXPECT_EQ(s.Host().Queue().WaitUntilResting(), Activity::Ended);
}

}  // namespace
}  // namespace dulm

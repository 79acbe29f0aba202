// Alpha's and Power's texts in windows of every size: inside the canvas and apart, each at its
// own place whenever it fits there.
#include <gtest/gtest.h>

#include <memory>

#include "app/MainFrame.h"
#include "app/ViewConventions.h"
#include "harness/Scenario.h"
#include "platform/Canvas.h"
#include "res/Resources.h"

namespace dulm {
namespace {

struct Case {
    const char* name;
    unsigned id;
    DialogAnswer answer;
};

// The texts of the last paint, each with its box as the view's scaled font measures it.
std::vector<std::pair<TextRecord, Rect>> LastPaint(const Scenario& s, Size view) {
    const std::vector<TextRecord>& log = s.TextLog();
    size_t first = 0;
    for (size_t i = 0; i < log.size(); ++i)
        if (log[i].text.ends_with(" Distribution")) first = i;
    const CMainFrame frame({1000, 700});
    Canvas scratch({1000, 700});
    Dc dc(scratch, view, nullptr);
    const auto font = SelectScaledFont(dc, frame);
    std::vector<std::pair<TextRecord, Rect>> texts;
    for (size_t i = first; i < log.size(); ++i) {
        const Size e = dc.GetTextExtentPoint(log[i].text);
        texts.push_back({log[i], {log[i].x, log[i].y, log[i].x + e.cx, log[i].y + e.cy}});
    }
    return texts;
}

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class HypothesisTexts : public ::testing::TestWithParam<Case> {};

TEST_P(HypothesisTexts, StayInsideTheCanvasAndApartInSmallWindows) {
    for (const Size view : {Size{120, 100}, Size{160, 120}, Size{250, 175}, Size{400, 280}, Size{640, 448}}) {
        ScenarioOptions options;
        options.view = view;
        Scenario s(GetParam().id, options);
        s.User().QueueDialog(GetParam().answer);
        ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
        const auto texts = LastPaint(s, view);
        ASSERT_GE(texts.size(), 10u);
        for (size_t i = 0; i < texts.size(); ++i) {
            const Rect& r = texts[i].second;
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= 1000 && r.bottom <= 700)
                << view.cx << " " << texts[i].first.text;
            for (size_t j = 0; j < i; ++j) {
                const Rect& o = texts[j].second;
                EXPECT_FALSE(r.left < o.right && o.left < r.right && r.top < o.bottom && o.top < r.bottom)
                    << view.cx << ": " << texts[i].first.text << " / " << texts[j].first.text;
            }
        }
    }
}

// In a window of the canvas's size everything fits: each text keeps its own place.
TEST_P(HypothesisTexts, KeepTheirPlacesWhereTheyFit) {
    Scenario s(GetParam().id);
    s.User().QueueDialog(GetParam().answer);
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    std::vector<Point> at;
    for (const auto& [record, box] : LastPaint(s, {1000, 700})) at.push_back({record.x, record.y});
    ASSERT_GE(at.size(), 11u);
    EXPECT_EQ(at[0], (Point{0, 0}));
    EXPECT_EQ(at[1], (Point{0, 25}));
    EXPECT_EQ(at[2], (Point{0, 325}));
    EXPECT_EQ(at[3], (Point{0, 625}));
    EXPECT_EQ(at[4], (Point{32, 642}));
    EXPECT_EQ(at[10], (Point{952, 642}));
    const Point side = GetParam().id == res::IDR_ALPHA ? Point{656, 220} : Point{799, 132};
    EXPECT_EQ(at[11], side);
}

INSTANTIATE_TEST_SUITE_P(Pictures, HypothesisTexts,
                         ::testing::Values(Case{"AlphaNormalTwoTailed", res::IDR_ALPHA, {false, {{1003, "0"}, {1011, "1"}}}},
                                           Case{"AlphaChiSquare", res::IDR_ALPHA, {false, {{1003, "2"}}}},
                                           Case{"Power", res::IDR_POWER, {false, {}}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dulm

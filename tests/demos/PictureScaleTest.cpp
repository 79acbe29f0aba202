// Every demonstration's picture at a device scale and in the projector's palette.
#include <cmath>
#include <map>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "harness/RenderOptions.h"
#include "platform/Palette.h"

namespace dulm {
namespace {

// Each demonstration run to its end with its defaults (the board with its balls dropped).
const std::vector<std::vector<std::string>> kRuns = {
    {"central", "--dialog", "1002=1000,1001=5"}, {"completemeans"}, {"studentt", "--dialog", "1002=1000,1001=5"},
    {"variance", "--dialog", "1002=1000,1001=5"}, {"zentral", "--dialog", "1002=1000,1001=5"}, {"alpha"}, {"power"},
    {"correlation"}, {"regression", "--events", "click:300,300@10;click:600,200@20;click:500,500@30"},
    {"binomial", "--events", "key:num0@1"}, {"spinner"}, {"anova"}, {"anova2"}};

ScriptedRun RunWith(std::vector<std::string> args, const std::function<void(ScenarioOptions&)>& adjust = {}) {
    args.insert(args.end(), {"--out", "-", "--time", "42"});
    std::string error;
    std::optional<RenderOptions> options = ParseRenderOptions(args, error);
    EXPECT_TRUE(options) << error;
    if (adjust) adjust(options->scenario);
    ScriptedRun run = RunScripted(*options);
    EXPECT_EQ(run.status, 0) << run.message;
    return run;
}

// WCAG 2 relative luminance and contrast ratio.
double Luminance(Colour c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}
double Contrast(Colour a, Colour b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class PairCollector : public InkRecorder {
public:
    void Inked(Colour ink, Colour ground, long pixels) override {
        std::lock_guard lock(m_mutex);
        if (ink != ground) pairs[{ink.Rgb(), ground.Rgb()}] += pixels;
    }
    void Filled(Colour) override {}
    std::map<std::pair<std::uint32_t, std::uint32_t>, long> pairs;  // ink, ground -> pixels

private:
    std::mutex m_mutex;
};

std::string Hex(Colour c) {
    char s[8];
    std::snprintf(s, sizeof s, "#%06x", c.Rgb());
    return s;
}

// Every line, pixel, outline and text every demonstration draws, against the background it is
// drawn on, reaches 3:1 in the projector's palette. The ground of a drawing is what most of the
// pixels beside it show; a ground that takes less than a fifth of a colour's ink in a run is where
// two curves cross or run together, or a ball passes the board's walls, not the background.
TEST(ProjectorPaletteTest, EveryColourDrawnStandsOutAgainstItsGround) {
    const Palette& projector = Palette::Projector();
    std::set<std::uint32_t> inks;
    int pairs = 0;
    for (const auto& run : kRuns) {
        PairCollector collector;
        RunWith(run, [&](ScenarioOptions& o) { o.inkRecorder = &collector; });
        std::map<std::uint32_t, long> total;
        for (const auto& [pair, pixels] : collector.pairs) total[pair.first] += pixels;
        for (const auto& [pair, pixels] : collector.pairs) {
            if (pixels * 5 < total[pair.first]) continue;
            const Colour ink = Colour::FromRgb(pair.first), ground = Colour::FromRgb(pair.second);
            inks.insert(pair.first);
            ++pairs;
            EXPECT_GE(Contrast(projector.Shown(ink), projector.Shown(ground)), 3.0)
                << run[0] << ": " << Hex(ink) << " on " << Hex(ground) << " (" << pixels << " pixels) shown as "
                << Hex(projector.Shown(ink)) << " on " << Hex(projector.Shown(ground));
        }
    }
    // The pictures' colours were all met, on grey and on black (the t curve across the histogram,
    // the targets' texts).
    EXPECT_GE(pairs, 15);
    for (Colour c : {kBlack, kRed, kGreen, kBlue, kLightGrey}) EXPECT_TRUE(inks.count(c.Rgb())) << Hex(c);
    // The classic palette is what the projector needed: light grey and green on grey wash out.
    EXPECT_LT(Contrast(kLightGrey, kGrey), 1.5);
    EXPECT_LT(Contrast(kGreen, kGrey), 2.0);
}

// The red and the green as a viewer without red (protanopia) or green (deuteranopia) cones sees
// them (Machado, Oliveira and Fernandes 2009, full severity, on linear RGB): far apart in the
// projector's palette for both, where the classic pair nearly meets for the green-blind (about 13
// in CIE L*a*b*, against 39 and 44).
TEST(ProjectorPaletteTest, RedAndGreenStayApartForColourBlindViewers) {
    using Matrix = std::array<std::array<double, 3>, 3>;
    const Matrix protan{{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
    const Matrix deutan{{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
    auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    // CIE L*a*b* (D65) distance between the two colours as seen.
    auto distance = [&](const Matrix& m, Colour a, Colour b) {
        auto lab = [&](Colour c) {
            const double rgb[3] = {linear(c.r), linear(c.g), linear(c.b)};
            double seen[3];
            for (int i = 0; i < 3; ++i) seen[i] = std::clamp(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2], 0.0, 1.0);
            const double x = (0.4124 * seen[0] + 0.3576 * seen[1] + 0.1805 * seen[2]) / 0.95047;
            const double y = 0.2126 * seen[0] + 0.7152 * seen[1] + 0.0722 * seen[2];
            const double z = (0.0193 * seen[0] + 0.1192 * seen[1] + 0.9505 * seen[2]) / 1.08883;
            auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
            return std::array<double, 3>{116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
        };
        const auto p = lab(a), q = lab(b);
        return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
    };
    const Palette& projector = Palette::Projector();
    for (const Matrix* m : {&protan, &deutan}) EXPECT_GE(distance(*m, projector.Shown(kRed), projector.Shown(kGreen)), 35.0);
    EXPECT_LT(distance(deutan, kRed, kGreen), 15.0);
}

// A run at a device scale draws the same texts at the same logical places, and every text it
// erased (drawn again in the background grey) is gone where the run at scale 1 shows bare grey:
// the counters, the sample lines, the start instruction.
class ScaledRunTest : public testing::TestWithParam<std::tuple<int, double>> {};

TEST_P(ScaledRunTest, ErasedTextsLeaveNothingBehindAndTheTextsStayLogical) {
    const auto& [run, scale] = GetParam();
    const ScriptedRun one = RunWith(kRuns[run]);
    const ScriptedRun scaled = RunWith(kRuns[run], [scale = scale](ScenarioOptions& o) { o.scale = scale; });
    const Bitmap a = one.scenario->Image();
    const Bitmap b = scaled.scenario->Image();
    ASSERT_EQ(b.GetSize(), DeviceSizeAt(a.GetSize(), scale));
    const auto& log = one.scenario->TextLog();
    ASSERT_EQ(scaled.scenario->TextLog().size(), log.size());
    for (size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(scaled.scenario->TextLog()[i].x, log[i].x);
        EXPECT_EQ(scaled.scenario->TextLog()[i].text, log[i].text);
    }
    auto device = [&](int v, int logical, int pixels) { return int(std::int64_t(v) * pixels / logical); };
    auto bare = [](const Bitmap& p, int x0, int y0, int x1, int y1) {
        for (int y = std::max(y0, 0); y < std::min(y1, p.Height()); ++y)
            for (int x = std::max(x0, 0); x < std::min(x1, p.Width()); ++x)
                if (p.PixelAt(x, y) != kGrey) return false;
        return true;
    };
    int checked = 0;
    for (const TextRecord& r : log) {
        if (r.colour != kGrey) continue;
        // Within the text's cell (6 pixels a character at least, the height of a 12-point line).
        const int x0 = r.x, y0 = r.y + 1, x1 = r.x + 6 * int(r.text.size()), y1 = r.y + 12;
        if (!bare(a, x0, y0, x1, y1)) continue;
        ++checked;
        EXPECT_TRUE(bare(b, device(x0, a.Width(), b.Width()), device(y0, a.Height(), b.Height()),
                         device(x1, a.Width(), b.Width()), device(y1, a.Height(), b.Height())))
            << "\"" << r.text << "\" at " << r.x << "," << r.y;
    }
    EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(ErasingRuns, ScaledRunTest,
                         testing::Combine(testing::Values(0, 1, 2), testing::Values(1.5, 2.0)));

}  // namespace
}  // namespace dulm

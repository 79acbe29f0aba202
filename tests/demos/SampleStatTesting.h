// What the tests of the sampling-statistic demonstrations share: dialog answers, the texts
// drawn, and the outcome of a run whatever the document's layout.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "demos/central/CentView.h"
#include "demos/studentt/StutView.h"
#include "demos/variance/VariView.h"
#include "demos/zentral/ZentView.h"
#include "harness/Scenario.h"

namespace dulm::testing {

inline constexpr int kLineY = 700 - 30;  // the per-sample line of a 1000 x 700 canvas
inline constexpr int kLabelY = 700 - 70 + 12;

inline DialogAnswer Parameters(const std::string& samples, const std::string& size, int shape) {
    return DialogAnswer{false, {{1002, samples}, {1001, size}, {1003, std::to_string(shape)}}};
}

inline std::vector<TextRecord> SampleLines(const Scenario& s, Colour colour) {
    std::vector<TextRecord> lines;
    for (const TextRecord& r : s.TextLog())
        if (r.y == kLineY && r.colour == colour) lines.push_back(r);
    return lines;
}

inline bool DrewAt(const Scenario& s, const std::string& text, int x, int y, Colour colour) {
    for (const TextRecord& r : s.TextLog())
        if (r.text == text && r.x == x && r.y == y && r.colour == colour) return true;
    return false;
}

inline int CountPixels(const Scenario& s, Colour colour) {
    int n = 0;
    for (int x = 40; x <= 980; ++x)
        for (int y = 30; y <= 630; ++y) n += s.Pixel(x, y) == colour;
    return n;
}

// What every sampling-statistic document keeps.
struct RunOutcome {
    int finished = 0;
    int chosen = 0;
    float done = 0.0f;
    const HistogramBins* bins = nullptr;
};

inline RunOutcome Outcome(const Scenario& s) {
    const auto& d = s.Document<CSampleStatDoc>();
    return {d.m_bFinished, d.m_bChosen, d.m_fDone, &d.m_bins};
}

inline double SumOfCounts(const HistogramBins& bins) {
    double sum = 0.0;
    for (int k = 0; k < bins.Records(); ++k) sum += bins[k].count;
    return sum;
}

// The expected counts of the curve drawn last, summed over the histogram's 941 column centres.
inline double ExpectedTotal(Scenario& s, float xmin, float xmax) {
    const auto& view = s.GetView<CSampleStatView>();
    const float dx = (xmax - xmin) / 940.0f;
    double total = 0.0;
    for (int k = 0; k <= 940; ++k) total += view.ExpectedCount(xmin + float(k) * dx);
    return total;
}

// The count line was corrected: N erased in grey, the statistics binned drawn in black.
inline void ExpectCorrectedCount(const Scenario& s, long requested) {
    const float done = Outcome(s).done;
    ASSERT_GT(done, 0.0f);
    ASSERT_LT(done, float(requested));
    EXPECT_TRUE(DrewAt(s, "# of samples=" + std::to_string(requested), 16, 70, kGrey));
    EXPECT_TRUE(DrewAt(s, "# of samples=" + std::to_string(long(done)), 16, 70, kBlack));
}

}  // namespace dulm::testing

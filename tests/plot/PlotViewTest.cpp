// The plot base: the histogram's binning rule and stops, the curve plotter and the integrator.
#include <cmath>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "harness/ScriptedUi.h"
#include "platform/ViewHost.h"
#include "app/MainFrame.h"
#include "plot/PlotView.h"

namespace dulm {
namespace {

constexpr Colour kBackground = kWhite;

// A plot view whose first paint runs one probe on a 200 x 200 canvas, on the view's own thread.
class ProbeView : public CPlotView {
public:
    static inline std::function<void(ProbeView&, Dc&)> s_probe;
    void OnInitialUpdate() override { SetScaleToFitSize({200, 200}); }
    void OnDraw(Dc& dc) override {
        if (s_probe) std::exchange(s_probe, nullptr)(*this, dc);
    }
};

class PlotViewTest : public testing::Test {
protected:
    PlotViewTest() { SetAppMainFrame(&m_frame); }
    ~PlotViewTest() override {
        m_host.reset();
        SetAppMainFrame(nullptr);
    }

    // Runs the probe on a view thread and waits until the view rests.
    void Run(std::function<void(ProbeView&, Dc&)> probe) {
        ProbeView::s_probe = std::move(probe);
        m_host = std::make_unique<ViewHost>(m_template, m_ui, std::make_unique<VirtualClock>(), ViewOptions{});
        m_host->Start();
        m_host->Queue().WaitUntilResting();
    }
    Colour Pixel(int x, int y) const { return m_host->GetCanvas()->PixelAt(x, y); }

    CMultiDocTemplate m_template{1, "Probe", [] { return std::make_unique<CDocument>(); },
                                 [] { return std::make_unique<ProbeView>(); }};
    CMainFrame m_frame{{200, 200}};
    ScriptedUi m_ui;
    std::unique_ptr<ViewHost> m_host;
};

// A sample function that plays a list of values, then aborts.
struct Playlist {
    explicit Playlist(std::vector<float> v) : values(std::move(v)) {}
    std::vector<float> values;
    size_t next = 0;
    std::function<void(size_t)> before;  // called before value i is returned
    float operator()() {
        if (before) before(next);
        return next < values.size() ? values[next++] : kAbortValue;
    }
};

// Frame (0, 0)-(100, 100) with x from 0 to 100 and y from 0 to ymax: column k is centred on k.
struct HistogramResult {
    float done = -1.0f;
    std::vector<float> counts;
    size_t drawn = 0;
};

HistogramResult Animate(ProbeView& view, Dc& dc, Playlist& list, std::int32_t count, float ymax = 100.0f) {
    HistogramResult r;
    view.SetPlotRect({0, 0, 100, 100});
    const HistogramBins bins = view.AnimateHistogram(dc, 1000, 1000, 0.0f, 100.0f, 0.0f, ymax, count, list, r.done);
    for (int k = 0; k < bins.Records(); ++k) r.counts.push_back(bins[k].count);
    r.drawn = list.next;
    return r;
}

TEST_F(PlotViewTest, HalfwayValuesGoUpAndOutOfRangeValuesAreDroppedUncounted) {
    HistogramResult r;
    Run([&](ProbeView& view, Dc& dc) {
        Playlist list{{2.5f, 2.49f, -0.5f, -0.51f, 100.49f, 100.6f, 100.5f, 7.0f}};
        r = Animate(view, dc, list, 5);
    });
    ASSERT_EQ(r.counts.size(), 101u);
    EXPECT_EQ(r.counts[3], 1.0f);    // 2.5 lies halfway between 2 and 3
    EXPECT_EQ(r.counts[2], 1.0f);
    EXPECT_EQ(r.counts[0], 1.0f);    // -0.5 is the lower edge itself
    EXPECT_EQ(r.counts[100], 1.0f);
    EXPECT_EQ(r.counts[7], 1.0f);    // the fifth counted value: -0.51, 100.6 and 100.5 were dropped
    EXPECT_EQ(r.done, 5.0f);
    EXPECT_EQ(r.drawn, 8u);
}

TEST_F(PlotViewTest, ColumnPassingTheTopStopsWithValuesCountedBeforeIt) {
    HistogramResult r;
    Run([&](ProbeView& view, Dc& dc) {
        Playlist list{{1, 1, 1, 1, 7, 1, 1, 1}};
        r = Animate(view, dc, list, 100, 4.0f);  // one row is 0.04: the limit is 4.02
    });
    EXPECT_EQ(r.done, 5.0f);
    EXPECT_EQ(r.counts[1], 5.0f);  // the overflowing value stays in its column
    EXPECT_EQ(r.drawn, 6u);
}

TEST_F(PlotViewTest, AbortValueStopsTheRunAndIsReported) {
    HistogramResult r;
    Run([&](ProbeView& view, Dc& dc) {
        Playlist list{{1, 2, kAbortValue, 3}};
        r = Animate(view, dc, list, 100);
    });
    EXPECT_EQ(r.done, kAbortValue);
    EXPECT_EQ(r.drawn, 3u);
}

TEST_F(PlotViewTest, EscIsPickedUpOnlyAfterABarGrows) {
    HistogramResult r;
    Run([&](ProbeView& view, Dc& dc) {
        // With ymax 200 a bar grows at odd counts only: Esc released before the second value
        // waits in the queue until the third value grows the bar again.
        Playlist list{{5, 5, 5, 5, 5}};
        list.before = [](size_t i) {
            if (i == 1) CurrentHost().Post(MakeKeyMessage(WM_KEYUP, 0x1B, 1));
        };
        r = Animate(view, dc, list, 100, 200.0f);
    });
    EXPECT_EQ(r.done, 3.0f);
    EXPECT_EQ(r.drawn, 3u);
}

TEST_F(PlotViewTest, RunEndsWhenCountValuesAreBinnedAndBarsGrowFromTheBaseline) {
    HistogramResult r;
    Run([&](ProbeView& view, Dc& dc) {
        Playlist list{{10, 10, 10, 20}};
        r = Animate(view, dc, list, 3);
    });
    EXPECT_EQ(r.done, 3.0f);
    EXPECT_EQ(r.drawn, 3u);
    // Each count grows the bar by one row, from the baseline (100) up, in the default black pen;
    // every stroke leaves out its top pixel.
    EXPECT_EQ(Pixel(10, 100), kBlack);
    EXPECT_EQ(Pixel(10, 98), kBlack);
    EXPECT_EQ(Pixel(10, 97), kBackground);
    EXPECT_EQ(Pixel(20, 99), kBackground);
}

TEST_F(PlotViewTest, FilledCurveOverAConstantIsASolidBlockAndHighValuesLeaveColumnsEmpty) {
    Run([](ProbeView& view, Dc& dc) {
        view.SetPlotRect({10, 10, 110, 110});
        view.PlotCurve(dc, kBlack, 1000, 1000, 0.0f, 100.0f, 0.0f, 100.0f,
                       [](float x) { return x < 50.0f ? 40.0 : 150.0; }, true);
    });
    // Strokes from the baseline (110) up to 110 - 40; the top pixel is left out by LineTo.
    EXPECT_EQ(Pixel(10, 109), kBlack);
    EXPECT_EQ(Pixel(59, 71), kBlack);
    EXPECT_EQ(Pixel(59, 70), kBackground);
    EXPECT_EQ(Pixel(60, 109), kBackground);  // 150 lies above ymax
    EXPECT_EQ(Pixel(110, 109), kBackground);
}

TEST_F(PlotViewTest, DottedCurveSetsOnePixelPerColumnRoundingHalvesUp) {
    Run([](ProbeView& view, Dc& dc) {
        view.SetPlotRect({0, 0, 100, 100});
        view.PlotCurve(dc, kRed, 1000, 1000, 0.0f, 100.0f, 0.0f, 100.0f, [](float) { return 20.5; }, false);
    });
    EXPECT_EQ(Pixel(0, 79), kRed);  // 100 - trunc(20.5 + 0.5)
    EXPECT_EQ(Pixel(100, 79), kRed);
    EXPECT_EQ(Pixel(50, 80), kBackground);
}

TEST(IntegrateMidpoint, MatchesClosedForms) {
    // Exact for straight lines, also with a partial last step.
    EXPECT_NEAR(IntegrateMidpoint(1.0f, 3.0f, 0.1f, [](float x) { return 2.0 * x + 1.0; }), 10.0f, 1e-4);
    EXPECT_NEAR(IntegrateMidpoint(0.0f, 1.0f, 0.3f, [](float x) { return 3.0 * x; }), 1.5f, 1e-5);
    EXPECT_NEAR(IntegrateMidpoint(0.0f, 1.0f, 0.3f, [](float) { return 1.0; }), 1.0f, 1e-6);
    // x^2 by the midpoint rule falls short of 1/3 by h^2 / 12.
    EXPECT_NEAR(IntegrateMidpoint(0.0f, 1.0f, 0.1f, [](float x) { return double(x) * x; }), 1.0 / 3.0 - 0.01 / 12.0,
                1e-5);
    // The normal density within one standard deviation.
    const auto phi = [](float x) { return std::exp(-double(x) * x / 2.0) / std::sqrt(2.0 * M_PI); };
    EXPECT_NEAR(IntegrateMidpoint(-1.0f, 1.0f, 0.01f, phi), 0.682689, 1e-4);
    // An empty interval integrates to nothing.
    EXPECT_EQ(IntegrateMidpoint(2.0f, 2.0f, 0.1f, [](float) { return 1.0; }), 0.0f);
}

}  // namespace
}  // namespace dulm

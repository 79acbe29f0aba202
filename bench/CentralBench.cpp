// How much a Central Limit run of 50000 samples of size 100 without pauses costs beyond its
// sampling: (a) the whole run headless, with every bar drawn into the canvas, against (b) the bare
// loop that draws the same five million values with the same sampler, takes the means and bins
// them. The ratio (a)/(b) per shape should stay at 1.5 or less.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "demos/central/CentView.h"
#include "harness/Scenario.h"
#include "platform/Rand.h"
#include "plot/Population.h"
#include "res/Resources.h"

namespace dulm {
namespace {

constexpr int kSamples = 50000;
constexpr int kSampleSize = 100;
constexpr int kColumns = 940;  // the histogram frame of a 1000 x 700 canvas

std::map<int, double> g_runMs;
std::map<int, double> g_bareMs;

void CentralRun(benchmark::State& state) {
    const int shape = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Scenario s(res::IDR_CENTRAL);
        s.User().QueueDialog(DialogAnswer{
            false, {{1002, std::to_string(kSamples)}, {1001, std::to_string(kSampleSize)}, {1003, std::to_string(shape)}}});
        s.KeyAt(1, DigitKey(0));
        s.RunToQuiescence();
        if (s.Document<CCentDoc>().m_bFinished != 1) state.SkipWithError("the run did not finish");
    }
}

void BareSampling(benchmark::State& state) {
    const auto shape = ShapeFromIndex(static_cast<int>(state.range(0)));
    const float m = PopulationMean(shape);
    const float s = static_cast<float>(std::sqrt(PopulationVariance(shape) / kSampleSize));
    const float lo3 = m - 3 * s;
    const float dx = 6 * s / kColumns;
    const float lo = lo3 - dx / 2;
    for (auto _ : state) {
        PopulationSampler sampler;
        sampler.Start(shape);
        srand(0);
        std::vector<float> counts(kColumns + 1, 0.0f);
        for (int i = 0; i < kSamples; ++i) {
            const float mean = sampler.SumOfSample(kSampleSize) / kSampleSize;
            const int k = static_cast<int>((mean - lo) / dx);
            if (mean >= lo && k <= kColumns) counts[size_t(k)] += 1.0f;
        }
        benchmark::DoNotOptimize(counts.data());
    }
}

// Keeps each benchmark's time per iteration so that the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            // With repetitions only the medians count: the machine may be shared.
            const bool aggregate = run.run_type == Run::RT_Aggregate;
            if (aggregate ? run.aggregate_name != "median" : run.repetitions > 1) continue;
            const double ms = run.GetAdjustedRealTime();  // in the benchmarks' unit, milliseconds
            const std::string name = run.benchmark_name();  // "dulm::CentralRun/2/..."
            const int shape = std::atoi(name.substr(name.find('/') + 1).c_str());
            if (name.find("CentralRun") != std::string::npos) g_runMs[shape] = ms;
            else g_bareMs[shape] = ms;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace
}  // namespace dulm

BENCHMARK(dulm::CentralRun)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(5)->UseRealTime();
BENCHMARK(dulm::BareSampling)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(5)->UseRealTime();

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    dulm::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const char* names[] = {"Uniform", "V-shaped", "Triangular", "Normal"};
    std::printf("\nrun / bare sampling, 50000 samples of size 100 (target 1.5 or less):\n");
    for (const auto& [shape, run] : dulm::g_runMs) {
        const auto bare = dulm::g_bareMs.find(shape);
        if (bare == dulm::g_bareMs.end() || bare->second <= 0) continue;
        std::printf("  %-10s %8.2f ms / %8.2f ms = %.2f\n", names[shape], run, bare->second,
                    run / bare->second);
    }
    return 0;
}

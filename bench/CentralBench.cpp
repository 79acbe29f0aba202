// How much a Central Limit run of 50000 samples of size 100 without pauses costs beyond its
// sampling: (a) the whole run headless, with every bar drawn into the canvas, against (b) a tight
// reference loop that draws the same five million values with its own copy of the generator and
// the samplers' arithmetic written inline, takes the means and bins them into the run's columns
// until 50000 are binned, as the run does. Before timing, the reference's counts are checked
// against the histogram of a real run, column by column. The ratio (a)/(b) per shape should stay
// at 1.25 or less.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

#include "demos/central/CentView.h"
#include "harness/Scenario.h"
#include "plot/Population.h"
#include "res/Resources.h"

namespace dulm {
namespace {

constexpr int kSamples = 50000;
constexpr int kSampleSize = 100;
constexpr int kColumns = 940;     // the histogram frame of a 1000 x 700 canvas, 940 units wide
constexpr std::uint32_t kSeed = 0;  // a view opened at time 0 seeds its runs with 0

bool g_processCpu = false;  // --process_cpu
std::map<int, double> g_runMs;
std::map<int, double> g_referenceMs;

std::unique_ptr<Scenario> RunCentral(int shape) {
    auto s = std::make_unique<Scenario>(res::IDR_CENTRAL);
    s->User().QueueDialog(DialogAnswer{
        false, {{1002, std::to_string(kSamples)}, {1001, std::to_string(kSampleSize)}, {1003, std::to_string(shape)}}});
    s->KeyAt(1, DigitKey(0));
    s->RunToQuiescence();
    return s;
}

void CentralRun(benchmark::State& state) {
    const int shape = static_cast<int>(state.range(0));
    for (auto _ : state) {
        if (RunCentral(shape)->Document<CCentDoc>().m_bFinished != 1) state.SkipWithError("the run did not finish");
    }
}

// The run's columns: the mean axis m - 3s to m + 3s cut into kColumns, each value binned into
// the column whose centre is nearest, values beyond half a column outside dropped and not counted.
struct Columns {
    float lo, hi, dx;
};

Columns ColumnsOf(PopulationShape shape) {
    const float fN = static_cast<float>(kSampleSize);
    const auto stdErr = static_cast<float>(std::sqrt(PopulationVariance(shape) / fN));
    const MeanAxis a = MakeMeanAxis(PopulationMean(shape), stdErr);
    const float dx = (a.plus3 - a.minus3) / static_cast<float>(kColumns);
    return {a.minus3 - dx / 2.0f, a.plus3 + dx / 2.0f, dx};
}

// The generator's next value from the state x: bits 16 to 30 of x * 214013 + 2531011.
inline int Next(std::uint32_t& x) {
    x = x * 214013u + 2531011u;
    return static_cast<int>((x >> 16) & 0x7FFF);
}

// One observation of a shape other than Normal, in the samplers' precision.
template <PopulationShape S>
inline float Observation(std::uint32_t& x) {
    const int r = Next(x);
    if constexpr (S == PopulationShape::Uniform) {
        return (static_cast<float>(r) * 100.0f / 32767.0f - 50.0f) * 0.1f;
    } else if constexpr (S == PopulationShape::VShaped) {
        // sqrt(t - 25) from 25 on, -sqrt(25 - t) below: 25 - t is exactly -(t - 25).
        const double d = r * 50.0 / 32767.0 - 25.0;
        return static_cast<float>(std::copysign(std::sqrt(std::fabs(d)), d));
    } else {
        return static_cast<float>(std::sqrt(r * 100.0 / 32767.0) - 5.0);
    }
}

// The polar method's accepted pair: the first deviate as drawn, the second as cached.
struct Pair {
    float first;
    float second;
};

inline Pair PolarPair(std::uint32_t& x) {
    float u1, u2, s;
    do {
        u1 = static_cast<float>(2.0 * Next(x) / 32767.0 - 1.0);
        u2 = static_cast<float>(2.0 * Next(x) / 32767.0 - 1.0);
        s = u1 * u1 + u2 * u2;
    } while (s > 1.0f);
    const double f = std::sqrt(-2.0 * std::log(s) / s);
    return {static_cast<float>(u1 * f), static_cast<float>(u2 * f)};
}

template <PopulationShape S>
void ReferenceRun(const Columns& c, float* counts) {
    std::uint32_t x = kSeed;
    bool cached = false;  // Normal: the second deviate of the last pair, not yet used
    float cache = 0.0f;
    const float fN = static_cast<float>(kSampleSize);
    for (int binned = 0; binned < kSamples;) {
        float sum = 0.0f;
        if constexpr (S == PopulationShape::Normal) {
            int j = 0;
            if (cached) {
                sum += cache;
                cached = false;
                ++j;
            }
            for (; j + 1 < kSampleSize; j += 2) {
                const Pair p = PolarPair(x);
                sum += p.first;
                sum += p.second;
            }
            if (j < kSampleSize) {
                const Pair p = PolarPair(x);
                sum += p.first;
                cache = p.second;
                cached = true;
            }
        } else {
            for (int j = 0; j < kSampleSize; ++j) sum += Observation<S>(x);
        }
        const float mean = sum / fN;
        if (mean < c.lo || mean > c.hi) continue;
        const int k = static_cast<int>((mean - c.lo) / c.dx);
        if (k > kColumns) continue;
        counts[k] += 1.0f;
        ++binned;
    }
}

void Reference(PopulationShape shape, const Columns& c, float* counts) {
    switch (shape) {
    case PopulationShape::Uniform: return ReferenceRun<PopulationShape::Uniform>(c, counts);
    case PopulationShape::VShaped: return ReferenceRun<PopulationShape::VShaped>(c, counts);
    case PopulationShape::Triangular: return ReferenceRun<PopulationShape::Triangular>(c, counts);
    case PopulationShape::Normal: return ReferenceRun<PopulationShape::Normal>(c, counts);
    }
}

// The benchmark's thread may carry upper halves of vector registers left dirty by earlier code
// (new threads inherit them), and then every call into the vector-encoded logf waits for a state
// transition, ten times the cost of the Normal reference: it would measure that, not its sampling.
void ClearUpperVectorState() {
#if defined(__x86_64__)
    if (__builtin_cpu_supports("avx")) __asm__ volatile("vzeroupper");
#endif
}

void TightReference(benchmark::State& state) {
    const int index = static_cast<int>(state.range(0));
    const PopulationShape shape = ShapeFromIndex(index);
    const Columns c = ColumnsOf(shape);
    std::vector<float> counts(kColumns + 1, 0.0f);

    // The reference must bin exactly what a run bins.
    ClearUpperVectorState();
    Reference(shape, c, counts.data());
    const auto run = RunCentral(index);
    const HistogramBins& bins = run->Document<CCentDoc>().m_bins;
    if (bins.Records() != kColumns + 1) {
        state.SkipWithError("the run's histogram has another number of columns");
        return;
    }
    for (int k = 0; k <= kColumns; ++k) {
        if (bins[k].count != counts[size_t(k)]) {
            state.SkipWithError(("column " + std::to_string(k) + " differs from the run's").c_str());
            return;
        }
    }

    for (auto _ : state) {
        std::fill(counts.begin(), counts.end(), 0.0f);
        ClearUpperVectorState();
        Reference(shape, c, counts.data());
        benchmark::DoNotOptimize(counts.data());
        benchmark::ClobberMemory();
    }
}

// Keeps each benchmark's time per iteration so that the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            // With repetitions only the medians count: the machine may be shared.
            const bool aggregate = run.run_type == Run::RT_Aggregate;
            if (aggregate ? run.aggregate_name != "median" : run.repetitions > 1) continue;
            // In the benchmarks' unit, milliseconds; the CPU time is the process's with --process_cpu.
            const double ms = g_processCpu ? run.GetAdjustedCPUTime() : run.GetAdjustedRealTime();
            const std::string name = run.benchmark_name();  // "dulm::CentralRun/2/..."
            const int shape = std::atoi(name.substr(name.find('/') + 1).c_str());
            if (name.find("CentralRun") != std::string::npos) g_runMs[shape] = ms;
            else g_referenceMs[shape] = ms;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace
}  // namespace dulm

// Real time by default. On a busy machine --process_cpu measures the CPU time of all the
// process's threads instead (the run draws on the view's thread while the benchmark's waits).
int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--process_cpu") != 0) continue;
        dulm::g_processCpu = true;
        for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
        --argc;
        break;
    }
    for (auto [name, fn] :
         {std::pair{"dulm::CentralRun", &dulm::CentralRun}, std::pair{"dulm::TightReference", &dulm::TightReference}}) {
        auto* b = benchmark::RegisterBenchmark(name, fn);
        b->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(5);
        if (dulm::g_processCpu) b->MeasureProcessCPUTime();
        else b->UseRealTime();
    }

    benchmark::Initialize(&argc, argv);
    dulm::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const char* names[] = {"Uniform", "V-shaped", "Triangular", "Normal"};
    std::printf("\nrun / tight reference, 50000 samples of size 100, %s (target 1.25 or less):\n",
                dulm::g_processCpu ? "process CPU time" : "real time");
    for (const auto& [shape, run] : dulm::g_runMs) {
        const auto reference = dulm::g_referenceMs.find(shape);
        if (reference == dulm::g_referenceMs.end() || reference->second <= 0) continue;
        std::printf("  %-10s %8.2f ms / %8.2f ms = %.2f\n", names[shape], run, reference->second,
                    run / reference->second);
    }
    return 0;
}

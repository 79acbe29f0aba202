// The fixed cost of a demonstration window, headless: its document, its view's thread and its first
// paint up to the point where it waits for its user, then closing it. Correlation draws its
// scatterplot and every number at once; a declined Central Limit writes one sentence. The first
// window of a process also opens the fonts its texts need; that one is timed on its own before the
// benchmarks run.
#include <chrono>
#include <cstdio>

#include <benchmark/benchmark.h>

#include "harness/Scenario.h"
#include "res/Resources.h"

namespace dulm {
namespace {

void Open(unsigned templateId) {
    Scenario s(templateId);
    if (templateId == res::IDR_CENTRAL) s.User().QueueDialog(DialogAnswer{true, {}});
    s.RunToQuiescence();
    s.Close();
}

void OpenCorrelation(benchmark::State& state) {
    for (auto _ : state) Open(res::IDR_CORRELATION);
}

void OpenDeclinedCentral(benchmark::State& state) {
    for (auto _ : state) Open(res::IDR_CENTRAL);
}

}  // namespace
}  // namespace dulm

BENCHMARK(dulm::OpenCorrelation)->Unit(benchmark::kMicrosecond)->MinTime(0.5)->UseRealTime();
BENCHMARK(dulm::OpenDeclinedCentral)->Unit(benchmark::kMicrosecond)->MinTime(0.5)->UseRealTime();

int main(int argc, char** argv) {
    const auto start = std::chrono::steady_clock::now();
    dulm::Open(dulm::res::IDR_CORRELATION);
    const std::chrono::duration<double, std::milli> first = std::chrono::steady_clock::now() - start;
    std::printf("first window of the process, fonts opened: %.2f ms\n", first.count());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

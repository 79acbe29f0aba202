// What the two falling-ball boards cost headless: (a) a whole Binomial run of 256 balls with
// keypad 0 pressed at its start, so that its 3264 frames follow one another without a pause, and
// (b) a whole Binomial Spinner run of 8 balls and 24 spins on the virtual clock, with a key
// released every 2.5 virtual seconds to let each resting pointer go. Each should take a small
// fraction of a second.
#include <cstdlib>
#include <string>

#include <benchmark/benchmark.h>

#include "demos/binomial/QuinView.h"
#include "demos/spinner/SkinView.h"
#include "harness/Scenario.h"
#include "res/Resources.h"

namespace dulm {
namespace {

void BinomialRunAtKeypadZero(benchmark::State& state) {
    for (auto _ : state) {
        Scenario s(res::IDR_BINOMIAL);
        s.User().QueueDialog(DialogAnswer{false, {{1002, "0.5"}}});
        s.KeyAt(1, KeypadDigitKey(0));
        s.RunToQuiescence();
        if (s.Document<CQuinDoc>().m_bFinished != 1) state.SkipWithError("the run did not finish");
    }
}

void SpinnerRunWithScriptedKeys(benchmark::State& state) {
    const int choice = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Scenario s(res::IDR_SPINNER);
        s.User().QueueDialog(DialogAnswer{false, {{1003, std::to_string(choice)}}});
        for (int i = 1; i <= 60; ++i) s.KeyUpAt(2500 * i, *KeyByName("space"));
        s.RunToQuiescence();
        if (s.Document<CSkinDoc>().m_bFinished != 1) state.SkipWithError("the run did not finish");
        state.counters["virtual_s"] = static_cast<double>(s.NowMs()) / 1000.0;
    }
}

}  // namespace
}  // namespace dulm

BENCHMARK(dulm::BinomialRunAtKeypadZero)->Unit(benchmark::kMillisecond)->MinTime(0.5)->UseRealTime();
BENCHMARK(dulm::SpinnerRunWithScriptedKeys)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(0.5)->UseRealTime();

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

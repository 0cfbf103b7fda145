// The viewer's per-trace chain (read window with context, filter, AGC, amplify) over a frame of
// 1000 traces of 2000 samples, with the filter on and, as the reference, off.

#include "viewcore/tcsignal.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kTraces = 1000;
constexpr int kSamples = 2000;
constexpr double kDt = 0.002;

// Synthetic record: decaying tones with a little trace-to-trace variation.
std::vector<float> makeRecord() {
    std::vector<float> record(size_t(kTraces) * kSamples);
    for (int t = 0; t < kTraces; ++t)
        for (int i = 0; i < kSamples; ++i)
            record[size_t(t) * kSamples + size_t(i)] = float(
                std::sin(0.19 * i + 0.01 * t) * std::exp(-i * kDt / 1.5) + 0.3 * std::sin(1.7 * i));
    return record;
}

void runChain(benchmark::State& state, bool filter) {
    static const std::vector<float> record = makeRecord();
    TCSignal sig;
    sig.filtOn = filter;
    sig.halfLen = 50;
    sig.lowFreq = 10;
    sig.highFreq = 60;
    sig.mode = 2;
    sig.agcWindow = 100;
    // A frame of all samples: the widened window is clipped to the trace, as the viewer does.
    std::vector<float> buffer(kSamples), work(kSamples);
    for (auto _ : state) {
        if (sig.filtOn)
            sig.BuildBandPassFilter(kDt);
        for (int t = 0; t < kTraces; ++t) {
            const float* src = record.data() + size_t(t) * kSamples;
            float maxAbs = 0.0f;
            for (int i = 0; i < kSamples; ++i) {
                buffer[size_t(i)] = src[i];
                maxAbs = std::fmax(maxAbs, std::fabs(src[i]));
            }
            sig.ProcessTraceSegment(buffer.data(), kSamples, maxAbs, work.data());
            benchmark::DoNotOptimize(buffer.data());
        }
    }
    // Seconds per trace (printed with an SI prefix, u = microseconds).
    state.counters["per_trace"] =
        benchmark::Counter(double(kTraces), benchmark::Counter::kIsIterationInvariantRate |
                                                benchmark::Counter::kInvert);
}

void BM_ChainFilterOn(benchmark::State& state) {
    runChain(state, true);
}
void BM_ChainFilterOff(benchmark::State& state) {
    runChain(state, false);
}

} // namespace

BENCHMARK(BM_ChainFilterOn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChainFilterOff)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

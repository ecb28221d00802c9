// Speed of the three-band plug-ins through their library entry, as a host
// runs them: 48 kHz, blocks of 512, ten seconds of the benchmark signal,
// programs 0 and 11; and of their frame loop on each kind of lanes.
#include "ascarell3_parameters.h"
#include "benchmark_signal.h"
#include "multiband_frame_loop.h"
#include "plugin_signal_bench.h"
#include "threshold_law.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace fendwick {
namespace {

using plugin_bench::kRateHz;
using plugin_bench::processSignal;
using plugin_bench::timeBlocks;

// The frame loop alone, on the lanes given, every band compressed with an
// automatic release at the default program's crossover points.
template <int Channels>
void processFrameLoop(benchmark::State& state, FrameLanes lanes)
{
    if (!canRunFrameLanes(lanes)) {
        state.SkipWithError("this build or processor lacks these lanes");
        return;
    }
    MultibandBlockSettings settings{};
    ThreeBandCrossover crossover(Channels);
    crossover.setSampleRate(static_cast<float>(kRateHz));
    crossover.setCutoffs(0.314189f, 0.844594f);
    settings.outParam = 0.5f;
    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        BandSettings& s = settings.bands[b];
        s.threshold = thresholdAmplitude(0.2f);
        s.slope = ratioSlope(s.threshold, 0.6f);
        EnvelopeDetector d;
        d.setSampleRate(static_cast<float>(kRateHz));
        d.setAttack(0.2f);
        d.setRelease(0.5f);
        d.setKnee(0.1f);
        d.setReleaseMode(1.0f);
        settings.detectors[b][0] = settings.detectors[b][1] = d.coefficients();
    }
    MultibandLoopState loop{};
    timeBlocks(state, Channels, [&](float** ins, float** outs, int32_t frames) {
        runMultibandFrames<Channels, false>(lanes, settings, crossover, loop, ins, outs, frames);
    });
}

void processFrameLoopStereo(benchmark::State& state, FrameLanes lanes) { processFrameLoop<2>(state, lanes); }
void processFrameLoopMono(benchmark::State& state, FrameLanes lanes) { processFrameLoop<1>(state, lanes); }

BENCHMARK_CAPTURE(processSignal, ascarell3_program0, std::string("ascarell3"), 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processSignal, ascarell3_program11, std::string("ascarell3"), 11)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processSignal, ascarell3_mono_program0, std::string("ascarell3_mono"), 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processSignal, ascarell3_mono_program11, std::string("ascarell3_mono"), 11)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopStereo, scalar, FrameLanes::scalar)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopStereo, sse2, FrameLanes::sse2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopStereo, avx512, FrameLanes::avx512)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopMono, scalar, FrameLanes::scalar)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopMono, sse2, FrameLanes::sse2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopMono, avx512, FrameLanes::avx512)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fendwick

BENCHMARK_MAIN();

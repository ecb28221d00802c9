// Speed of the character plug-ins through their library entry, as a host
// runs them: 48 kHz, blocks of 512, ten seconds of the benchmark signal,
// programs 0 and 13; and of their frame loop on each kind of lanes.
#include "benchmark_signal.h"
#include "character_frame_loop.h"
#include "plugin_signal_bench.h"
#include "ratio_slope.h"
#include "threshold_law.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace fendwick {
namespace {

using plugin_bench::kRateHz;
using plugin_bench::processSignal;
using plugin_bench::timeBlocks;

void ignoreMeter(void*, int32_t, float) {}

// The frame loop alone, on the lanes given, with every stage running: low
// cut, enhancer, linked compression with Reduction, the Hot curve and the
// linked limiter.
template <int Channels>
void processFrameLoop(benchmark::State& state, FrameLanes lanes)
{
    if (!canRunFrameLanes(lanes)) {
        state.SkipWithError("this build or processor lacks these lanes");
        return;
    }
    CharacterBlockSettings settings{};
    settings.threshold = thresholdAmplitude(0.2f);
    settings.slope = ratioSlope(settings.threshold, 0.6f);
    settings.linked = settings.loCut = settings.enhancer = settings.softened = settings.limiter = true;
    settings.curve = characterCurveFor(0.5f, 0.0f);
    settings.stereoEnhancer.setAmount(0.7f);
    settings.outputGain = 1.2f;
    settings.ceiling = 0.9f;
    settings.meterInterval = meterIntervalFor(static_cast<float>(kRateHz));
    CharacterChannel channels[2];
    for (CharacterChannel& c : channels) {
        c.setSampleRate(static_cast<float>(kRateHz));
        c.level.setAttack(0.2f);
        c.level.setRelease(0.5f);
    }
    CharacterMeters meters(Channels == 2 ? CharacterChannels::stereo : CharacterChannels::mono, 15);
    CharacterGateState gate{0, 0};
    MeterPublisher publish{&ignoreMeter, nullptr};
    timeBlocks(state, Channels, [&](float** ins, float** outs, int32_t frames) {
        runCharacterFrames<Channels, false>(lanes, settings, channels, meters, gate, publish, ins, outs, frames);
    });
}

void processFrameLoopStereo(benchmark::State& state, FrameLanes lanes) { processFrameLoop<2>(state, lanes); }
void processFrameLoopMono(benchmark::State& state, FrameLanes lanes) { processFrameLoop<1>(state, lanes); }

BENCHMARK_CAPTURE(processSignal, tolverin_program0, std::string("tolverin"), 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processSignal, tolverin_program13, std::string("tolverin"), 13)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processSignal, tolverin_mono_program0, std::string("tolverin_mono"), 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processSignal, tolverin_mono_program13, std::string("tolverin_mono"), 13)
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

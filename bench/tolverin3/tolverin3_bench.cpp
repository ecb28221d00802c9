// Speed of the three-band character compressor: its frame loop on each kind
// of lanes and the effect through its replacing process, 48 kHz, blocks of
// 512, ten seconds of the benchmark signal, programs 0 and 9.
#include "multiband_character_compressor.h"
#include "multiband_character_frame_loop.h"
#include "plugin_signal_bench.h"
#include "ratio_slope.h"
#include "threshold_law.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace fendwick {
namespace {

using plugin_bench::kBlock;
using plugin_bench::kRateHz;
using plugin_bench::timeBlocks;

intptr_t hostCallback(EffectRecord*, int32_t, int32_t, intptr_t, void*, float) { return 0; }

void ignoreMeter(void*, int32_t, float) {}

// The frame loop alone, on the lanes given, with every stage running: low
// cut, every band compressed with automatic release, the Type curve on the
// Hi and Lo bands, the Hot SonicFilter and the limiter.
void processFrameLoop(benchmark::State& state, FrameLanes lanes)
{
    if (!canRunFrameLanes(lanes)) {
        state.SkipWithError("this build or processor lacks these lanes");
        return;
    }
    MultibandCharacterState chain;
    chain.setSampleRate(static_cast<float>(kRateHz));
    chain.crossover.setCutoffs(0.314189f, 0.844594f);
    chain.loCut.setSwitch(1.0f);
    chain.sonicFilter.setCurve(0.5f);
    chain.output.setLimiter(1.0f);
    chain.output.setOutLevel(0.6f);
    chain.output.setCeiling(0.9f);
    MultibandCharacterBlockSettings settings{};
    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        CharacterBandSettings& s = settings.bands[b];
        s.threshold = thresholdAmplitude(0.2f);
        s.slope = ratioSlope(s.threshold, 0.6f);
        s.type = b == 1 ? 1.0f : 0.0f;
        chain.detectors[b].setAttack(0.2f);
        chain.detectors[b].setRelease(0.5f);
    }
    settings.meterInterval = meterIntervalFor(static_cast<float>(kRateHz));
    MeterPublisher publish{&ignoreMeter, nullptr};
    timeBlocks(state, 1, [&](float** ins, float** outs, int32_t frames) {
        runMultibandCharacterFrames<false>(lanes, settings, chain, publish, ins[0], outs[0], frames);
    });
}

// The effect class through its replacing process, on the fastest lanes.
void processEffect(benchmark::State& state, int32_t program)
{
    MultibandCharacterCompressor effect(&hostCallback);
    effect.setSampleRate(static_cast<float>(kRateHz));
    effect.setBlockSize(kBlock);
    effect.setProgram(program);
    effect.resume();
    timeBlocks(state, 1, [&](float** ins, float** outs, int32_t frames) { effect.processReplace(ins, outs, frames); });
}

BENCHMARK_CAPTURE(processEffect, program0, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processEffect, program9, 9)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoop, scalar, FrameLanes::scalar)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoop, sse2, FrameLanes::sse2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoop, avx512, FrameLanes::avx512)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fendwick

BENCHMARK_MAIN();

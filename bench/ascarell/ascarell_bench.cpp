// Speed of the single-band plug-ins through their library entry, as a host
// runs them: 48 kHz, blocks of 512, ten seconds of the benchmark signal; and
// of their frame loop on each kind of lanes: scalar, SSE2 and AVX-512, also
// with a denormal channel beside a loud one.
#include "ascarell_compressor.h"
#include "ascarell_frame_loop.h"
#include "benchmark_signal.h"
#include "plugin_signal_bench.h"
#include "hosted_plugin.h"
#include "plugin_library.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace fendwick {
namespace {

using plugin_bench::kRateHz;
using plugin_bench::kSeconds;
using plugin_bench::pluginPath;
using plugin_bench::processSignal;
using plugin_bench::timeBlocks;

// What the last channel of the frame loop's input carries.
enum class LastChannel { loud, denormal, smallestNormals };

// The benchmark signal; otherwise the last channel holds samples of both
// signs and random mantissas instead, denormal (as a filter decaying
// upstream leaves them) or in the lowest binade of the normals, while the
// first stays loud.
AudioBuffer frameLoopInput(int channels, LastChannel last)
{
    AudioBuffer input = makeBenchmarkSignal(kRateHz, kSeconds, channels);
    if (last != LastChannel::loud) {
        const uint32_t exponent = last == LastChannel::denormal ? 0u : 0x00800000u;
        std::mt19937 random(7);
        std::uniform_int_distribution<uint32_t> mantissa(1, 0x7fffff);
        float* samples = input.channel(channels - 1);
        for (size_t i = 0; i < input.frames(); ++i) {
            const uint32_t bits = exponent | mantissa(random) | static_cast<uint32_t>(i & 1u) << 31;
            std::memcpy(&samples[i], &bits, sizeof bits);
        }
    }
    return input;
}

// The frame loop alone, on the lanes given, with the program's settings:
// the plug-ins take the fastest lanes; this shows the others too.
template <int Channels>
void processFrameLoop(benchmark::State& state, FrameLanes lanes, int32_t program,
                      LastChannel last = LastChannel::loud)
{
    if (!canRunFrameLanes(lanes)) {
        state.SkipWithError("this build or processor lacks these lanes");
        return;
    }
    AscarellCompressor compressor(nullptr, Channels == 2 ? AscarellChannels::stereo : AscarellChannels::mono);
    compressor.setSampleRate(static_cast<float>(kRateHz));
    compressor.setProgram(program);
    const EnvelopeDetector::Coefficients coefficients[2] = {compressor.detector(0).coefficients(),
                                                            compressor.detector(Channels - 1).coefficients()};
    const AscarellBlockSettings settings{compressor.getParameter(AscarellParam::input),
                                         compressor.getParameter(AscarellParam::outLevel),
                                         compressor.thresholdLinear(), compressor.gainBlendValue()};
    AscarellLoopState loop{{}, 0, 0};
    timeBlocks(state, frameLoopInput(Channels, last), [&](float** ins, float** outs, int32_t frames) {
        runAscarellFrames<Channels, false>(lanes, coefficients, settings, loop, ins, outs, frames);
    });
}

void processFrameLoopStereo(benchmark::State& state, FrameLanes lanes, int32_t program)
{
    processFrameLoop<2>(state, lanes, program);
}

// Loud stereo beside stereo whose right channel is denormal or just above,
// on program 9 ("Drum"): the denormals must cost little more than loud
// input.
void processFrameLoopStereoEdges(benchmark::State& state, FrameLanes lanes, LastChannel right)
{
    processFrameLoop<2>(state, lanes, 9, right);
}

void processFrameLoopMono(benchmark::State& state, FrameLanes lanes, int32_t program)
{
    processFrameLoop<1>(state, lanes, program);
}

void createInstance(benchmark::State& state, const std::string& name)
{
    PluginLibrary library(pluginPath(name));
    for (auto _ : state) {
        auto plugin = std::make_unique<HostedPlugin>(library);
        benchmark::DoNotOptimize(plugin.get());
        state.PauseTiming();
        plugin.reset();
        state.ResumeTiming();
    }
}

BENCHMARK_CAPTURE(processSignal, ascarell_program0, std::string("ascarell"), 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processSignal, ascarell_program8, std::string("ascarell"), 8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processSignal, ascarell_mono_program0, std::string("ascarell_mono"), 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processSignal, ascarell_mono_program8, std::string("ascarell_mono"), 8)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopStereo, scalar_program0, FrameLanes::scalar, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopStereo, sse2_program0, FrameLanes::sse2, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopStereo, avx512_program0, FrameLanes::avx512, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopMono, scalar_program0, FrameLanes::scalar, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopMono, sse2_program0, FrameLanes::sse2, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopMono, avx512_program0, FrameLanes::avx512, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopStereoEdges, scalar_loud, FrameLanes::scalar, LastChannel::loud)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopStereoEdges, scalar_right_denormal, FrameLanes::scalar, LastChannel::denormal)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopStereoEdges, scalar_right_smallest_normals, FrameLanes::scalar,
                  LastChannel::smallestNormals)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopStereoEdges, sse2_loud, FrameLanes::sse2, LastChannel::loud)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopStereoEdges, sse2_right_denormal, FrameLanes::sse2, LastChannel::denormal)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopStereoEdges, sse2_right_smallest_normals, FrameLanes::sse2,
                  LastChannel::smallestNormals)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopStereoEdges, avx512_loud, FrameLanes::avx512, LastChannel::loud)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopStereoEdges, avx512_right_denormal, FrameLanes::avx512, LastChannel::denormal)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(processFrameLoopStereoEdges, avx512_right_smallest_normals, FrameLanes::avx512,
                  LastChannel::smallestNormals)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(createInstance, ascarell, std::string("ascarell"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(createInstance, ascarell_mono, std::string("ascarell_mono"))->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fendwick

BENCHMARK_MAIN();

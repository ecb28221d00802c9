// The speed of a plug-in library's replacing process as a host runs it:
// 48 kHz, blocks of 512, ten seconds of the benchmark signal, one program.
#pragma once

#include "benchmark_signal.h"
#include "hosted_plugin.h"
#include "plugin_library.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace fendwick {
namespace plugin_bench {

constexpr double kRateHz = 48000.0;
constexpr int32_t kBlock = 512;
constexpr double kSeconds = 10.0;

inline std::string pluginPath(const std::string& name)
{
    return std::string(FENDWICK_BENCH_PLUGIN_DIR) + "/" + name + ".so";
}

// Seconds of processing per frame, printed with its SI prefix ("4.2ns").
inline void reportPerFrame(benchmark::State& state, size_t frames)
{
    state.counters["per_frame"] = benchmark::Counter(static_cast<double>(frames) *
                                                         static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Times runBlock(inputs, outputs, frames) over `input`, block after block
// as a host calls it.
template <class RunBlock>
void timeBlocks(benchmark::State& state, const AudioBuffer& input, RunBlock runBlock)
{
    const int channels = input.channels();
    AudioBuffer output(channels, input.frames());
    std::vector<float*> ins(static_cast<size_t>(channels));
    std::vector<float*> outs(static_cast<size_t>(channels));
    for (auto _ : state) {
        for (size_t start = 0; start < input.frames(); start += kBlock) {
            const auto frames = static_cast<int32_t>(std::min<size_t>(kBlock, input.frames() - start));
            for (int c = 0; c < channels; ++c) {
                ins[static_cast<size_t>(c)] = const_cast<float*>(input.channel(c)) + start;
                outs[static_cast<size_t>(c)] = output.channel(c) + start;
            }
            runBlock(ins.data(), outs.data(), frames);
        }
        benchmark::DoNotOptimize(output.channel(0));
        benchmark::ClobberMemory();
    }
    reportPerFrame(state, input.frames());
}

// The same over ten seconds of the benchmark signal in `channels` channels.
template <class RunBlock>
void timeBlocks(benchmark::State& state, int channels, RunBlock runBlock)
{
    timeBlocks(state, makeBenchmarkSignal(kRateHz, kSeconds, channels), runBlock);
}

inline void processSignal(benchmark::State& state, const std::string& name, int32_t program)
{
    PluginLibrary library(pluginPath(name));
    HostedPlugin plugin(library);
    plugin.prepare(static_cast<float>(kRateHz), kBlock);
    plugin.setProgram(program);
    timeBlocks(state, plugin.numInputs(),
               [&](float** ins, float** outs, int32_t frames) { plugin.processReplacing(ins, outs, frames); });
}

}  // namespace plugin_bench
}  // namespace fendwick

// What `fendwick bench` adds to the plug-in's own processing time: the tool's
// timed pass against the barest host loop, on the same instance and signal.
#include "bench_runner.h"
#include "benchmark_signal.h"
#include "loaded_plugin.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <unistd.h>

namespace fendwick {
namespace {

constexpr double kSampleRateHz = 44100.0;
constexpr int kBlockSize = 512;
constexpr double kSeconds = 2.0;

// Ours when built, else the Debian peer.
std::string measuredPlugin()
{
    const std::string ours = std::string(BUILD_PLUGIN_DIR) + "/ascarell.so";
    return access(ours.c_str(), R_OK) == 0 ? ours : "/usr/lib/vst/ZamCompX2-vst.so";
}

struct Setup {
    LoadedPlugin loaded{measuredPlugin()};
    AudioBuffer signal;
    AudioBuffer blockOutput;
    std::vector<float*> inputs;
    std::vector<float*> outputs;

    Setup()
    {
        HostedPlugin& plugin = loaded.plugin();
        plugin.prepare(static_cast<float>(kSampleRateHz), kBlockSize);
        signal = makeBenchmarkSignal(kSampleRateHz, kSeconds, plugin.numInputs());
        blockOutput = AudioBuffer(plugin.numOutputs(), kBlockSize);
        inputs.resize(static_cast<size_t>(plugin.numInputs()));
        for (int c = 0; c < plugin.numOutputs(); ++c) {
            outputs.push_back(blockOutput.channel(c));
        }
    }
};

Setup& setup()
{
    static Setup shared;
    return shared;
}

// The least a host can do: pointers moved, entry called, nothing else.
void bareLoop(Setup& s)
{
    EffectRecord& effect = s.loaded.plugin().record();
    const size_t frames = s.signal.frames();
    for (size_t offset = 0; offset < frames; offset += kBlockSize) {
        for (size_t c = 0; c < s.inputs.size(); ++c) {
            s.inputs[c] = s.signal.channel(static_cast<int>(c)) + offset;
        }
        effect.processReplacing(&effect, s.inputs.data(), s.outputs.data(),
                                static_cast<int32_t>(std::min<size_t>(kBlockSize, frames - offset)));
    }
}

void BM_BareHostLoop(benchmark::State& state)
{
    Setup& s = setup();
    for (auto _ : state) {
        bareLoop(s);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(s.signal.frames()));
    state.SetLabel(s.loaded.plugin().effectName());
}
BENCHMARK(BM_BareHostLoop)->Unit(benchmark::kMillisecond);

void BM_ToolBenchPass(benchmark::State& state)
{
    Setup& s = setup();
    for (auto _ : state) {
        benchmark::DoNotOptimize(timeReplacingPass(s.loaded.plugin().record(), s.signal, s.blockOutput, kBlockSize));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(s.signal.frames()));
    state.SetLabel(s.loaded.plugin().effectName());
}
BENCHMARK(BM_ToolBenchPass)->Unit(benchmark::kMillisecond);

// Both in turn inside each iteration, so drift hits them alike; the counter
// is the tool's pass over the bare loop, in percent above 100.
void BM_ToolBenchOverhead(benchmark::State& state)
{
    Setup& s = setup();
    using Clock = std::chrono::steady_clock;
    double bareNs = 0.0;
    double toolNs = 0.0;
    for (auto _ : state) {
        const auto start = Clock::now();
        bareLoop(s);
        bareNs += std::chrono::duration<double, std::nano>(Clock::now() - start).count();
        const auto toolStart = Clock::now();
        benchmark::DoNotOptimize(timeReplacingPass(s.loaded.plugin().record(), s.signal, s.blockOutput, kBlockSize));
        toolNs += std::chrono::duration<double, std::nano>(Clock::now() - toolStart).count();
    }
    state.counters["overhead_pct"] = 100.0 * (toolNs - bareNs) / bareNs;
    state.counters["bare_ns_per_frame"] =
        bareNs / static_cast<double>(state.iterations()) / static_cast<double>(s.signal.frames());
    state.SetLabel(s.loaded.plugin().effectName());
}
BENCHMARK(BM_ToolBenchOverhead)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
}  // namespace fendwick

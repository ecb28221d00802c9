// Interleaved timing of plug-ins.
#include "bench_runner.h"

#include "plugin_settings.h"

#include "benchmark_signal.h"
#include "hosted_plugin.h"
#include "hosting_error.h"
#include "plugin_library.h"
#include "plugin_locator.h"

#include <algorithm>
#include <chrono>
#include <memory>

namespace fendwick {
namespace {

using Clock = std::chrono::steady_clock;

// Blocks processed before each timed pass, so that the pass starts warm.
constexpr int kWarmUpBlocks = 16;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : 0.5 * (values[middle - 1] + values[middle]);
}

struct Contestant {
    std::unique_ptr<PluginLibrary> library;
    std::string label;
    int program = -1;  // none chosen
    int outputs = 0;
    std::vector<double> passNs;
    std::vector<double> creationNs;
};

void warmUp(EffectRecord& effect, AudioBuffer& input, AudioBuffer& blockOutput, int blockSize)
{
    std::vector<float*> inputs(static_cast<size_t>(std::max(input.channels(), 1)));
    std::vector<float*> outputs(static_cast<size_t>(std::max(blockOutput.channels(), 1)));
    for (int c = 0; c < blockOutput.channels(); ++c) {
        outputs[static_cast<size_t>(c)] = blockOutput.channel(c);
    }
    const auto block = static_cast<size_t>(blockSize);
    for (int b = 0; b < kWarmUpBlocks && (static_cast<size_t>(b) + 1) * block <= input.frames(); ++b) {
        for (int c = 0; c < input.channels(); ++c) {
            inputs[static_cast<size_t>(c)] = input.channel(c) + static_cast<size_t>(b) * block;
        }
        effect.processReplacing(&effect, inputs.data(), outputs.data(), blockSize);
    }
}

}  // namespace

double timeReplacingPass(EffectRecord& effect, AudioBuffer& input, AudioBuffer& blockOutput, int blockSize)
{
    const ProcessEntry process = effect.processReplacing;
    const int channels = std::min(effect.numInputs, input.channels());
    std::vector<float*> inputs(static_cast<size_t>(std::max(effect.numInputs, 1)), nullptr);
    std::vector<float*> outputs(static_cast<size_t>(std::max(blockOutput.channels(), 1)), nullptr);
    for (int c = 0; c < blockOutput.channels(); ++c) {
        outputs[static_cast<size_t>(c)] = blockOutput.channel(c);
    }
    const size_t frames = input.frames();
    const auto block = static_cast<size_t>(blockSize);
    const auto start = Clock::now();
    for (size_t offset = 0; offset < frames; offset += block) {
        for (int c = 0; c < channels; ++c) {
            inputs[static_cast<size_t>(c)] = input.channel(c) + offset;
        }
        process(&effect, inputs.data(), outputs.data(), static_cast<int32_t>(std::min(block, frames - offset)));
    }
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

std::vector<BenchResult> runBench(const std::vector<BenchEntry>& entries, size_t baselineIndex,
                                  const BenchSettings& settings)
{
    std::vector<Contestant> contestants;
    int channels = 1;
    for (const BenchEntry& entry : entries) {
        Contestant contestant;
        contestant.library = std::make_unique<PluginLibrary>(entry.path);
        HostedPlugin probe(*contestant.library);
        if (!probe.canReplace()) {
            throw HostingError(entry.path + ": the plug-in has no replacing process to time");
        }
        const std::string name = probe.effectName();
        contestant.label = name.empty() ? pluginNameOfPath(entry.path) : name;
        if (!entry.program.empty()) {
            contestant.program = findProgram(probe, entry.program);
            contestant.label += " @" + std::to_string(contestant.program);
        }
        contestant.outputs = probe.numOutputs();
        channels = std::max(channels, probe.numInputs());
        contestants.push_back(std::move(contestant));
    }

    AudioBuffer signal = makeBenchmarkSignal(settings.sampleRateHz, settings.seconds, channels);
    if (settings.silence) {
        signal = AudioBuffer(channels, signal.frames());
    }
    const auto frames = static_cast<double>(signal.frames());
    for (int round = 0; round < settings.rounds; ++round) {
        for (size_t turn = 0; turn < contestants.size(); ++turn) {
            Contestant& contestant = contestants[(turn + static_cast<size_t>(round)) % contestants.size()];
            const auto created = Clock::now();
            HostedPlugin plugin(*contestant.library);
            contestant.creationNs.push_back(std::chrono::duration<double, std::nano>(Clock::now() - created).count());
            plugin.prepare(static_cast<float>(settings.sampleRateHz), settings.blockSize);
            if (contestant.program >= 0) {
                plugin.setProgram(contestant.program);
            }
            AudioBuffer blockOutput(contestant.outputs, static_cast<size_t>(settings.blockSize));
            warmUp(plugin.record(), signal, blockOutput, settings.blockSize);
            contestant.passNs.push_back(timeReplacingPass(plugin.record(), signal, blockOutput, settings.blockSize));
        }
    }

    std::vector<BenchResult> results;
    for (size_t i = 0; i < contestants.size(); ++i) {
        const Contestant& contestant = contestants[i];
        BenchResult result;
        result.label = contestant.label;
        result.path = entries[i].path;
        const double pass = median(contestant.passNs);
        const auto [fastest, slowest] = std::minmax_element(contestant.passNs.begin(), contestant.passNs.end());
        result.nsPerFrame = pass / frames;
        result.spreadPercent = pass > 0.0 ? 100.0 * (*slowest - *fastest) / pass : 0.0;
        result.realtimeFactor = pass > 0.0 ? frames / settings.sampleRateHz * 1e9 / pass : 0.0;
        result.creationMs = median(contestant.creationNs) / 1e6;
        results.push_back(result);
    }
    for (BenchResult& result : results) {
        const double baseline = results[baselineIndex].nsPerFrame;
        result.ratioToBaseline = baseline > 0.0 ? result.nsPerFrame / baseline : 0.0;
    }
    return results;
}

}  // namespace fendwick

// The soak's block loop: signal, automation, program changes, timing and the output watched.
#include "soak_run.h"

#include "hosted_plugin.h"
#include "limiter_ceiling.h"
#include "plugin_library.h"
#include "plugin_locator.h"
#include "soak_signal.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace fendwick {
namespace {

constexpr double kShortestProgramSeconds = 2.0;
constexpr double kLongestProgramSeconds = 8.0;

// What one block put out, the pieces a report adds up.
struct BlockOutput {
    float peak = 0.0f;
    uint64_t nonFinite = 0;
    std::optional<size_t> firstNonFinite;
};

BlockOutput look(const std::vector<std::vector<float>>& outputs, size_t frames)
{
    BlockOutput seen;
    for (const std::vector<float>& channel : outputs) {
        for (size_t i = 0; i < frames; ++i) {
            if (!std::isfinite(channel[i])) {
                ++seen.nonFinite;
                seen.firstNonFinite = std::min(seen.firstNonFinite.value_or(i), i);
            } else {
                seen.peak = std::max(seen.peak, std::fabs(channel[i]));
            }
        }
    }
    return seen;
}

class ProgramChanges {
public:
    ProgramChanges(double rateHz, std::mt19937& random) : rateHz_(rateHz), random_(random) { schedule(0); }

    // Selects a random program when the block starting at `frame` reaches the next change.
    bool due(HostedPlugin& plugin, size_t frame)
    {
        if (frame < nextFrame_ || plugin.numPrograms() == 0) {
            return false;
        }
        plugin.setProgram(std::uniform_int_distribution<int32_t>(0, plugin.numPrograms() - 1)(random_));
        schedule(frame);
        return true;
    }

private:
    void schedule(size_t frame)
    {
        const double seconds =
            std::uniform_real_distribution<double>(kShortestProgramSeconds, kLongestProgramSeconds)(random_);
        nextFrame_ = frame + static_cast<size_t>(seconds * rateHz_);
    }

    double rateHz_;
    std::mt19937& random_;
    size_t nextFrame_ = 0;
};

}  // namespace

SoakReport runSoak(const std::string& pluginPath, const SoakSettings& settings, const SoakProgress& progress)
{
    const PluginLibrary library(pluginPath);
    HostedPlugin plugin(library);
    plugin.prepare(static_cast<float>(settings.rateHz), settings.blockFrames);
    std::mt19937 random(settings.start);
    SoakSignal signal(settings.rateHz, plugin.numInputs(), random);
    ProgramChanges programs(settings.rateHz, random);
    const LimiterCeiling ceiling(plugin);

    const auto block = static_cast<size_t>(settings.blockFrames);
    std::vector<std::vector<float>> inputs(static_cast<size_t>(std::max(plugin.numInputs(), 1)),
                                           std::vector<float>(block));
    std::vector<std::vector<float>> outputs(static_cast<size_t>(std::max(plugin.numOutputs(), 1)),
                                            std::vector<float>(block));
    std::vector<float*> inputPointers;
    std::vector<float*> outputPointers;
    for (auto& channel : inputs) {
        inputPointers.push_back(channel.data());
    }
    for (auto& channel : outputs) {
        outputPointers.push_back(channel.data());
    }

    const auto framesPerMinute = static_cast<size_t>(settings.rateHz * 60.0);
    const auto total = static_cast<size_t>(settings.rateHz * 60.0 * settings.minutes);
    MinuteTiming timing(framesPerMinute);
    SoakReport report;
    report.plugin = pluginNameOfPath(pluginPath);
    report.channels = plugin.numOutputs();
    report.ceilingKnown = ceiling.known();
    std::uniform_real_distribution<float> anyValue(0.0f, 1.0f);
    for (size_t frame = 0; frame < total; frame += block) {
        const size_t frames = std::min(block, total - frame);
        signal.fill(inputPointers, frames);
        report.programChanges += programs.due(plugin, frame) ? 1 : 0;
        if (plugin.numParameters() > 0) {
            const int32_t index = std::uniform_int_distribution<int32_t>(0, plugin.numParameters() - 1)(random);
            plugin.setParameter(index, anyValue(random));
        }
        const std::optional<float> bound = ceiling.bound(plugin);

        const auto before = std::chrono::steady_clock::now();
        plugin.processReplacing(inputPointers.data(), outputPointers.data(), static_cast<int32_t>(frames));
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - before;
        timing.add(frame, took.count());
        report.processSeconds += took.count();

        const BlockOutput seen = look(outputs, frames);
        if (seen.firstNonFinite && !report.firstNonFiniteFrame) {
            report.firstNonFiniteFrame = frame + *seen.firstNonFinite;
        }
        report.nonFinite += seen.nonFinite;
        report.peak = std::max(report.peak, seen.peak);
        if (bound) {
            ++report.limitedBlocks;
            if (seen.peak > *bound) {
                ++report.blocksOverCeiling;
                report.worstOverCeiling = std::max(report.worstOverCeiling, seen.peak - *bound);
            }
        }
        const size_t done = frame + frames;
        if (progress && (done / framesPerMinute != frame / framesPerMinute || done == total)) {
            progress(done, total);
        }
    }
    report.frames = total;
    report.audioSeconds = static_cast<double>(total) / settings.rateHz;
    report.timing = timing.summary();
    return report;
}

}  // namespace fendwick

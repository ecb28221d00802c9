// Many instances at once and many loads of the library, as a large session and a long host life bring.
#include "block_buffers.h"
#include "check_groups.h"
#include "checked_instance.h"
#include "signal_checks.h"

#include <algorithm>
#include <random>

namespace fendwick {
namespace {

constexpr int kInstances = 200;
constexpr int kQuickInstances = 40;
constexpr int kReloads = 50;
constexpr int kQuickReloads = 10;
constexpr int kBlocksEach = 4;
// Fixed, so that a failure comes back the same way.
constexpr uint32_t kClosingOrderStart = 20240611;

// Where `actual` first differs from `expected`, as text; empty when the same.
std::string blockDifference(const BlockBuffers& expected, const BlockBuffers& actual, int channels)
{
    for (int c = 0; c < channels; ++c) {
        const auto mismatch = std::mismatch(expected.output(c).begin(), expected.output(c).end(),
                                            actual.output(c).begin());
        if (mismatch.first != expected.output(c).end()) {
            return "channel " + std::to_string(c + 1) + " frame " +
                   std::to_string(mismatch.first - expected.output(c).begin()) + " is " +
                   exactText(*mismatch.second) + " where one instance alone gives " + exactText(*mismatch.first);
        }
    }
    return {};
}

void checkManyInstances(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    const int count = settings.quick ? kQuickInstances : kInstances;
    findings.attempt("creating " + std::to_string(count) + " instances");
    std::vector<std::unique_ptr<HostedPlugin>> instances;
    for (int i = 0; i < count; ++i) {
        instances.push_back(library.prepared());
    }
    const int32_t programs = std::max(instances.front()->numPrograms(), 1);
    // One lone instance per program, each the reference of the instances
    // that run the same program among all the others.
    std::vector<std::unique_ptr<HostedPlugin>> alone;
    for (int32_t program = 0; program < programs; ++program) {
        alone.push_back(library.prepared());
        alone.back()->setProgram(program);
    }
    for (int i = 0; i < count; ++i) {
        instances[static_cast<size_t>(i)]->setProgram(i % programs);
    }
    findings.attempt("processing in " + std::to_string(count) + " instances in turn");
    const int channels = instances.front()->numOutputs();
    BlockBuffers expected(*instances.front(), kCheckBlockSize);
    BlockBuffers block(*instances.front(), kCheckBlockSize);
    // Block by block across all instances, so that anything one instance
    // leaves in a place they share reaches the next.
    std::vector<bool> differs(static_cast<size_t>(count), false);
    for (int number = 0; number < kBlocksEach; ++number) {
        for (int32_t program = 0; program < programs; ++program) {
            const uint32_t noiseStart = static_cast<uint32_t>(number + 1);
            expected.fill(0.8f, noiseStart);
            expected.process(*alone[static_cast<size_t>(program)]);
            for (int i = program; i < count; i += programs) {
                block.fill(0.8f, noiseStart);
                block.process(*instances[static_cast<size_t>(i)]);
                const std::string difference = blockDifference(expected, block, channels);
                if (!difference.empty() && !differs[static_cast<size_t>(i)]) {
                    differs[static_cast<size_t>(i)] = true;
                    findings.fail("instance " + std::to_string(i + 1) + " of " + std::to_string(count) +
                                  " on program " + std::to_string(program) + ", block " +
                                  std::to_string(number + 1) + ": " + difference);
                }
            }
        }
    }
    findings.attempt("closing " + std::to_string(count) + " instances in a shuffled order");
    std::shuffle(instances.begin(), instances.end(), std::mt19937(kClosingOrderStart));
    instances.clear();
}

// One load of the library: an instance processes a few blocks and goes,
// then the library goes.
std::vector<float> oneLifetime(const CheckSettings& settings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = library.prepared();
    BlockBuffers block(*plugin, kCheckBlockSize);
    std::vector<float> output;
    for (int number = 0; number < kBlocksEach; ++number) {
        block.fill(0.8f, static_cast<uint32_t>(number + 1));
        block.process(*plugin);
        for (int c = 0; c < plugin->numOutputs(); ++c) {
            output.insert(output.end(), block.output(c).begin(), block.output(c).end());
        }
    }
    return output;
}

void checkReloads(const CheckSettings& settings, Findings& findings)
{
    const int reloads = settings.quick ? kQuickReloads : kReloads;
    findings.attempt("loading, using and unloading the library, round 1");
    const std::vector<float> first = oneLifetime(settings);
    for (int round = 2; round <= reloads; ++round) {
        findings.attempt("loading, using and unloading the library, round " + std::to_string(round));
        if (oneLifetime(settings) != first) {
            findings.fail("after " + std::to_string(round - 1) +
                          " loads and unloads, a fresh instance sounds different from the first load's");
            return;
        }
    }
}

}  // namespace

std::vector<Check> scaleChecks()
{
    return {{"scale.instances",
             "200 instances at once on every program each sound as one alone does, and close in any order",
             checkManyInstances},
            {"scale.reloads", "the library loads, works and unloads 50 times, sounding the same each time",
             checkReloads}};
}

}  // namespace fendwick

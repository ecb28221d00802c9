// Nothing on the audio thread may allocate, lock or wait: the plug-in's calls are watched while it processes.
#include "block_buffers.h"
#include "check_groups.h"
#include "checked_instance.h"
#include "import_watch.h"
#include "signal_checks.h"

#include <iterator>

namespace fendwick {
namespace {

// Blocks before the watch starts: a plug-in may set itself up in its first calls.
constexpr int kWarmUpBlocks = 4;
constexpr int kWatchedBlocks = 400;
constexpr int kQuickWatchedBlocks = 60;
// Blocks at each input level before the next; the levels run from hot
// through silence (which stops a gate) back to loud.
constexpr int kBlocksPerLevel = 6;
constexpr float kInputPeaks[] = {0.9f, 0.3f, 0.001f, 0.0f, 4.0f};
// A parameter changes on the audio thread between blocks this often, as
// hosts apply automation there; every third block goes through the
// accumulating entry where there is one.
constexpr int kBlocksPerParameterChange = 5;
constexpr int kBlocksPerAccumulatingCall = 3;
constexpr float kParameterValues[] = {0.0f, 0.25f, 1.0f, 0.5f, 0.75f, 0.1f};

std::string calledText(const ForbiddenCalls& calls)
{
    return std::string("called ") + calls.first +
           (calls.count > 1 ? " (and " + std::to_string(calls.count - 1) + " more forbidden calls)" : "");
}

void checkAudioThread(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    if (hookImports(reinterpret_cast<const void*>(library.library().entry())) == 0) {
        findings.skip("the plug-in imports none of the watched functions, or this machine's are not known here");
        return;
    }
    auto plugin = library.prepared();
    BlockBuffers block(*plugin, kCheckBlockSize);
    const bool canAccumulate = plugin->record().processAccumulating != nullptr;
    findings.attempt("processing with the allocator, locks and blocking calls watched");
    for (int warmUp = 0; warmUp < kWarmUpBlocks; ++warmUp) {
        block.fill(kInputPeaks[0], static_cast<uint32_t>(warmUp + 1));
        block.process(*plugin);
    }
    takeForbiddenCalls();
    const int blocks = settings.quick ? kQuickWatchedBlocks : kWatchedBlocks;
    for (int number = 0; number < blocks; ++number) {
        const int32_t parameterCount = plugin->numParameters();
        if (number % kBlocksPerParameterChange == 0 && parameterCount > 0) {
            const int change = number / kBlocksPerParameterChange;
            const int32_t index = change % parameterCount;
            const float value = kParameterValues[change % std::size(kParameterValues)];
            {
                const WatchedSection watched;
                plugin->setParameter(index, value);
            }
            const ForbiddenCalls calls = takeForbiddenCalls();
            if (calls.count > 0) {
                findings.fail(calledText(calls) + " while setting parameter " + std::to_string(index) + " to " +
                              exactText(value) + " between process calls");
            }
        }
        const float peak = kInputPeaks[(number / kBlocksPerLevel) % std::size(kInputPeaks)];
        const bool accumulating = canAccumulate && number % kBlocksPerAccumulatingCall == 2;
        block.fill(peak, static_cast<uint32_t>(number + 100));
        {
            const WatchedSection watched;
            block.process(*plugin, accumulating);
        }
        const ForbiddenCalls calls = takeForbiddenCalls();
        if (calls.count > 0) {
            findings.fail(calledText(calls) + " in process call " + std::to_string(kWarmUpBlocks + number + 1) +
                          " (" + (accumulating ? "accumulating" : "replacing") + ", " +
                          std::to_string(kCheckBlockSize) + " frames, input peak " + exactText(peak) + ")");
        }
    }
}

}  // namespace

std::vector<Check> realtimeChecks()
{
    return {{"realtime.audio-thread",
             "after its first blocks, processing and parameter changes between blocks neither allocate nor lock "
             "nor make a blocking system call",
             checkAudioThread}};
}

}  // namespace fendwick

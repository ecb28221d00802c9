// One plug-in driven for a long stretch of audio as a host under automation drives it, and what came out.
#pragma once

#include "minute_timing.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace fendwick {

struct SoakSettings {
    double rateHz = 48000.0;
    int32_t blockFrames = 512;
    double minutes = 60.0;
    // The random generator's starting value: the same value replays the same
    // signal, automation and program changes.
    uint32_t start = 1;
};

struct SoakReport {
    std::string plugin;
    size_t frames = 0;
    double audioSeconds = 0.0;
    int channels = 0;
    // Output samples that were NaN or infinite, and the frame of the first.
    uint64_t nonFinite = 0;
    std::optional<size_t> firstNonFiniteFrame;
    // The largest finite output magnitude.
    float peak = 0.0f;
    // Whether the parameters tell the limiter's state and ceiling; when they
    // do, the blocks processed with the limiter on, those whose peak went
    // over the ceiling, and the largest peak over the ceiling in any of them.
    bool ceilingKnown = false;
    uint64_t limitedBlocks = 0;
    uint64_t blocksOverCeiling = 0;
    float worstOverCeiling = 0.0f;
    uint64_t programChanges = 0;
    double processSeconds = 0.0;
    TimingSummary timing;
};

// Told after every minute of audio how many frames are done.
using SoakProgress = std::function<void(size_t framesDone, size_t framesInAll)>;

// Loads `pluginPath` and runs it at `settings`, replacing, one block after
// another: every block a random parameter takes a random value, and every two
// to eight seconds a random program is selected. Throws `HostingError` when
// the plug-in cannot be loaded.
SoakReport runSoak(const std::string& pluginPath, const SoakSettings& settings, const SoakProgress& progress = {});

}  // namespace fendwick

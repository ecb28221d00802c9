// Timing plug-ins' replacing process against each other on the benchmark signal.
#pragma once

#include "audio_buffer.h"
#include "vst2_abi.h"

#include <string>
#include <vector>

namespace fendwick {

struct BenchSettings {
    double sampleRateHz = 44100.0;
    int blockSize = 512;
    double seconds = 10.0;
    int rounds = 5;
    bool silence = false;  // digital silence instead of the benchmark signal: what an idle track costs
};

// A plug-in to time: its library and the program it runs, by number or
// name (empty: the one it starts with).
struct BenchEntry {
    std::string path;
    std::string program;
};

// One plug-in's figures, medians over the rounds.
struct BenchResult {
    std::string label;
    std::string path;
    double nsPerFrame = 0.0;
    // (slowest - fastest) / median pass, in percent: how far to trust the figure.
    double spreadPercent = 0.0;
    double realtimeFactor = 0.0;
    double creationMs = 0.0;
    double ratioToBaseline = 0.0;
};

// One timed pass of the replacing entry over the whole of `input` (at least
// the plug-in's input count of channels), block by block, writing into `blockOutput` (the plug-in's output count of channels,
// `blockSize` frames). Answers the elapsed nanoseconds. Nothing but moving
// the channel pointers happens between two process calls, so the figure is
// the plug-in's own time.
double timeReplacingPass(EffectRecord& effect, AudioBuffer& input, AudioBuffer& blockOutput, int blockSize);

// Loads every plug-in first (a failure throws `HostingError`, an unknown
// program `ToolError`), then runs
// `rounds` rounds; in each round every plug-in in turn gets a fresh instance
// (its creation timed), the host sequence and one timed pass. The turn order
// rotates from round to round so that no plug-in always goes first.
std::vector<BenchResult> runBench(const std::vector<BenchEntry>& entries, size_t baselineIndex,
                                  const BenchSettings& settings);

}  // namespace fendwick

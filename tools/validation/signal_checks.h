// Test signals for the checks and the comparisons they make of a plug-in's output.
#pragma once

#include "audio_buffer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fendwick {

class HostedPlugin;

// A float with every digit it needs to be told from its neighbours ("0.699999988").
std::string exactText(float value);

// Deterministic white noise at `peak`, every channel its own sequence from `noiseStart`.
AudioBuffer noiseSignal(int channels, size_t frames, float peak, uint32_t noiseStart);

// `input` (the plug-in's input count of channels) run through the replacing
// entry in blocks of `blockSize` frames; as many channels as the plug-in has outputs.
AudioBuffer processed(HostedPlugin& plugin, const AudioBuffer& input, int blockSize);

// How a host calls the plug-in: which entry, the block sizes in turn
// (repeated until the input is used up), and what the output buffer holds
// before each call (the accumulating entry adds to it).
struct BlockPlan {
    std::vector<int> blockSizes;
    bool accumulating = false;
    float outputBefore = 0.0f;
};

AudioBuffer processed(HostedPlugin& plugin, const AudioBuffer& input, const BlockPlan& plan);

// The first frame from `fromFrame` on holding NaN or an infinity, if any.
std::optional<size_t> firstNonFinite(const AudioBuffer& buffer, size_t fromFrame = 0);

// What two instances driven through different but equivalent host
// sequences may differ by: rounding in a plug-in's own unit conversions,
// 120 dB below full scale, where no listener hears it.
constexpr float kInaudibleDifference = 1e-6f;

// Empty when every sample of `actual` is within `tolerance` of `expected`
// (exactly equal for 0); else where and by how much the first one differs.
std::string outputDifference(const AudioBuffer& expected, const AudioBuffer& actual, float tolerance = 0.0f);

// The root mean square of every channel's frames in [from, to).
double rootMeanSquare(const AudioBuffer& buffer, size_t from, size_t to);

}  // namespace fendwick

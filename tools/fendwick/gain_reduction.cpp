// Measuring gain reduction window by window.
#include "gain_reduction.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace fendwick {
namespace {

// Windows quieter than -60 dBFS say nothing about the compressor.
constexpr double kQuietestMeanSquare = 1e-6;

double meanSquare(const AudioBuffer& buffer, int channels, size_t start, size_t frames)
{
    double sum = 0.0;
    for (int c = 0; c < channels; ++c) {
        const float* samples = buffer.channel(c) + start;
        for (size_t i = 0; i < frames; ++i) {
            const auto sample = static_cast<double>(samples[i]);
            sum += sample * sample;
        }
    }
    return sum / static_cast<double>(frames * static_cast<size_t>(channels));
}

}  // namespace

double largestGainReductionDb(const AudioBuffer& input, int inputChannels, const AudioBuffer& output,
                              int outputChannels, size_t windowFrames)
{
    const size_t frames = std::min(input.frames(), output.frames());
    double largest = -std::numeric_limits<double>::infinity();
    for (size_t start = 0; start + windowFrames <= frames; start += windowFrames) {
        const double in = meanSquare(input, inputChannels, start, windowFrames);
        if (in < kQuietestMeanSquare) {
            continue;
        }
        const double out = std::max(meanSquare(output, outputChannels, start, windowFrames), 1e-20);
        largest = std::max(largest, 10.0 * std::log10(in / out));
    }
    return std::isinf(largest) ? 0.0 : largest;
}

}  // namespace fendwick

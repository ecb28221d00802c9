// Signals and output comparisons.
#include "signal_checks.h"

#include "block_processing.h"
#include "hosted_plugin.h"
#include "noise_generator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace fendwick {

std::string exactText(float value)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%.9g", static_cast<double>(value));
    return text;
}

AudioBuffer noiseSignal(int channels, size_t frames, float peak, uint32_t noiseStart)
{
    AudioBuffer signal(channels, frames);
    for (int c = 0; c < channels; ++c) {
        NoiseGenerator noise(noiseStart + static_cast<uint32_t>(c) * 7919u);
        for (size_t i = 0; i < frames; ++i) {
            signal.channel(c)[i] = peak * noise.next();
        }
    }
    return signal;
}

AudioBuffer processed(HostedPlugin& plugin, const AudioBuffer& input, int blockSize)
{
    AudioBuffer in = input;
    AudioBuffer out(plugin.numOutputs(), input.frames());
    processReplacingInBlocks(plugin, in, out, blockSize);
    return out;
}

AudioBuffer processed(HostedPlugin& plugin, const AudioBuffer& input, const BlockPlan& plan)
{
    AudioBuffer in = input;
    AudioBuffer out(plugin.numOutputs(), input.frames());
    for (int c = 0; c < out.channels(); ++c) {
        std::fill(out.channel(c), out.channel(c) + out.frames(), plan.outputBefore);
    }
    std::vector<float*> inputs(static_cast<size_t>(std::max(in.channels(), 1)), nullptr);
    std::vector<float*> outputs(static_cast<size_t>(std::max(out.channels(), 1)), nullptr);
    size_t offset = 0;
    for (size_t turn = 0; offset < input.frames(); ++turn) {
        const size_t planned = static_cast<size_t>(plan.blockSizes[turn % plan.blockSizes.size()]);
        const size_t count = std::min(input.frames() - offset, planned);
        for (int c = 0; c < in.channels(); ++c) {
            inputs[static_cast<size_t>(c)] = in.channel(c) + offset;
        }
        for (int c = 0; c < out.channels(); ++c) {
            outputs[static_cast<size_t>(c)] = out.channel(c) + offset;
        }
        if (plan.accumulating) {
            plugin.processAccumulating(inputs.data(), outputs.data(), static_cast<int32_t>(count));
        } else {
            plugin.processReplacing(inputs.data(), outputs.data(), static_cast<int32_t>(count));
        }
        offset += count;
    }
    return out;
}

std::optional<size_t> firstNonFinite(const AudioBuffer& buffer, size_t fromFrame)
{
    std::optional<size_t> first;
    for (int c = 0; c < buffer.channels(); ++c) {
        for (size_t i = fromFrame; i < buffer.frames() && (!first || i < *first); ++i) {
            if (!std::isfinite(buffer.channel(c)[i])) {
                first = i;
            }
        }
    }
    return first;
}

std::string outputDifference(const AudioBuffer& expected, const AudioBuffer& actual, float tolerance)
{
    for (size_t i = 0; i < expected.frames(); ++i) {
        for (int c = 0; c < expected.channels(); ++c) {
            const float want = expected.channel(c)[i];
            const float got = actual.channel(c)[i];
            const bool bothNaN = std::isnan(want) && std::isnan(got);
            const bool same = want == got || bothNaN || std::fabs(want - got) <= tolerance;
            if (!same) {
                return "channel " + std::to_string(c + 1) + " frame " + std::to_string(i) + " is " +
                       exactText(got) + " instead of " + exactText(want);
            }
        }
    }
    return {};
}

double rootMeanSquare(const AudioBuffer& buffer, size_t from, size_t to)
{
    double sum = 0.0;
    for (int c = 0; c < buffer.channels(); ++c) {
        for (size_t i = from; i < to; ++i) {
            sum += static_cast<double>(buffer.channel(c)[i]) * buffer.channel(c)[i];
        }
    }
    const double count = static_cast<double>((to - from) * static_cast<size_t>(buffer.channels()));
    return count > 0.0 ? std::sqrt(sum / count) : 0.0;
}

}  // namespace fendwick

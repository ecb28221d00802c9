// Level statistics.
#include "signal_statistics.h"

#include "number_text.h"

#include <cmath>
#include <limits>

namespace fendwick {
namespace {

// 20·log10(level); -inf for 0.
double levelToDb(double level)
{
    return level > 0.0 ? 20.0 * std::log10(level) : -std::numeric_limits<double>::infinity();
}

}  // namespace

void SignalStatistics::add(const float* samples, size_t count)
{
    float peak = peak_;
    double sum = 0.0;
    uint64_t overs = 0;
    uint64_t nonFinite = 0;
    for (size_t i = 0; i < count; ++i) {
        if (!std::isfinite(samples[i])) {
            if (nonFiniteCount_ + nonFinite == 0) {
                firstNonFinite_ = samplesSeen_ + i;
            }
            ++nonFinite;
            continue;
        }
        const float magnitude = std::fabs(samples[i]);
        peak = magnitude > peak ? magnitude : peak;
        sum += static_cast<double>(magnitude) * static_cast<double>(magnitude);
        overs += magnitude >= 1.0f ? 1 : 0;
    }
    peak_ = peak;
    sumOfSquares_ += sum;
    fullScaleCount_ += overs;
    nonFiniteCount_ += nonFinite;
    samplesSeen_ += count;
}

double SignalStatistics::rms() const
{
    const uint64_t finite = samplesSeen_ - nonFiniteCount_;
    return finite == 0 ? 0.0 : std::sqrt(sumOfSquares_ / static_cast<double>(finite));
}

double SignalStatistics::peakDb() const
{
    return levelToDb(static_cast<double>(peak_));
}

double SignalStatistics::rmsDb() const
{
    return levelToDb(rms());
}

std::string describeNonFinite(const SignalStatistics& statistics, int sampleRateHz)
{
    const uint64_t frame = statistics.firstNonFiniteFrame();
    const uint64_t count = statistics.nonFiniteCount();
    return std::to_string(count) + (count == 1 ? " non-finite sample" : " non-finite samples") +
           " (NaN or infinite), the first at channel " +
           std::to_string(statistics.firstNonFiniteChannel() + 1) + ", frame " + std::to_string(frame) + " (" +
           formatFixed(static_cast<double>(frame) / sampleRateHz, 3) + " s)";
}

}  // namespace fendwick

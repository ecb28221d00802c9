// Level statistics.
#include "signal_statistics.h"

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
    for (size_t i = 0; i < count; ++i) {
        const float magnitude = std::fabs(samples[i]);
        peak = magnitude > peak ? magnitude : peak;
        sum += static_cast<double>(magnitude) * static_cast<double>(magnitude);
        overs += magnitude >= 1.0f ? 1 : 0;
    }
    peak_ = peak;
    sumOfSquares_ += sum;
    fullScaleCount_ += overs;
    sampleCount_ += count;
}

double SignalStatistics::rms() const
{
    return sampleCount_ == 0 ? 0.0 : std::sqrt(sumOfSquares_ / static_cast<double>(sampleCount_));
}

double SignalStatistics::peakDb() const
{
    return levelToDb(static_cast<double>(peak_));
}

double SignalStatistics::rmsDb() const
{
    return levelToDb(rms());
}

}  // namespace fendwick

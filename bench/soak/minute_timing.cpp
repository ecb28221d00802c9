// Minute means of block times and the flags drawn from them.
#include "minute_timing.h"

#include <algorithm>
#include <numeric>

namespace fendwick {
namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : 0.5 * (values[middle - 1] + values[middle]);
}

double meanOf(std::vector<double>::const_iterator first, std::vector<double>::const_iterator last)
{
    return std::accumulate(first, last, 0.0) / static_cast<double>(last - first);
}

}  // namespace

void MinuteTiming::add(size_t firstFrame, double seconds)
{
    const size_t minute = firstFrame / framesPerMinute_;
    if (minute >= minutes_.size()) {
        minutes_.resize(minute + 1);
    }
    minutes_[minute].seconds += seconds;
    ++minutes_[minute].blocks;
    worstBlock_ = std::max(worstBlock_, seconds);
}

TimingSummary MinuteTiming::summary() const
{
    std::vector<double> means;
    for (const Minute& minute : minutes_) {
        if (minute.blocks > 0) {
            means.push_back(minute.seconds / static_cast<double>(minute.blocks));
        }
    }
    TimingSummary summary;
    if (means.empty()) {
        return summary;
    }
    summary.minutes = means.size();
    summary.fastestMinute = *std::min_element(means.begin(), means.end());
    summary.slowestMinute = *std::max_element(means.begin(), means.end());
    summary.medianMinute = median(means);
    summary.worstBlockRatio = worstBlock_ / summary.medianMinute;
    const size_t window = std::min(kDriftWindowMinutes, means.size() / 2);
    if (window > 0) {
        summary.driftRatio = meanOf(means.end() - static_cast<long>(window), means.end()) /
                             meanOf(means.begin(), means.begin() + static_cast<long>(window));
    }
    summary.drifts = summary.driftRatio > kDriftLimit;
    for (size_t minute = 0; minute < means.size(); ++minute) {
        if (means[minute] > kSlowMinuteLimit * summary.medianMinute) {
            summary.slowMinutes.push_back(minute);
        }
    }
    return summary;
}

}  // namespace fendwick

// Time per block gathered minute by minute of audio, and what it says about drift and denormal slowdowns.
#pragma once

#include <cstddef>
#include <vector>

namespace fendwick {

// What a run's block times came to. All times are seconds per block; "the
// median" is the median of the minute means, which one slow block cannot move.
struct TimingSummary {
    size_t minutes = 0;
    double fastestMinute = 0.0;
    double medianMinute = 0.0;
    double slowestMinute = 0.0;
    // The slowest single block over the median.
    double worstBlockRatio = 0.0;
    // The mean of the last ten minute means over that of the first ten
    // (halves of the run when it is shorter than twenty minutes); 1 for a
    // run of one minute.
    double driftRatio = 1.0;
    bool drifts = false;
    // Minutes (from 0) whose mean exceeds 1.5 times the median: the mark of
    // a stretch of denormal arithmetic, which costs far more than a cache miss.
    std::vector<size_t> slowMinutes;
};

// Collects one duration per block, each counted in the minute of audio its
// first frame falls in. The last minute may be partial.
class MinuteTiming {
public:
    static constexpr double kDriftLimit = 1.2;
    static constexpr double kSlowMinuteLimit = 1.5;
    static constexpr size_t kDriftWindowMinutes = 10;

    explicit MinuteTiming(size_t framesPerMinute) : framesPerMinute_(framesPerMinute) {}

    void add(size_t firstFrame, double seconds);
    // Empty (all zeros) when nothing was added.
    TimingSummary summary() const;

private:
    struct Minute {
        double seconds = 0.0;
        size_t blocks = 0;
    };
    size_t framesPerMinute_;
    std::vector<Minute> minutes_;
    double worstBlock_ = 0.0;
};

}  // namespace fendwick

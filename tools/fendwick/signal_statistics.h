// Peak, RMS, full-scale count and non-finite samples of a stream of samples.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fendwick {

// Accumulates over every sample given, all channels together, interleaved
// in frames of `channels` samples. Levels are relative to full scale 1.0 and
// measure the finite samples only; a silent stream reads -inf dBFS. NaN and
// infinite samples are counted apart, with the place of the first, because
// a level cannot say them: a file writer turns them into full-scale DC.
class SignalStatistics {
public:
    explicit SignalStatistics(int channels = 1) : channels_(channels) {}

    void add(const float* samples, size_t count);

    float peak() const { return peak_; }
    double rms() const;
    double peakDb() const;
    double rmsDb() const;
    // Finite samples whose magnitude is 1.0 or more.
    uint64_t fullScaleCount() const { return fullScaleCount_; }

    uint64_t nonFiniteCount() const { return nonFiniteCount_; }
    // Where the first non-finite sample was, from 0; meaningful while the count is not 0.
    int firstNonFiniteChannel() const { return static_cast<int>(firstNonFinite_ % static_cast<uint64_t>(channels_)); }
    uint64_t firstNonFiniteFrame() const { return firstNonFinite_ / static_cast<uint64_t>(channels_); }

private:
    int channels_;
    float peak_ = 0.0f;
    double sumOfSquares_ = 0.0;
    uint64_t fullScaleCount_ = 0;
    // Every sample given, finite or not.
    uint64_t samplesSeen_ = 0;
    uint64_t nonFiniteCount_ = 0;
    // Index of the first non-finite sample among all given.
    uint64_t firstNonFinite_ = 0;
};

// "3 non-finite samples (NaN or infinite), the first at channel 2, frame 100
// (0.002 s)", channels counted from 1 as the command line counts them.
std::string describeNonFinite(const SignalStatistics& statistics, int sampleRateHz);

}  // namespace fendwick

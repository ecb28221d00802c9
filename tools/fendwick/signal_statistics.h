// Peak, RMS and full-scale count of a stream of samples.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fendwick {

// Accumulates over every sample given, all channels together. Levels are
// relative to full scale 1.0; a silent stream reads -inf dBFS.
class SignalStatistics {
public:
    void add(const float* samples, size_t count);

    float peak() const { return peak_; }
    double rms() const;
    double peakDb() const;
    double rmsDb() const;
    // Samples whose magnitude is 1.0 or more.
    uint64_t fullScaleCount() const { return fullScaleCount_; }

private:
    float peak_ = 0.0f;
    double sumOfSquares_ = 0.0;
    uint64_t fullScaleCount_ = 0;
    uint64_t sampleCount_ = 0;
};

}  // namespace fendwick

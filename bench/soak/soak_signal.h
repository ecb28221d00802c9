// The soak's input, made block by block: passages of music, of the benchmark noise, of silence and of overload.
#pragma once

#include "audio_buffer.h"

#include <random>
#include <vector>

namespace fendwick {

// Plays passages of random kind and length one after another, each from a
// random place in its source at a random gain, without ever holding more
// than the two sources (twenty seconds each) in memory. Silences let the
// plug-ins' silence gates stop and restart; overloads go up to +18 dB over
// full scale, where limiters and detectors meet values no mix should have.
class SoakSignal {
public:
    SoakSignal(double rateHz, int channels, std::mt19937& random);

    // The next `frames` frames into `channels` (each at least `frames` long).
    void fill(const std::vector<float*>& channels, size_t frames);

private:
    enum class Kind { music, noise, silence, overload };
    void startPassage();

    double rateHz_;
    std::mt19937& random_;
    AudioBuffer music_;
    AudioBuffer noise_;
    Kind kind_ = Kind::silence;
    const AudioBuffer* source_ = nullptr;
    size_t position_ = 0;
    size_t framesLeft_ = 0;
    float gain_ = 0.0f;
};

}  // namespace fendwick

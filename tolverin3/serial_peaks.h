// A peak detector stepped a run of frames at a time, in the shape of the
// AVX-512 peak lanes, for the loops that step it one sample after another.
#pragma once

#include <cstdint>

namespace fendwick {

// Detector is CharacterDetector or LimiterDetector: a copy made once per
// block, stepped and kept back on the audio thread.
template <class Detector>
class SerialPeaks {
public:
    static constexpr int32_t kRunFrames = 4;

    explicit SerialPeaks(const Detector& detector) : worked(detector) {}

    void keepIn(Detector& detector) const { detector.keepPeaksOf(worked); }

    // count frames (1 to kRunFrames) of samples in, each frame's peaks out
    // as a row of four floats.
    void run(const float* samples, float (*rows)[4], int32_t count)
    {
        for (int32_t k = 0; k < count; ++k) {
            worked.step(samples[k]);
            worked.peaksInto(rows[k]);
        }
    }

private:
    Detector worked;
};

}  // namespace fendwick

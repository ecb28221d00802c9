// Setting up and clearing the sections of the three-band crossover.
#include "three_band_crossover.h"

#include <algorithm>

namespace fendwick {

ThreeBandCrossover::ThreeBandCrossover(int channelCount)
    : channels(std::clamp(channelCount, 1, kMaxChannels))
{
}

void ThreeBandCrossover::setSampleRate(float rateHz)
{
    for (int c = 0; c < channels; ++c) {
        low[c].setSampleRate(rateHz);
        high[c].setSampleRate(rateHz);
    }
}

void ThreeBandCrossover::setCutoffs(float loMidX, float midHiX)
{
    for (int c = 0; c < channels; ++c) {
        low[c].setCutoff(loMidX);
        high[c].setCutoff(midHiX);
    }
}

void ThreeBandCrossover::reset()
{
    for (int c = 0; c < channels; ++c) {
        low[c].reset();
        high[c].reset();
    }
}

}  // namespace fendwick

// The envelopes of the three bands in one SSE vector per band, stepped by
// EnvelopeLanes; built only where the x86 vector paths are.
#pragma once

#include "band_mix_lanes.h"
#include "envelope_lanes.h"
#include "multiband_frame_loop.h"

#include <xmmintrin.h>

#include <cstdint>

namespace fendwick {

// Holds the coefficients of one block and the envelopes; made, stepped and
// stored back on the audio thread. The mono build keeps the right lanes at
// zero and leaves the right envelopes alone.
template <int Channels, class FlushFreeStep>
class PerBandEnvelopes {
public:
    static constexpr int32_t kRunFrames = EnvelopeLanes::kRunFrames;

    PerBandEnvelopes(const MultibandBlockSettings& settings, const MultibandLoopState& state)
        : lanes{lanesOf(settings, 0), lanesOf(settings, 1), lanesOf(settings, 2)}
    {
        const EnvelopeDetector::Envelope none{};
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            env[b] = EnvelopeLanes::load(state.envelopes[b][0], Channels == 2 ? state.envelopes[b][1] : none);
        }
    }

    // Writes the envelopes back, with each band's last sample of the block.
    void store(MultibandLoopState& state, const BandBlock& block, int32_t last) const
    {
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            EnvelopeDetector::Envelope unused;
            EnvelopeLanes::store(env[b], state.envelopes[b][0], Channels == 2 ? state.envelopes[b][1] : unused,
                                 block.sample[b][0][last], Channels == 2 ? block.sample[b][1][last] : 0.0f);
        }
    }

    // Follows count (1 to kRunFrames) frames of band inputs (four frames
    // per band and channel) and writes the detected levels before the knee
    // into the block from frame `first` on.
    void follow(const __m128 (&bands)[kMultibandBandCount][2], int32_t count, BandBlock& block, int32_t first)
    {
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            __m128 left;
            __m128 right;
            env[b] = lanes[b].template followLevels<FlushFreeStep>(env[b], magnitudeOf(bands[b][0]),
                                                                   magnitudeOf(bands[b][1]), count, left, right);
            _mm_store_ps(&block.level[b][0][first], left);
            _mm_store_ps(&block.level[b][1][first], right);
        }
    }

private:
    // x < 0 ? -x : x, as the detector takes it, lane by lane.
    static __m128 magnitudeOf(__m128 x)
    {
        const __m128 sign = _mm_set1_ps(-0.0f);
        return _mm_xor_ps(x, _mm_and_ps(_mm_cmplt_ps(x, _mm_setzero_ps()), sign));
    }

    static EnvelopeLanes lanesOf(const MultibandBlockSettings& settings, int32_t b)
    {
        return EnvelopeLanes(settings.detectors[b][0], settings.detectors[b][Channels - 1], Channels == 2);
    }

    const EnvelopeLanes lanes[kMultibandBandCount];
    __m128 env[kMultibandBandCount];
};

}  // namespace fendwick

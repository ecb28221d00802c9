// The envelope detectors of one frame in four SSE lanes, for the sample
// loops: the same arithmetic as EnvelopeDetector::step, without branches.
#pragma once

#include "envelope_detector.h"

#include <emmintrin.h>

namespace fendwick {

// Lanes hold {env1 left, env1 right, env2 left, env2 right}; the mono build
// leaves the right lanes at zero. With manual release the env2 lanes see a
// zero input and a zero release factor, so they fall to 0 and stay there.
// Every lane stays at or above zero, so flush-to-zero is "below the smallest
// normal float becomes 0".
class EnvelopeLanes {
public:
    EnvelopeLanes(const EnvelopeDetector::Coefficients& left, const EnvelopeDetector::Coefficients& right,
                  bool stereo)
    {
        // Both detectors of a plug-in always share their release mode.
        const bool automatic = left.automaticRelease;
        const float mainL = automatic ? left.fastReleaseCoef : left.releaseCoef;
        const float mainR = automatic ? right.fastReleaseCoef : right.releaseCoef;
        const float slowL = automatic ? left.slowReleaseCoef : 0.0f;
        const float slowR = automatic ? right.slowReleaseCoef : 0.0f;
        attack = _mm_setr_ps(left.attackCoef, right.attackCoef, left.attackCoef, right.attackCoef);
        release = _mm_setr_ps(mainL, stereo ? mainR : 0.0f, slowL, stereo ? slowR : 0.0f);
        inputMask = _mm_castsi128_ps(
            _mm_setr_epi32(-1, stereo ? -1 : 0, automatic ? -1 : 0, (automatic && stereo) ? -1 : 0));
        // (env1 + env2) / 2 with automatic release; env1 alone (env2 is 0) without.
        average = _mm_set1_ps(automatic ? 0.5f : 1.0f);
    }

    void load(const EnvelopeDetector::Envelope& left, const EnvelopeDetector::Envelope& right)
    {
        env = _mm_setr_ps(left.env1, right.env1, left.env2, right.env2);
    }

    // Writes the envelopes back, with the last detector inputs.
    void store(EnvelopeDetector::Envelope& left, EnvelopeDetector::Envelope& right, float lastLeft,
               float lastRight) const
    {
        alignas(16) float lanes[4];
        _mm_store_ps(lanes, env);
        left = {lanes[0], lanes[2], lastLeft, lastLeft < 0.0f ? -lastLeft : lastLeft};
        right = {lanes[1], lanes[3], lastRight, lastRight < 0.0f ? -lastRight : lastRight};
    }

    // Feeds one frame and returns the detected levels, before the knee, in
    // lanes 0 (left) and 1 (right).
    __m128 step(float left, float right)
    {
        const __m128 absMask = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
        const __m128 pair = _mm_unpacklo_ps(_mm_set_ss(left), _mm_set_ss(right));
        const __m128 magnitude = _mm_and_ps(_mm_and_ps(_mm_movelh_ps(pair, pair), absMask), inputMask);

        const __m128 rising = _mm_cmpge_ps(magnitude, env);
        const __m128 up = _mm_add_ps(magnitude, _mm_mul_ps(_mm_sub_ps(env, magnitude), attack));
        const __m128 down = _mm_mul_ps(env, release);
        const __m128 next = _mm_or_ps(_mm_and_ps(rising, up), _mm_andnot_ps(rising, down));
        // As integers, non-negative floats keep their order; the integer
        // compare is the shorter step in this loop-carried chain.
        const __m128i normal = _mm_cmpgt_epi32(_mm_castps_si128(next), _mm_set1_epi32(kLargestDenormalBits));
        env = _mm_and_ps(next, _mm_castsi128_ps(normal));
        return _mm_mul_ps(_mm_add_ps(env, _mm_movehl_ps(env, env)), average);
    }

private:
    static constexpr int32_t kLargestDenormalBits = 0x007fffff;

    __m128 env = _mm_setzero_ps();
    __m128 attack;
    __m128 release;
    __m128 inputMask;
    __m128 average;
};

}  // namespace fendwick

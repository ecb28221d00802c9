// The envelope detectors of one frame in four SSE lanes, for the sample
// loops: the same arithmetic as EnvelopeDetector::step, without branches.
// Built only where the x86 vector paths are.
#pragma once

#include "envelope_detector.h"
#include "lane_types.h"

#include <emmintrin.h>

#include <cstdint>

namespace fendwick {

// One envelope step without the flush, in SSE2: both branches, then the
// select as bitwise operations.
struct BitwiseSelectStep {
    static __m128 next(__m128 env, __m128 magnitude, __m128 attack, __m128 release)
    {
        const __m128 rising = _mm_cmpge_ps(magnitude, env);
        const __m128 up = _mm_add_ps(magnitude, _mm_mul_ps(_mm_sub_ps(env, magnitude), attack));
        const __m128 down = _mm_mul_ps(env, release);
        return _mm_or_ps(_mm_and_ps(rising, up), _mm_andnot_ps(rising, down));
    }
};

// Lanes hold {env1 left, env1 right, env2 left, env2 right}; the mono build
// leaves the right lanes at zero. Each side takes its own release mode (the
// sides are the two channels of a detector pair, or two bands of a mono
// three-band build): with manual release its env2 lane sees a zero input and
// a zero release factor, so it falls to 0 and stays there.
//
// The loops follow runs of up to kRunFrames frames. The flush sits on the
// recurrence's critical path, yet it almost never changes a value: when a
// run starts from envelopes that are 0 or well above the denormals and no
// input magnitude is tiny, no step can land among the denormals (see
// flushFreeFloors), so the run skips it and still gives the same bits.
//
// Holds the coefficients of one block; the loops carry the envelopes in a
// local. Made and used on the audio thread.
class EnvelopeLanes {
public:
    static constexpr int32_t kRunFrames = 4;

    EnvelopeLanes(const EnvelopeDetector::Coefficients& left, const EnvelopeDetector::Coefficients& right,
                  bool stereo);

    // The four lanes' coefficients, for loops that carry several of these
    // side by side in wider vectors.
    struct LaneCoefficients {
        __m128 attack;
        __m128 release;
        __m128 inputMask;     // all bits set in the lanes that take input
        __m128 startFloor;    // see flushFreeStart
        __m128 averageLeft;   // turns the left side's env1 + env2 into its level
        __m128 averageRight;  // the same for the right side
        float inputFloor;     // see smallestFlushFreeInput
    };
    LaneCoefficients laneCoefficients() const
    {
        return {attack, release, inputMask, startFloor, averageLeft, averageRight, inputFloor};
    }

    static __m128 load(const EnvelopeDetector::Envelope& left, const EnvelopeDetector::Envelope& right)
    {
        return _mm_setr_ps(left.env1, right.env1, left.env2, right.env2);
    }

    // Writes the envelopes back, with the last detector inputs.
    static void store(__m128 env, EnvelopeDetector::Envelope& left, EnvelopeDetector::Envelope& right,
                      float lastLeft, float lastRight);

    // The lane inputs of four frames from their input magnitudes per channel:
    // {|l|, |r|, |l|, |r|} per frame, with the lanes that take no input cleared.
    void spreadInputs(__m128 left, __m128 right, __m128* frames) const
    {
        const __m128 low = _mm_unpacklo_ps(left, right);
        const __m128 high = _mm_unpackhi_ps(left, right);
        frames[0] = _mm_and_ps(_mm_movelh_ps(low, low), inputMask);
        frames[1] = _mm_and_ps(_mm_movehl_ps(low, low), inputMask);
        frames[2] = _mm_and_ps(_mm_movelh_ps(high, high), inputMask);
        frames[3] = _mm_and_ps(_mm_movehl_ps(high, high), inputMask);
    }

    // Input magnitudes that are 0 or at least this keep a run flush-free.
    float smallestFlushFreeInput() const { return inputFloor; }

    // Whether a run from the envelopes env, whose non-zero input magnitudes
    // are all at least smallestFlushFreeInput(), can skip the flush.
    bool flushFreeStart(__m128 env) const
    {
        const __m128 ok = _mm_or_ps(_mm_cmpeq_ps(env, _mm_setzero_ps()), _mm_cmpge_ps(env, startFloor));
        return _mm_movemask_ps(ok) == 0xf;
    }

    // Follows count (1 to kRunFrames) frames of lane inputs from the
    // envelopes env, writes the envelopes after each frame (the last one
    // repeated up to kRunFrames) and answers the last. smallInputs says that
    // an input magnitude lies below smallestFlushFreeInput().
    template <class FlushFreeStep>
    __m128 follow(__m128 env, const __m128* inputs, __m128* envelopes, int32_t count, bool smallInputs) const
    {
        if (!smallInputs && flushFreeStart(env)) {
            // Whole runs, the common case, with a fixed count the compiler unrolls.
            if (count == kRunFrames) {
                for (int32_t k = 0; k < kRunFrames; ++k) {
                    env = FlushFreeStep::next(env, inputs[k], attack, release);
                    envelopes[k] = env;
                }
                return env;
            }
            for (int32_t k = 0; k < count; ++k) {
                env = FlushFreeStep::next(env, inputs[k], attack, release);
                envelopes[k] = env;
            }
        } else {
            for (int32_t k = 0; k < count; ++k) {
                env = flushed(BitwiseSelectStep::next(env, inputs[k], attack, release));
                envelopes[k] = env;
            }
        }
        for (int32_t k = count; k < kRunFrames; ++k) {
            envelopes[k] = env;
        }
        return env;
    }

    // Follows count (1 to kRunFrames) frames of input magnitudes per
    // channel (the right at zero in mono) from the envelopes env, answers
    // the envelopes after them, and the detected levels before the knee of
    // the four frames per channel.
    template <class FlushFreeStep>
    __m128 followLevels(__m128 env, __m128 left, __m128 right, int32_t count, __m128& levelLeft,
                        __m128& levelRight) const
    {
        const __m128 zero = _mm_setzero_ps();
        const __m128 floor = _mm_set1_ps(inputFloor);
        // Magnitudes below the flush-free floor, but not 0.
        const __m128 small = _mm_or_ps(_mm_andnot_ps(_mm_cmpeq_ps(left, zero), _mm_cmplt_ps(left, floor)),
                                       _mm_andnot_ps(_mm_cmpeq_ps(right, zero), _mm_cmplt_ps(right, floor)));
        __m128 laneInputs[kRunFrames];
        __m128 envelopes[kRunFrames];
        spreadInputs(left, right, laneInputs);
        env = follow<FlushFreeStep>(env, laneInputs, envelopes, count, _mm_movemask_ps(small) != 0);
        levels(envelopes, levelLeft, levelRight);
        return env;
    }

    // The detected levels before the knee of four frames, per channel:
    // (env1 + env2) / 2 with automatic release; env1 alone (env2 is 0) without.
    void levels(const __m128* envelopes, __m128& left, __m128& right) const
    {
        // {env1 L, env1 L', env1 R, env1 R'} + {env2 L, env2 L', env2 R, env2 R'} for frame pairs.
        const __m128 sum01 = _mm_add_ps(_mm_unpacklo_ps(envelopes[0], envelopes[1]),
                                        _mm_unpackhi_ps(envelopes[0], envelopes[1]));
        const __m128 sum23 = _mm_add_ps(_mm_unpacklo_ps(envelopes[2], envelopes[3]),
                                        _mm_unpackhi_ps(envelopes[2], envelopes[3]));
        left = _mm_mul_ps(_mm_movelh_ps(sum01, sum23), averageLeft);
        right = _mm_mul_ps(_mm_movehl_ps(sum23, sum01), averageRight);
    }

private:
    void flushFreeFloors(const float (&releases)[4], float attackL, float attackR, bool stereo, bool automaticL,
                         bool automaticR);

    static __m128 flushed(__m128 env)
    {
        flushToZeroInPlace<LaneTypes<4>::Bits>(env);
        return env;
    }

    __m128 attack;
    __m128 release;
    __m128 inputMask;
    __m128 averageLeft;
    __m128 averageRight;
    __m128 startFloor;  // per lane; 0 in lanes that take no input
    float inputFloor;
};

}  // namespace fendwick

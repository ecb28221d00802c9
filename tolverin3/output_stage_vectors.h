// The SonicFilter's gain, the output level and the limiter's gain and
// output over a chunk of frames, in vectors of 4 (SSE2) or 16 (AVX-512)
// lanes, with the character line's formulas for a set of lanes.
#pragma once

#include "character_curve.h"
#include "four_column_rows.h"
#include "lane_types.h"
#include "limiter_detector.h"
#include "pair_mean.h"
#include "peak_limiter.h"
#include "sample_guards.h"

#include <cstdint>
#include <cstring>

namespace fendwick {

// Every row is read and written in whole vectors, so that a chunk's rows
// hold whole vectors past the frames that count; the lanes past them carry
// values nothing reads.
template <int Width>
struct OutputStageVectors {
    using Lanes = VectorLanes<Width>;
    using Floats = typename Lanes::Floats;
    using Bits = typename Lanes::Bits;

    // In place, as BandGainVectors loads: a 64-byte vector returned by value
    // would change the calling convention between code built with and without AVX-512.
    static void load(Floats& v, const float* x) { std::memcpy(&v, x, sizeof v); }
    static void store(float* x, const Floats& v) { std::memcpy(x, &v, sizeof v); }

    // The mix u shaped at the levels of the SonicFilter detector's peaks
    // (rows {30 ms, 150 ms, -, -} per frame), then scaled by outputGain
    // (twice "OutLevel"), each product flushed: into s.
    static void shape(const CharacterCurve& curve, float outputGain, const float* u, const float (*peaks)[4],
                      float* s, int32_t frames)
    {
        for (int32_t i = 0; i < frames; i += Width) {
            Floats mix;
            Floats columns[4];
            Floats detected;
            Floats gain;
            load(mix, u + i);
            columnsOf(peaks, i, columns);
            meanOfPair<Lanes>(columns[0], columns[1], detected);
            characteriseGain<Lanes>(curve, detected, gain);
            Floats shaped = gain * mix;
            flushToZeroInPlace<Bits>(shaped);
            Floats scaled = shaped * outputGain;
            flushToZeroInPlace<Bits>(scaled);
            store(s + i, scaled);
        }
    }

    // The limiter's gains at the levels of its detector's peaks (rows
    // {100 ms, 1 s, 10 ms, -} per frame) and the outputs s makes under them
    // and the ceiling, flushed.
    static void limit(float ceiling, const float (*peaks)[4], const float* s, float* gain, float* out,
                      int32_t frames)
    {
        for (int32_t i = 0; i < frames; i += Width) {
            Floats columns[4];
            Floats detected;
            Floats sample;
            Floats e;
            Floats o;
            columnsOf(peaks, i, columns);
            LimiterDetector::levelsOf<Lanes>(columns[0], columns[1], columns[2], detected);
            load(sample, s + i);
            limitGain<Lanes>(detected, e);
            limitOutput<Lanes>(e, sample, ceiling, o);
            flushToZeroInPlace<Bits>(o);
            store(gain + i, e);
            store(out + i, o);
        }
    }
};

}  // namespace fendwick

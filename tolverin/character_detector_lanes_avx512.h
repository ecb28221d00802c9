// The character compressor's detector recurrences written for AVX-512VL,
// for the staged frame loop's AVX-512 path: the same steps as
// chain_lanes::DetectorLanes, bit for bit, in about a quarter of the
// instructions the compiler makes of the generic vectors. Built only where
// the x86 vector paths are; run only where the processor has AVX-512VL.
#pragma once

#include "avx512_sample_steps.h"
#include "avx512_target.h"
#include "character_channel.h"
#include "held_peak_lanes_avx512.h"

#include <immintrin.h>

#include <cstdint>


namespace fendwick {

namespace chain_lanes {

// Both channels' compressor and character detectors in one vector, lanes
// {fast left, slow left, fast right, slow right, 30 ms left, 150 ms left,
// 30 ms right, 150 ms right}, and both channels' limiter detectors in
// another, lanes {100 ms, 1 s, 10 ms, unused} per channel. A mono build
// runs its one channel in both halves. The character lanes take the
// compressor's step with an attack of 0, which makes a rise the magnitude
// itself; a compressor lane with manual release runs its one envelope in
// the fast lane, and its slow lane takes magnitude 0 and falls by 0, which
// holds it at 0 from its first step.
template <int Channels>
class Avx512DetectorLanes {
public:
    struct State {
        __m256 envelopes;  // compressor and character lanes
        __m256 peaks;      // limiter lanes
        __m256i held;      // the limiter lanes' hold counters
    };

    FENDWICK_AVX512 explicit Avx512DetectorLanes(const CharacterChannel* ch)
    {
        const CharacterChannel& l = ch[0];
        const CharacterChannel& r = ch[Channels - 1];
        alignas(32) float env[8] = {l.level.fastEnvelope(), l.level.slowEnvelope(), r.level.fastEnvelope(),
                                    r.level.slowEnvelope(), l.character.fastPeak(), l.character.slowPeak(),
                                    r.character.fastPeak(), r.character.slowPeak()};
        const float leftAttack = l.level.coefficients().attack();
        const float rightAttack = r.level.coefficients().attack();
        alignas(32) float att[8] = {leftAttack, leftAttack, rightAttack, rightAttack, 0.0f, 0.0f, 0.0f, 0.0f};
        alignas(32) float fall[8] = {firstRelease(l.level), slowRelease(l.level),   firstRelease(r.level),
                                     slowRelease(r.level),  l.character.fastFall(), l.character.slowFall(),
                                     r.character.fastFall(), r.character.slowFall()};
        constexpr int32_t kAll = kMagnitudeBits;
        alignas(32) int32_t magnitude[8] = {kAll, l.level.manualRelease() ? 0 : kAll, kAll,
                                            r.level.manualRelease() ? 0 : kAll, kAll, kAll, kAll, kAll};
        alignas(32) float peak[8] = {};
        alignas(32) float peakFall[8] = {};
        alignas(32) int32_t held[8] = {};
        for (int k = 0; k < 3; ++k) {
            peak[k] = l.limiter.peak(k);
            peak[4 + k] = r.limiter.peak(k);
            peakFall[k] = l.limiter.fallOf(k);
            peakFall[4 + k] = r.limiter.fallOf(k);
            held[k] = l.limiter.heldFor(k);
            held[4 + k] = r.limiter.heldFor(k);
        }
        // The unused lanes fall at once and hold nothing.
        held[3] = held[7] = LimiterDetector::kHoldSamples;
        state.envelopes = _mm256_load_ps(env);
        state.peaks = _mm256_load_ps(peak);
        state.held = _mm256_load_si256(reinterpret_cast<const __m256i*>(held));
        attack = _mm256_load_ps(att);
        release = _mm256_load_ps(fall);
        magnitudeBits = _mm256_load_si256(reinterpret_cast<const __m256i*>(magnitude));
        limiterFall = _mm256_load_ps(peakFall);
        manual[0] = l.level.manualRelease();
        manual[1] = r.level.manualRelease();
    }

    // The compressor detectors take the samples xl, xr and store their
    // envelopes into levelRow; the character detectors take yl, yr (of
    // another frame) and store their peaks into characterRow; rows of four
    // floats as the lanes hold them. With Exact flushed as the detectors
    // flush; without, unflushed, for the frame loop to look for values the
    // flush would have changed in the rows.
    template <bool Exact, bool Level, bool Character>
    FENDWICK_AVX512 void stepEnvelopes(float xl, float xr, float* levelRow, float yl, float yr,
                                              float* characterRow)
    {
        const __m256 spread = spreadPairs(xl, xr, yl, yr);
        const __m256 a = _mm256_castsi256_ps(_mm256_and_si256(_mm256_castps_si256(spread), magnitudeBits));
        const __m256 env = state.envelopes;
        const __mmask8 rising = _mm256_cmp_ps_mask(a, env, _CMP_GE_OQ);
        const __m256 closed = _mm256_mul_ps(_mm256_sub_ps(env, a), attack);
        constexpr __mmask8 kStepped = (Level ? 0x0f : 0) | (Character ? 0xf0 : 0);
        __m256 next = _mm256_mask_add_ps(_mm256_mul_ps(env, release), rising, a, closed);
        if (Exact) {
            next = flushedNonNegative(next);
        }
        state.envelopes = kStepped == 0xff ? next : _mm256_mask_mov_ps(env, kStepped, next);
        if (Level) {
            _mm_storeu_ps(levelRow, _mm256_castps256_ps128(next));
        }
        if (Character) {
            _mm_storeu_ps(characterRow, _mm256_extractf128_ps(next, 1));
        }
    }

    // The limiter detectors take the magnitudes zl, zr and store their peaks
    // {100 ms, 1 s, 10 ms, unused} into rows of four floats.
    template <bool Exact>
    FENDWICK_AVX512 void stepLimiters(float zl, float zr, float* leftRow, float* rightRow)
    {
        stepHeldPeaks<Exact>(spreadHalves(zl, zr), limiterFall, state.peaks, state.held);
        const __m256 next = state.peaks;
        _mm_storeu_ps(leftRow, _mm256_castps256_ps128(next));
        if (Channels == 2) {
            _mm_storeu_ps(rightRow, _mm256_extractf128_ps(next, 1));
        }
    }

    State snapshot() const { return state; }
    void restart(const State& s) { state = s; }

    // Every value the lanes hold, sixteen floats.
    FENDWICK_AVX512 void statesInto(float* values) const
    {
        _mm256_storeu_ps(values, state.envelopes);
        _mm256_storeu_ps(values + 8, state.peaks);
    }

    bool manualRelease(int c) const { return manual[c]; }

    FENDWICK_AVX512 void keepIn(CharacterChannel* ch) const
    {
        alignas(32) float env[8];
        alignas(32) float peak[8];
        alignas(32) int32_t held[8];
        _mm256_store_ps(env, state.envelopes);
        _mm256_store_ps(peak, state.peaks);
        _mm256_store_si256(reinterpret_cast<__m256i*>(held), state.held);
        for (int c = 0; c < Channels; ++c) {
            ch[c].level.keepEnvelopes(env[2 * c], env[2 * c + 1]);
            ch[c].character.keepPeaks(env[4 + 2 * c], env[4 + 2 * c + 1]);
            for (int k = 0; k < 3; ++k) {
                ch[c].limiter.keepPeak(k, peak[4 * c + k], held[4 * c + k]);
            }
        }
    }

private:
    static constexpr int32_t kMagnitudeBits = 0x7fffffff;

    // {al, al, ar, ar, bl, bl, br, br}: each sample broadcast from memory,
    // then blends (one in a mono build, whose right is its left), in place
    // of the shuffles, which cost the detectors' loop more than loads do.
    FENDWICK_AVX512 static __m256 spreadPairs(float al, float ar, float bl, float br)
    {
        if (Channels == 1) {
            return _mm256_blend_ps(_mm256_set1_ps(al), _mm256_set1_ps(bl), 0xf0);
        }
        const __m256 a = _mm256_blend_ps(_mm256_set1_ps(al), _mm256_set1_ps(ar), 0xcc);
        const __m256 b = _mm256_blend_ps(_mm256_set1_ps(bl), _mm256_set1_ps(br), 0xcc);
        return _mm256_blend_ps(a, b, 0xf0);
    }

    // l in every lane of the low half, r in every lane of the high half,
    // as broadcasts (one in a mono build).
    FENDWICK_AVX512 static __m256 spreadHalves(float l, float r)
    {
        if (Channels == 1) {
            return _mm256_set1_ps(l);
        }
        return _mm256_blend_ps(_mm256_set1_ps(l), _mm256_set1_ps(r), 0xf0);
    }

    static float firstRelease(const LevelDetector& d)
    {
        return d.manualRelease() ? d.coefficients().release() : d.coefficients().fastRelease();
    }
    static float slowRelease(const LevelDetector& d)
    {
        return d.manualRelease() ? 0.0f : d.coefficients().slowRelease();
    }

    State state;
    __m256 attack;
    __m256 release;
    __m256i magnitudeBits;  // per lane: the magnitude's bits, or none for a held slow lane
    __m256 limiterFall;
    bool manual[2];
};

}  // namespace chain_lanes

}  // namespace fendwick

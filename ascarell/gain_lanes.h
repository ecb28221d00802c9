// The compressor's gain law and output stage for four frames at a time, in
// SSE lanes: the same arithmetic as the per-frame law, without branches.
#pragma once

#include <emmintrin.h>

namespace fendwick {

// Flush-to-zero of signed values: a zero exponent means |x| < 2^-126.
inline __m128 flushToZeroLanes(__m128 x)
{
    const __m128 magnitude = _mm_and_ps(x, _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff)));
    return _mm_and_ps(x, _mm_cmpge_ps(magnitude, _mm_set1_ps(1.17549435e-38f)));
}

inline __m128 selectLanes(__m128 mask, __m128 whenSet, __m128 otherwise)
{
    return _mm_or_ps(_mm_and_ps(mask, whenSet), _mm_andnot_ps(mask, otherwise));
}

// Knee blend of four levels c: c(1 - knee) + knee x (1.75c - 0.75c^2 below 1, else c).
inline __m128 kneeShapeLanes(__m128 c, __m128 knee, __m128 kneeRest)
{
    const __m128 curved = _mm_sub_ps(_mm_mul_ps(_mm_set1_ps(1.75f), c),
                                     _mm_mul_ps(_mm_mul_ps(_mm_set1_ps(0.75f), c), c));
    const __m128 shaped = selectLanes(_mm_cmplt_ps(c, _mm_set1_ps(1.0f)), curved, c);
    return _mm_add_ps(_mm_mul_ps(c, kneeRest), _mm_mul_ps(shaped, knee));
}

// Gain for detected levels e against threshold t: 1 below t, else
// g = t / e blended toward 1 by the gain blend.
inline __m128 compressionGainLanes(__m128 e, __m128 t, __m128 blend)
{
    const __m128 one = _mm_set1_ps(1.0f);
    const __m128 g = flushToZeroLanes(_mm_div_ps(t, e));
    const __m128 gain = flushToZeroLanes(_mm_add_ps(g, _mm_mul_ps(_mm_sub_ps(one, g), blend)));
    return selectLanes(_mm_cmplt_ps(e, t), one, gain);
}

}  // namespace fendwick

// One envelope step without the flush in AVX-512VL, for the processors that
// have it; built only where the x86 vector paths are.
#pragma once

#include <immintrin.h>

namespace fendwick {

// The select folds into a masked add, which takes the bitwise operations
// and their domain crossings off the recurrence's chain: subtract, multiply,
// add. The mask (input >= envelope) and the falling branch are computed
// beside the chain. Call only where processorHasAvx512vl() says so.
struct MaskedAddStep {
    __attribute__((target("avx512f,avx512vl"))) static __m128 next(__m128 env, __m128 magnitude, __m128 attack,
                                                                   __m128 release)
    {
        const __mmask8 rising = _mm_cmp_ps_mask(magnitude, env, _CMP_GE_OQ);
        const __m128 closing = _mm_mul_ps(_mm_sub_ps(env, magnitude), attack);
        return _mm_mask_add_ps(_mm_mul_ps(env, release), rising, magnitude, closing);
    }
};

}  // namespace fendwick

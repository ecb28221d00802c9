// Whether any lane of a float or of a vector of floats reaches a bound: the
// test that lets a stage leave out a gain that no lane of its vector needs.
// A NaN lane reaches nothing.
#pragma once

#include "vector_paths.h"

#if FENDWICK_X86_VECTOR_PATHS
#include "avx512_target.h"
#include "lane_types.h"

#include <immintrin.h>
#endif

namespace fendwick {

inline bool anyLaneReaches(float x, float bound) { return x >= bound; }

#if FENDWICK_X86_VECTOR_PATHS
// One compare into a lane mask: the generic vectors' compare, stored and
// looked through as words, would cost a store and its reload.
inline bool anyLaneReaches(const LaneTypes<4>::Floats& x, float bound)
{
    return _mm_movemask_ps(_mm_cmpge_ps(reinterpret_cast<__m128>(x), _mm_set1_ps(bound))) != 0;
}

FENDWICK_AVX512 inline bool anyLaneReaches(const LaneTypes<16>::Floats& x, float bound)
{
    return _mm512_cmp_ps_mask(reinterpret_cast<__m512>(x), _mm512_set1_ps(bound), _CMP_GE_OQ) != 0;
}
#endif

}  // namespace fendwick

// Coefficients, floors and state transfer of the envelope lanes.
#include "vector_paths.h"

#if FENDWICK_X86_VECTOR_PATHS

#include "envelope_lanes.h"

#include <cfloat>
#include <cmath>

namespace fendwick {

namespace {

// Doubles beyond the float range become infinity rather than undefined.
float toFloat(double x) { return x > FLT_MAX ? INFINITY : static_cast<float>(x); }

}  // namespace

EnvelopeLanes::EnvelopeLanes(const EnvelopeDetector::Coefficients& left,
                             const EnvelopeDetector::Coefficients& right, bool stereo)
{
    const bool automaticL = left.automaticRelease;
    const bool automaticR = stereo && right.automaticRelease;
    const float mainL = automaticL ? left.fastReleaseCoef : left.releaseCoef;
    const float mainR = right.automaticRelease ? right.fastReleaseCoef : right.releaseCoef;
    const float slowL = automaticL ? left.slowReleaseCoef : 0.0f;
    const float slowR = automaticR ? right.slowReleaseCoef : 0.0f;
    attack = _mm_setr_ps(left.attackCoef, right.attackCoef, left.attackCoef, right.attackCoef);
    release = _mm_setr_ps(mainL, stereo ? mainR : 0.0f, slowL, slowR);
    inputMask = _mm_castsi128_ps(_mm_setr_epi32(-1, stereo ? -1 : 0, automaticL ? -1 : 0, automaticR ? -1 : 0));
    averageLeft = _mm_set1_ps(automaticL ? 0.5f : 1.0f);
    averageRight = _mm_set1_ps(automaticR ? 0.5f : 1.0f);

    // The coefficients of the lanes that take input.
    const float releases[] = {mainL, stereo ? mainR : mainL, automaticL ? slowL : mainL, automaticR ? slowR : mainL};
    flushFreeFloors(releases, left.attackCoef, stereo ? right.attackCoef : left.attackCoef, stereo, automaticL,
                    automaticR);
}

// Why a run may skip the flush. Let u = 2^-24 (the rounding unit),
// N = 2^-126 (the smallest normal), r the smallest release factor of a lane
// with input, n = kRunFrames and G = N / (r(1 - u))^n. If every lane starts
// at 0 or at least G, and every non-zero input magnitude a has
// a(1 - attackCoef) >= 4G, then after j <= n steps every lane is 0 or at
// least G(r(1 - u))^j >= N:
// - falling (a < env): fl(env r) >= env r (1 - u), as env r >= N is normal;
// - rising from 0 with a = 0: 0 + (0 - 0) attackCoef is 0;
// - rising with a > 0: the roundings of env - a and of its product lose at
//   most 2u a + 2^-150 against the exact a + (env - a) attackCoef, which is
//   at least a(1 - attackCoef); with 1 - attackCoef >= 2^-19 (32u), and the
//   sum's own rounding, the result is at least 0.9 a(1 - attackCoef) >= 3.6G.
// Infinities and NaN never turn into denormals, and lanes without input
// (input 0, release 0) are exactly 0 after any step. The floors take G
// twice over, which covers the rounding of this double arithmetic. Where the
// coefficients do not allow the argument, only runs that start and stay at
// zero skip the flush, which then cannot change anything either.
void EnvelopeLanes::flushFreeFloors(const float (&releases)[4], float attackL, float attackR, bool stereo,
                                    bool automaticL, bool automaticR)
{
    // Written so that a NaN anywhere fails the test.
    const float attackCoef = attackL > attackR ? attackL : attackR;
    float fastestRelease = 1.0f;
    bool allowed = attackL >= 0.0f && attackR >= 0.0f &&
                   1.0 - static_cast<double>(attackCoef) >= std::ldexp(1.0, -19);
    for (float r : releases) {
        allowed = allowed && r > 0.0f && r <= 1.0f;
        fastestRelease = r < fastestRelease ? r : fastestRelease;
    }
    if (!allowed) {
        startFloor = _mm_set1_ps(INFINITY);
        inputFloor = INFINITY;
        return;
    }
    const double attackRest = 1.0 - static_cast<double>(attackCoef);
    const double r = fastestRelease;
    const double shrink = r * (1.0 - std::ldexp(1.0, -24));
    double shrinkPerRun = 1.0;
    for (int32_t j = 0; j < kRunFrames; ++j) {
        shrinkPerRun *= shrink;
    }
    const double g = std::ldexp(1.0, -126) / shrinkPerRun;
    const float start = toFloat(2.0 * g);
    startFloor = _mm_setr_ps(start, stereo ? start : 0.0f, automaticL ? start : 0.0f, automaticR ? start : 0.0f);
    inputFloor = toFloat(8.0 * g / attackRest);
}

void EnvelopeLanes::store(__m128 env, EnvelopeDetector::Envelope& left, EnvelopeDetector::Envelope& right,
                          float lastLeft, float lastRight)
{
    alignas(16) float lanes[4];
    _mm_store_ps(lanes, env);
    left = {lanes[0], lanes[2], lastLeft, lastLeft < 0.0f ? -lastLeft : lastLeft};
    right = {lanes[1], lanes[3], lastRight, lastRight < 0.0f ? -lastRight : lastRight};
}

}  // namespace fendwick

#endif

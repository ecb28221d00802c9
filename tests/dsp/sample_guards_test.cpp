// The per-sample guards at the bit boundaries of the float format.
#include "sample_guards.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace fendwick {
namespace {

struct GuardCase {
    const char* name;
    float in;
    float flushed;  // what flushToZero answers
    float finite;   // what finiteOrZero answers
};

TEST(SampleGuards, EachGuardChangesOnlyItsOwnExponentEdge)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float largestDenormal = std::nextafter(FLT_MIN, 0.0f);
    const float denormMin = std::numeric_limits<float>::denorm_min();
    const GuardCase cases[] = {
        {"smallest normal", FLT_MIN, FLT_MIN, FLT_MIN},
        {"negative smallest normal", -FLT_MIN, -FLT_MIN, -FLT_MIN},
        {"largest denormal", largestDenormal, 0.0f, largestDenormal},
        {"negative smallest denormal", -denormMin, 0.0f, -denormMin},
        {"largest finite", FLT_MAX, FLT_MAX, FLT_MAX},
        {"negative largest finite", -FLT_MAX, -FLT_MAX, -FLT_MAX},
        {"infinity", inf, inf, 0.0f},
        {"negative infinity", -inf, -inf, 0.0f},
    };
    for (const GuardCase& c : cases) {
        EXPECT_EQ(floatBits(flushToZero(c.in)), floatBits(c.flushed)) << c.name;
        EXPECT_EQ(floatBits(finiteOrZero(c.in)), floatBits(c.finite)) << c.name;
    }
}

TEST(SampleGuards, NaNPassesTheFlushAndNotTheFiniteGuard)
{
    for (float nan : {std::numeric_limits<float>::quiet_NaN(), -std::numeric_limits<float>::quiet_NaN(),
                      std::numeric_limits<float>::signaling_NaN()}) {
        EXPECT_EQ(floatBits(flushToZero(nan)), floatBits(nan));
        EXPECT_EQ(floatBits(finiteOrZero(nan)), floatBits(0.0f));
    }
    // Both guards answer +0.0: a -0.0 in becomes +0.0 out of the flush.
    EXPECT_EQ(floatBits(flushToZero(-0.0f)), floatBits(0.0f));
}

}  // namespace
}  // namespace fendwick

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
    float input;    // what usableInput answers
};

TEST(SampleGuards, EachGuardChangesOnlyWhatLiesBeyondItsEdges)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float largestDenormal = std::nextafter(FLT_MIN, 0.0f);
    const float denormMin = std::numeric_limits<float>::denorm_min();
    const float beyond = std::nextafter(kLargestInput, inf);
    const GuardCase cases[] = {
        {"smallest normal", FLT_MIN, FLT_MIN, FLT_MIN},
        {"negative smallest normal", -FLT_MIN, -FLT_MIN, -FLT_MIN},
        {"largest denormal", largestDenormal, 0.0f, 0.0f},
        {"negative smallest denormal", -denormMin, 0.0f, 0.0f},
        {"+40 dBFS", 100.0f, 100.0f, 100.0f},
        {"largest input", kLargestInput, kLargestInput, kLargestInput},
        {"negative largest input", -kLargestInput, -kLargestInput, -kLargestInput},
        {"just beyond the largest input", beyond, beyond, 0.0f},
        {"just beyond the negative largest input", -beyond, -beyond, 0.0f},
        {"largest finite", FLT_MAX, FLT_MAX, 0.0f},
        {"negative largest finite", -FLT_MAX, -FLT_MAX, 0.0f},
        {"infinity", inf, inf, 0.0f},
        {"negative infinity", -inf, -inf, 0.0f},
        {"NaN", nan, nan, 0.0f},
        {"negative NaN", -nan, -nan, 0.0f},
        {"negative zero", -0.0f, 0.0f, 0.0f},  // both answer +0.0
    };
    for (const GuardCase& c : cases) {
        EXPECT_EQ(floatBits(flushToZero(c.in)), floatBits(c.flushed)) << c.name;
        EXPECT_EQ(floatBits(usableInput(c.in)), floatBits(c.input)) << c.name;
    }
}

}  // namespace
}  // namespace fendwick

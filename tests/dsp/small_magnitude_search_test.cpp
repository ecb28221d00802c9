// Where the search for small magnitudes draws its lines, in every lane of
// both vector widths: the frame loops skip stepping their detectors again
// on its word.
#include "flushable_values.h"
#include "lane_types.h"
#include "processor_features.h"
#include "vector_paths.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace fendwick {
namespace {

#if FENDWICK_X86_VECTOR_PATHS

struct SearchCase {
    const char* name;
    float value;
    float bound;
    bool below;  // what anyBelow(bound) answers for the value among ones of 1.0
};

template <int Width>
void expectEveryLane(const SearchCase& c)
{
    for (int32_t lane = 0; lane < 2 * Width; ++lane) {
        std::vector<float> values(2 * Width, 1.0f);
        values[static_cast<size_t>(lane)] = c.value;
        SmallMagnitudeSearch<typename LaneTypes<Width>::Bits> search;
        search.lookThrough(values.data(), 2 * Width);
        EXPECT_EQ(search.anyBelow(c.bound), c.below) << c.name << ", lane " << lane << " of " << Width;
        if (c.bound == FLT_MIN) {
            EXPECT_EQ(search.anyFlushable(), c.below) << c.name << ", lane " << lane << " of " << Width;
        }
    }
}

TEST(SmallMagnitudeSearch, FindsExactlyTheMagnitudesBelowItsBoundAndNegativeZero)
{
    const float denormMin = std::numeric_limits<float>::denorm_min();
    const float largestDenormal = std::nextafter(FLT_MIN, 0.0f);
    const float bound = 1e-20f;
    const float underBound = std::nextafter(bound, 0.0f);
    const SearchCase cases[] = {
        {"+0.0", 0.0f, FLT_MIN, false},
        {"-0.0", -0.0f, FLT_MIN, true},
        {"smallest denormal", denormMin, FLT_MIN, true},
        {"negative largest denormal", -largestDenormal, FLT_MIN, true},
        {"smallest normal", FLT_MIN, FLT_MIN, false},
        {"negative smallest normal", -FLT_MIN, FLT_MIN, false},
        {"just under a bound", underBound, bound, true},
        {"negative, just under a bound", -underBound, bound, true},
        {"at the bound", bound, bound, false},
        {"negative, at the bound", -bound, bound, false},
        {"-0.0 under any bound", -0.0f, bound, true},
        {"NaN", std::numeric_limits<float>::quiet_NaN(), bound, false},
        {"negative infinity", -std::numeric_limits<float>::infinity(), bound, false},
    };
    const bool sixteen = processorHasAvx512vl();
    for (const SearchCase& c : cases) {
        expectEveryLane<4>(c);
        if (sixteen) {
            expectEveryLane<16>(c);
        }
    }
}

// Values whose keys have the top bit set, alone in every lane, which an
// ordering that took the keys as signed would put below every bound.
template <int Width>
void expectNothingBelowAmong(float value, const char* name)
{
    std::vector<float> values(Width, value);
    SmallMagnitudeSearch<typename LaneTypes<Width>::Bits> search;
    search.lookThrough(values.data(), Width);
    for (const float bound : {FLT_MIN, 1e-20f, 1.0f, FLT_MAX}) {
        EXPECT_FALSE(search.anyBelow(bound)) << name << " under " << bound << ", " << Width << " lanes";
    }
}

TEST(SmallMagnitudeSearch, FindsNothingBelowAmongZerosNaNsAndInfinitiesAlone)
{
    const float inf = std::numeric_limits<float>::infinity();
    const bool sixteen = processorHasAvx512vl();
    for (const auto& [value, name] : {std::pair{0.0f, "+0.0"}, std::pair{-inf, "negative infinity"},
                                      std::pair{inf, "infinity"},
                                      std::pair{-std::numeric_limits<float>::quiet_NaN(), "negative NaN"}}) {
        expectNothingBelowAmong<4>(value, name);
        if (sixteen) {
            expectNothingBelowAmong<16>(value, name);
        }
    }
}

TEST(SmallMagnitudeSearch, KeepsTheSmallestOfEveryLookAndNothingBefore)
{
    SmallMagnitudeSearch<LaneTypes<4>::Bits> search;
    EXPECT_FALSE(search.anyBelow(FLT_MAX)) << "nothing looked through yet";
    const float first[4] = {0.5f, 0.0f, 0.25f, 1.0f};
    const float second[4] = {0.0f, 0.125f, 0.0f, 0.0f};
    search.lookThrough(first, 4);
    search.lookThrough(second, 4);
    EXPECT_TRUE(search.anyBelow(std::nextafter(0.125f, 1.0f)));
    EXPECT_FALSE(search.anyBelow(0.125f));
}

#endif

}  // namespace
}  // namespace fendwick

// Whether a vector of levels reaches a bound in any lane: the stages leave
// out the gains of a vector on its word, so a lane it misses would lose a gain.
#include "lane_reach.h"
#include "processor_features.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace fendwick {
namespace {

#if FENDWICK_X86_VECTOR_PATHS

struct ReachCase {
    const char* name;
    float value;
    bool reaches;  // a lane holding the value among lanes just below the bound
};

constexpr float kBound = 0.97f;

template <int Width>
void expectEveryLane(const ReachCase& c)
{
    for (int lane = 0; lane < Width; ++lane) {
        float values[Width];
        for (float& v : values) {
            v = std::nextafter(kBound, 0.0f);
        }
        values[lane] = c.value;
        typename LaneTypes<Width>::Floats x;
        std::memcpy(&x, values, sizeof x);
        EXPECT_EQ(anyLaneReaches(x, kBound), c.reaches) << c.name << ", lane " << lane << " of " << Width;
    }
}

TEST(LaneReach, FindsALaneAtOrAboveTheBoundInEveryLane)
{
    const ReachCase cases[] = {
        {"at the bound", kBound, true},
        {"above it", 2.0f, true},
        {"infinity", std::numeric_limits<float>::infinity(), true},
        {"just below it", std::nextafter(kBound, 0.0f), false},
        {"negative", -2.0f, false},
        {"NaN", std::numeric_limits<float>::quiet_NaN(), false},
    };
    const bool sixteen = processorHasAvx512vl();
    for (const ReachCase& c : cases) {
        EXPECT_EQ(anyLaneReaches(c.value, kBound), c.reaches) << c.name << ", one float";
        expectEveryLane<4>(c);
        if (sixteen) {
            expectEveryLane<16>(c);
        }
    }
}

#endif

}  // namespace
}  // namespace fendwick

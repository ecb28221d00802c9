// The knee curve at chosen levels and knee settings.
#include "knee_curve.h"

#include <gtest/gtest.h>

namespace fendwick {
namespace {

TEST(KneeCurve, ReshapesOnlyLevelsBelowOne)
{
    const struct {
        float level;
        float knee;
        float shaped;
    } cases[] = {
        {0.5f, 0.0f, 0.5f},     // a hard knee passes the level
        {0.5f, 1.0f, 0.6875f},  // 1.75 x 0.5 - 0.75 x 0.25
        {0.5f, 0.5f, 0.59375f}, // halfway between the two
        {0.0f, 1.0f, 0.0f},
        {1.0f, 1.0f, 1.0f},     // the curve meets the line at 1
        {1.5f, 1.0f, 1.5f},     // louder levels are never reshaped
        {4.0f, 0.7f, 4.0f},
    };
    for (const auto& c : cases) {
        float level = c.level;
        applyKnee(level, c.knee);
        EXPECT_FLOAT_EQ(level, c.shaped) << c.level << " at knee " << c.knee;
    }
}

}  // namespace
}  // namespace fendwick

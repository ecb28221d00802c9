// The compressor gain from the threshold and ratio laws: unity below the
// threshold and at ratio 0, the level held at the threshold at ratio 1.
#include "compressor_gain.h"
#include "ratio_slope.h"
#include "threshold_law.h"

#include <gtest/gtest.h>

#include <limits>

namespace fendwick {
namespace {

TEST(CompressorGain, ThresholdAndRatioSetTheCurve)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct { float thresh; float ratio; float level; float gain; } cases[] = {
        {0.5f, 0.0f, 0.9f, 1.0f},            {0.0f, 0.0f, 1.0f, 1.0f},        {0.5f, 1.0f, 0.4995f, 1.0f},
        {0.5f, 1.0f, 0.999f, 0.5f},          {0.0f, 1.0f, 0.31591146f, 0.01f}, {0.5f, 1.0f, 0.4f, 1.0f},
        {0.5f, 0.5f, 1.0f, 0.7067531f},      {0.5f, 1.0f, nan, 1.0f},
    };
    for (const auto& c : cases) {
        const float threshold = thresholdAmplitude(c.thresh);
        EXPECT_FLOAT_EQ(compressorGain(threshold, ratioSlope(threshold, c.ratio), c.level), c.gain)
            << c.thresh << " " << c.ratio << " " << c.level;
    }
}

}  // namespace
}  // namespace fendwick

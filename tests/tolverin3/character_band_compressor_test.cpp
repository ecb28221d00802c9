// One band's compressor of the three-band character line: its gain law with
// Type, and what PW and Comp do to its sample, its gain and its detector.
#include "character_band_compressor.h"

#include <gtest/gtest.h>

namespace fendwick {
namespace {

// A threshold of 0.25 held by ratio 1 (slope 0) unless a slope is given;
// Type below 0.5 lifts the gain onto the gentle curve.
TEST(CharacterBandCompressor, GainAtTheThresholdAndAboveWithEachType)
{
    const struct { float slope; float type; float level; float gain; } cases[] = {
        {0.0f, 1.0f, 0.25f, 1.0f},     // a level equal to T takes the law, which gives 1
        {0.0f, 0.0f, 0.25f, 1.0f},     // and the gentle curve keeps 1 at 1
        {0.0f, 1.0f, 0.5f, 0.5f},      // held at T
        {0.0f, 0.0f, 0.5f, 0.575f},    // 0.5 lifted to 0.575
        {0.0f, 0.49f, 0.5f, 0.575f},   // Type switches at 0.5
        {0.0f, 1.0f, 0.2f, 1.0f},      // below T
        {1.0f, 1.0f, 0.9f, 1.0f},      // ratio 0: no compression at any level
        {0.5f, 1.0f, 1.0f, 0.625f}};   // full scale halfway between T and 1
    for (const auto& c : cases) {
        CharacterBandSettings s;
        s.threshold = 0.25f;
        s.slope = c.slope;
        s.type = c.type;
        EXPECT_FLOAT_EQ(characterBandGain(s, c.level), c.gain) << c.slope << " " << c.type << " " << c.level;
    }
    CharacterBandSettings s;
    s.threshold = 0.1f;
    s.slope = 0.3f;
    EXPECT_EQ(characterBandGain(s, 0.1f), 1.0f) << "exactly unity at T, with no rounding below it";
}

// A detector primed on a band at 0.5, then a sample of 0.9: Comp off
// leaves the envelope where it was and passes the sample at unity; PW off
// silences the band and shows a gain of 1.0, compressed or not.
TEST(CharacterBandCompressor, PowerAndCompressionSwitches)
{
    const struct { float power; float comp; bool compressed; float passed; } cases[] = {
        {1.0f, 1.0f, true, 0.0f}, {1.0f, 0.0f, false, 0.9f}, {0.0f, 1.0f, true, 0.0f}, {0.0f, 0.0f, false, 0.0f}};
    for (const auto& c : cases) {
        CharacterBandSettings s;
        s.threshold = 0.25f;
        s.slope = 0.0f;
        s.type = 1.0f;
        LevelDetector detector;
        detector.setReleaseMode(0.0f);
        for (int i = 0; i < 20000; ++i) {
            compressCharacterBand(s, detector, 0.5f);
        }
        const float primed = detector.fastEnvelope();
        s.power = c.power;
        s.compression = c.comp;
        const BandOutput out = compressCharacterBand(s, detector, 0.9f);
        EXPECT_EQ(detector.fastEnvelope() > primed, c.compressed) << c.power << " " << c.comp;
        if (c.compressed && c.power > 0.5f) {
            EXPECT_LT(out.gain, 0.5f);
            EXPECT_GT(out.gain, 0.25f / 0.9f);
            EXPECT_FLOAT_EQ(out.sample, out.gain * 0.9f);
        } else {
            EXPECT_EQ(out.gain, 1.0f) << c.power << " " << c.comp;
            EXPECT_EQ(out.sample, c.passed) << c.power << " " << c.comp;
        }
    }
}

}  // namespace
}  // namespace fendwick

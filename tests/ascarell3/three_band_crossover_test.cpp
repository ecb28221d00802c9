// The three-band split: the bands add up to the input, each channel is
// split on its own, the bands follow their cutoffs, and the split points
// push each other.
#include "crossover_split_points.h"
#include "three_band_crossover.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace fendwick {
namespace {

ThreeBandCrossover makeCrossover(int channels, float loMidX, float midHiX, float rateHz)
{
    ThreeBandCrossover x(channels);
    x.setSampleRate(rateHz);
    x.setCutoffs(loMidX, midHiX);
    return x;
}

TEST(ThreeBandCrossoverSplit, BandsSumToTheInputAtEveryRate)
{
    const struct { float loMid; float midHi; float rateHz; } cases[] = {
        {0.314189f, 0.844594f, 44100.0f}, {0.0f, 1.0f, 44100.0f}, {0.5f, 0.5f, 48000.0f},
        {0.2f, 0.6f, 96000.0f}, {0.7f, 1.0f, 22050.0f}, {1.0f, 1.0f, 22050.0f}};
    for (const auto& c : cases) {
        for (int channels = 1; channels <= 2; ++channels) {
            ThreeBandCrossover crossover = makeCrossover(channels, c.loMid, c.midHi, c.rateHz);
            std::mt19937 random(3);
            std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
            float worst = 0.0f;
            for (int i = 0; i < 20000; ++i) {
                const float in[2] = {noise(random), noise(random)};
                CrossoverBands bands[2];
                crossover.split(in, bands);
                for (int ch = 0; ch < channels; ++ch) {
                    worst = std::max(worst, std::fabs(bands[ch].lo + bands[ch].mid + bands[ch].hi - in[ch]));
                }
            }
            EXPECT_LT(worst, 2e-6f) << c.loMid << " " << c.midHi << " " << c.rateHz << " " << channels;
        }
    }
}

// Left alone in a stereo crossover splits as in a mono one; right stays silent.
TEST(ThreeBandCrossoverSplit, ChannelsSplitApart)
{
    ThreeBandCrossover stereo = makeCrossover(2, 0.3f, 0.8f, 48000.0f);
    ThreeBandCrossover mono = makeCrossover(1, 0.3f, 0.8f, 48000.0f);
    for (int i = 0; i < 2000; ++i) {
        const float in[2] = {static_cast<float>(std::sin(i * 0.05)), 0.0f};
        CrossoverBands s[2];
        CrossoverBands m[1];
        stereo.split(in, s);
        mono.split(in, m);
        ASSERT_EQ(s[0].lo, m[0].lo);
        ASSERT_EQ(s[0].mid, m[0].mid);
        ASSERT_EQ(s[0].hi, m[0].hi);
        ASSERT_EQ(s[1].lo + s[1].mid + s[1].hi, 0.0f);
    }
}

// Lo-Mid at about 228 Hz and Mid-Hi at about 9 kHz: a tone well inside a
// band comes out mostly in that band.
TEST(ThreeBandCrossoverSplit, EachBandCarriesItsRange)
{
    const float rateHz = 96000.0f;
    const struct { float toneHz; int band; } cases[] = {{40.0f, 0}, {1500.0f, 1}, {35000.0f, 2}};
    for (const auto& c : cases) {
        ThreeBandCrossover crossover = makeCrossover(1, 0.3f, 0.8f, rateHz);
        double energy[3] = {0.0, 0.0, 0.0};
        for (int i = 0; i < 96000; ++i) {
            const float in = static_cast<float>(std::sin(6.283185307179586 * c.toneHz * i / rateHz));
            CrossoverBands b;
            crossover.split(&in, &b);
            energy[0] += b.lo * b.lo;
            energy[1] += b.mid * b.mid;
            energy[2] += b.hi * b.hi;
        }
        for (int band = 0; band < 3; ++band) {
            if (band != c.band) {
                EXPECT_GT(energy[c.band], 10.0 * energy[band]) << c.toneHz << " band " << band;
            }
        }
    }
}

TEST(ThreeBandCrossoverState, ResetRunsLikeAFreshCrossover)
{
    ThreeBandCrossover used = makeCrossover(2, 0.4f, 0.7f, 44100.0f);
    for (int i = 0; i < 500; ++i) {
        const float in[2] = {1.0f, -0.5f};
        CrossoverBands b[2];
        used.split(in, b);
    }
    used.reset();
    ThreeBandCrossover fresh = makeCrossover(2, 0.4f, 0.7f, 44100.0f);
    for (const float v : {0.7f, -0.2f, 0.0f, 0.4f}) {
        const float in[2] = {v, -v};
        CrossoverBands u[2];
        CrossoverBands f[2];
        used.split(in, u);
        fresh.split(in, f);
        for (int ch = 0; ch < 2; ++ch) {
            EXPECT_EQ(u[ch].lo, f[ch].lo);
            EXPECT_EQ(u[ch].mid, f[ch].mid);
            EXPECT_EQ(u[ch].hi, f[ch].hi);
        }
    }
}

TEST(CrossoverSplitPointsTest, MovingOnePastTheOtherPushesIt)
{
    const struct { bool movesLoMid; float x; float loMid; float midHi; } cases[] = {
        {true, 0.9f, 0.9f, 0.9f},   // Lo-Mid up past Mid-Hi 0.8 lifts it
        {true, 0.5f, 0.5f, 0.8f},   // below it leaves it
        {false, 0.1f, 0.1f, 0.1f},  // Mid-Hi down past Lo-Mid 0.3 lowers it
        {false, 0.6f, 0.3f, 0.6f},  // above it leaves it
    };
    for (const auto& c : cases) {
        const CrossoverSplitPoints start{c.movesLoMid ? 0.2f : 0.3f, c.movesLoMid ? 0.8f : 0.7f};
        const CrossoverSplitPoints p = c.movesLoMid ? withLoMid(start, c.x) : withMidHi(start, c.x);
        EXPECT_EQ(p.loMid, c.loMid) << c.x;
        EXPECT_EQ(p.midHi, c.midHi) << c.x;
    }
}

}  // namespace
}  // namespace fendwick

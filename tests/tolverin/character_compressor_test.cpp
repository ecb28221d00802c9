// The character compressor as a whole: the gate, the gain law and its link,
// Reduction, low cut, limiter bound, meters, block sizes and accumulation.
#include "character_compressor.h"
#include "meter_recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace fendwick {
namespace {

using Param = TolverinParam::Index;

// One effect with a recorder, fed frame by frame or in blocks.
struct Rig {
    explicit Rig(CharacterChannels channels = CharacterChannels::stereo)
        : effect(nullptr, channels), meters(new MeterRecorder(effect)), width(static_cast<int>(channels))
    {
        effect.resume();
        meters->published.clear();
    }
    // Sets a parameter by its stereo index, whatever the build.
    void set(Param p, float x) { effect.setParameter(effect.isStereo() ? p : p - 1, x); }
    // Runs the signal (per channel) in blocks of `block` frames; returns the output.
    std::vector<std::vector<float>> run(const std::vector<std::vector<float>>& in, int block = 512,
                                        bool accumulate = false, float prefill = 0.0f)
    {
        std::vector<std::vector<float>> out(in.size(), std::vector<float>(in[0].size(), prefill));
        for (size_t start = 0; start < in[0].size(); start += static_cast<size_t>(block)) {
            const auto n = static_cast<int32_t>(std::min(in[0].size() - start, static_cast<size_t>(block)));
            float* ins[2] = {};
            float* outs[2] = {};
            for (size_t c = 0; c < in.size(); ++c) {
                ins[c] = const_cast<float*>(in[c].data()) + start;
                outs[c] = out[c].data() + start;
            }
            meters->frame = static_cast<int64_t>(start);
            accumulate ? effect.processAccumulate(ins, outs, n) : effect.processReplace(ins, outs, n);
        }
        return out;
    }
    std::vector<std::vector<float>> constant(float left, float right, size_t frames) const
    {
        std::vector<std::vector<float>> in{std::vector<float>(frames, left)};
        if (width == 2) {
            in.emplace_back(frames, right);
        }
        return in;
    }
    // The last published reading of a meter.
    float meter(int32_t index) const { return effect.getDisplayValue(index); }

    CharacterCompressor effect;
    MeterRecorder* meters;
    int width;
};

std::vector<std::vector<float>> music(int channels, size_t frames)
{
    std::vector<std::vector<float>> in(static_cast<size_t>(channels), std::vector<float>(frames));
    for (size_t c = 0; c < in.size(); ++c) {
        for (size_t i = 0; i < frames; ++i) {
            const double t = static_cast<double>(i) / 44100.0;
            const double swell = i % 20000 < 9000 ? 1.0 : 0.0;  // silent stretches let the gate close
            in[c][i] = static_cast<float>(swell * 0.95 * std::sin(6.2831853 * (110.0 + 60.0 * c) * t) *
                                          std::sin(6.2831853 * 3.0 * t));
        }
    }
    return in;
}

TEST(CharacterCompressor, QuietInputIsBypassedFromThe101stFrameWhileTheMetersCount)
{
    for (bool accumulate : {false, true}) {
        Rig rig;
        auto in = rig.constant(0.5f, 0.5f, 300);
        std::fill(in[0].begin() + 100, in[0].end(), 5e-6f);
        std::fill(in[1].begin() + 100, in[1].end(), -5e-6f);
        const auto out = rig.run(in, 64, accumulate, 0.25f);
        for (size_t c = 0; c < 2; ++c) {
            EXPECT_NE(out[c][199], accumulate ? 0.25f : 0.0f) << "the 100th quiet frame is processed";
            for (size_t i = 200; i < 300; ++i) {
                ASSERT_EQ(out[c][i], accumulate ? 0.25f : 0.0f) << c << ":" << i;
            }
        }
    }
    // From a reset, silence never reaches a block, yet every meter publishes its rest value.
    Rig rig;
    const auto out = rig.run(rig.constant(0.0f, 0.0f, 4420), 4420, false, 0.25f);
    EXPECT_EQ(out[0], std::vector<float>(4420, 0.0f));
    ASSERT_EQ(rig.meters->published.size(), 6u);
    for (const Publication& p : rig.meters->published) {
        const bool gainMeter = p.index == 15 || p.index >= 19;
        EXPECT_EQ(p.value, gainMeter ? 1.0f : 0.0f) << p.index;
    }
}

// The frames on which the compressor gain meter publishes, at block size 1.
TEST(CharacterCompressor, MetersPublishEveryIntervalPlusOneFrames)
{
    const struct { CharacterChannels channels; float rateHz; bool resumed; int64_t first; int64_t period; } cases[] = {
        {CharacterChannels::stereo, 0.0f, false, 4407, 4411}, {CharacterChannels::stereo, 48000.0f, false, 4797, 4801},
        {CharacterChannels::mono, 48000.0f, false, 4797, 4801},  {CharacterChannels::stereo, 48000.0f, true, 4407, 4411},
        {CharacterChannels::mono, 44100.0f, true, 4407, 4411}};
    for (const auto& c : cases) {
        Rig rig(c.channels);
        if (c.rateHz > 0.0f) {
            rig.effect.setSampleRate(c.rateHz);
        }
        if (c.resumed) {
            rig.effect.resume();
        }
        rig.meters->published.clear();
        rig.run(rig.constant(0.3f, 0.3f, 10000), 1);
        const int32_t gainMeter = rig.effect.isStereo() ? 15 : 12;
        std::vector<int64_t> at;
        for (const Publication& p : rig.meters->published) {
            if (p.index == gainMeter) {
                at.push_back(p.frame);
            }
        }
        ASSERT_GE(at.size(), 2u) << c.rateHz;
        EXPECT_EQ(at[0], c.first) << c.rateHz;
        EXPECT_EQ(at[1] - at[0], c.period) << c.rateHz;
    }
}

// When the meter interval shrinks under the counts, every meter is due on
// the same frame: processed frames publish the compressor meters first,
// bypassed ones the limiter meters first.
TEST(CharacterCompressor, MetersDueTogetherPublishInTheirOrder)
{
    const struct { CharacterChannels channels; float level; std::vector<int32_t> order; } cases[] = {
        {CharacterChannels::stereo, 0.3f, {16, 15, 17, 18, 19, 20}}, {CharacterChannels::stereo, 0.0f, {19, 20, 17, 18, 16, 15}},
        {CharacterChannels::mono, 0.3f, {13, 12, 14, 15}},           {CharacterChannels::mono, 0.0f, {15, 14, 13, 12}}};
    for (const auto& c : cases) {
        Rig rig(c.channels);
        rig.run(rig.constant(c.level, c.level, 4370));
        EXPECT_TRUE(rig.meters->published.empty());
        rig.effect.setSampleRate(22050.0f);
        rig.run(rig.constant(c.level, c.level, 1));
        std::vector<int32_t> order;
        for (const Publication& p : rig.meters->published) {
            order.push_back(p.index);
        }
        EXPECT_EQ(order, c.order) << c.level;
    }
}

// Loud steady input at a threshold of -12 dB: the compressor gain meter
// shows the gain law, Ratio 0 none, Ratio 1 the threshold over the level,
// and Reduction below 0.5 the softened gain (0.5 becomes 0.575).
TEST(CharacterCompressor, CompressorGainFollowsRatioAndReduction)
{
    const struct { float ratio; float reduction; float gain; } cases[] = {
        {0.0f, 1.0f, 1.0f}, {0.0f, 0.0f, 1.0f}, {1.0f, 1.0f, 0.5f}, {1.0f, 0.0f, 0.575f}};
    for (CharacterChannels channels : {CharacterChannels::stereo, CharacterChannels::mono}) {
        for (const auto& c : cases) {
            Rig rig(channels);
            rig.set(Param::arc, 0.0f);
            rig.set(Param::thresh, 0.25f / 0.999f);
            rig.set(Param::ratio, c.ratio);
            rig.set(Param::reduction, c.reduction);
            rig.run(rig.constant(0.5f, 0.5f, 3 * 4411));
            EXPECT_NEAR(rig.meter(rig.effect.isStereo() ? 15 : 12), c.gain, 2e-3f) << c.ratio << " " << c.reduction;
        }
    }
}

// Left quiet, right loud. Linked, both channels leave with the right's
// gain; unlinked, the left keeps more level, yet the character stage is
// still shared: the loud right pulls the left's character gain down.
TEST(CharacterCompressor, StereoLinkSharesTheGainAndTheCharacterStageIsAlwaysShared)
{
    auto gainsOut = [](float link, float right) {
        Rig rig;
        rig.set(Param::stereoLink, link);
        rig.set(Param::peakLimiter, 0.0f);
        rig.set(Param::thresh, 0.25f);
        rig.set(Param::ratio, 1.0f);
        const auto out = rig.run(rig.constant(0.01f, right, 20000));
        return std::vector<float>{out[0].back() / 0.01f, out[1].back() / right};
    };
    const std::vector<float> linked = gainsOut(1.0f, 0.8f);
    const std::vector<float> unlinked = gainsOut(0.0f, 0.8f);
    EXPECT_NEAR(linked[0], linked[1], 1e-4f);
    EXPECT_LT(linked[0], 0.5f);
    EXPECT_GT(unlinked[0], 1.0f);
    EXPECT_NEAR(unlinked[1], linked[1], 1e-4f);
    EXPECT_LT(unlinked[0], gainsOut(0.0f, 0.01f)[0] - 0.005f);
}

// DC dies away behind the low cut and passes without it; the limiter holds
// a full-scale tone at +6 dB under the ceiling, and without it the ceiling
// does nothing.
TEST(CharacterCompressor, LowCutAndLimiterCeiling)
{
    const struct { float loCut; float limiter; float lowest; float highest; } cases[] = {
        {1.0f, 0.0f, 0.0f, 1e-3f}, {0.0f, 0.0f, 0.1f, 2.0f}, {0.0f, 1.0f, 0.4f, 0.999999f * 0.5f}};
    for (CharacterChannels channels : {CharacterChannels::stereo, CharacterChannels::mono}) {
        for (const auto& c : cases) {
            Rig rig(channels);
            rig.set(Param::loCut, c.loCut);
            rig.set(Param::peakLimiter, c.limiter);
            rig.set(Param::outCeiling, 0.5f);
            rig.set(Param::outLevel, 1.0f);
            rig.set(Param::ratio, 0.0f);
            auto in = rig.constant(0.5f, 0.5f, 44100);
            if (c.limiter > 0.0f) {
                in = music(rig.width, 44100);
                std::transform(in[0].begin(), in[0].end(), in[0].begin(), [](float x) { return x / 0.95f; });
            }
            const auto out = rig.run(in);
            float tail = 0.0f;
            for (const auto& channel : out) {
                for (size_t i = c.limiter > 0.0f ? 0 : 22050; i < channel.size(); ++i) {
                    tail = std::max(tail, std::fabs(channel[i]));
                }
            }
            float leastLimiterGain = 1.0f;
            for (const Publication& p : rig.meters->published) {
                const bool limiterMeter = p.index == (rig.effect.isStereo() ? 19 : 15);
                leastLimiterGain = limiterMeter ? std::min(leastLimiterGain, p.value) : leastLimiterGain;
            }
            EXPECT_EQ(leastLimiterGain < 0.9f, c.limiter > 0.0f) << leastLimiterGain;
            EXPECT_GE(tail, c.lowest) << c.loCut << " " << c.limiter;
            EXPECT_LE(tail, c.highest) << c.loCut << " " << c.limiter;
        }
    }
}

// Music with silent stretches, program "Drum Loud" with the low cut and the
// enhancer on: every block size gives the same samples and the same meter
// readings in the same order, and accumulating adds exactly what replacing writes.
TEST(CharacterCompressor, AnyBlockSizeGivesTheSameOutputAndMeters)
{
    for (CharacterChannels channels : {CharacterChannels::stereo, CharacterChannels::mono}) {
        auto render = [channels](int block, bool accumulate) {
            Rig rig(channels);
            rig.effect.setProgram(19);
            rig.set(Param::loCut, 1.0f);
            rig.set(Param::stereoEnhSwitch, 1.0f);
            const auto out = rig.run(music(rig.width, 50000), block, accumulate, accumulate ? 0.25f : 0.0f);
            std::vector<std::pair<int32_t, float>> readings;
            for (const Publication& p : rig.meters->published) {
                readings.emplace_back(p.index, p.value);
            }
            return std::make_pair(out, readings);
        };
        const auto whole = render(50000, false);
        EXPECT_GT(whole.second.size(), 40u);
        for (int block : {1, 7, 512, 4411}) {
            EXPECT_EQ(render(block, false), whole) << block;
        }
        const auto accumulated = render(333, true).first;
        for (size_t c = 0; c < accumulated.size(); ++c) {
            for (size_t i = 0; i < accumulated[c].size(); ++i) {
                ASSERT_EQ(accumulated[c][i], 0.25f + whole.first[c][i]) << c << ":" << i;
            }
        }
    }
}

}  // namespace
}  // namespace fendwick

// The three-band character compressor as a whole: the band mix, PW and
// Comp, parameters without linking, programs, meters, the silence gate,
// bad input, block sizes, accumulation and sample rates.
#include "meter_recorder.h"
#include "multiband_character_compressor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace fendwick {
namespace {

using P = Tolverin3Param::Index;
using M = Tolverin3Meter::Index;

// One effect with a recorder, fed in blocks.
struct Rig {
    Rig() : meters(new MeterRecorder(effect))
    {
        effect.resume();
        meters->published.clear();
    }
    std::vector<float> run(const std::vector<float>& in, int block = 512, bool accumulate = false,
                           float prefill = 0.0f)
    {
        std::vector<float> out(in.size(), prefill);
        for (size_t start = 0; start < in.size(); start += static_cast<size_t>(block)) {
            const auto n = static_cast<int32_t>(std::min(in.size() - start, static_cast<size_t>(block)));
            float* ins[1] = {const_cast<float*>(in.data()) + start};
            float* outs[1] = {out.data() + start};
            meters->frame = static_cast<int64_t>(start);
            accumulate ? effect.processAccumulate(ins, outs, n) : effect.processReplace(ins, outs, n);
        }
        return out;
    }
    std::vector<int32_t> publishedIndexes() const
    {
        std::vector<int32_t> order;
        for (const Publication& p : meters->published) {
            order.push_back(p.index);
        }
        return order;
    }

    MultibandCharacterCompressor effect{nullptr};
    MeterRecorder* meters;
};

// A low, a middle and a high tone, one in each band of the default split
// (263 Hz and 11219 Hz), swelling and fading; with `gaps`, silent
// stretches long enough for the gate to close.
std::vector<float> music(size_t frames, bool gaps = false, float amplitude = 0.95f)
{
    std::vector<float> in(frames);
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / 44100.0;
        const double swell = gaps && i % 20000 >= 9000 ? 0.0 : std::sin(6.2831853 * 3.0 * t);
        const double tones = std::sin(6.2831853 * 90.0 * t) + std::sin(6.2831853 * 2000.0 * t) +
                             std::sin(6.2831853 * 15000.0 * t);
        in[i] = static_cast<float>(amplitude * swell * tones / 3.0);
    }
    return in;
}

void setEveryBand(MultibandCharacterCompressor& effect, BandParam::Offset offset, float x)
{
    for (const MultibandBand band : {MultibandBand::hi, MultibandBand::mid, MultibandBand::lo}) {
        effect.setParameter(tolverin3BandParameter(band, offset), x);
    }
}

// With every band passed at unity and the low cut off, the effect is the
// character and output stages alone on the input, wherever the split lies.
TEST(MultibandCharacterCompressor, BandsAtUnityMixBackToTheInput)
{
    const struct { float loMid; float midHi; float sonicFilter; float limiter; } cases[] = {
        {0.314189f, 0.844594f, 0.0f, 1.0f}, {0.0f, 1.0f, 0.5f, 0.0f}, {0.6f, 0.6f, 1.0f, 1.0f},
        {0.2f, 0.5f, 0.0f, 0.0f}};
    for (const auto& c : cases) {
        Rig rig;
        rig.effect.setParameter(P::loMid, c.loMid);
        rig.effect.setParameter(P::midHi, c.midHi);
        rig.effect.setParameter(P::sonicFilter, c.sonicFilter);
        rig.effect.setParameter(P::peakLimiter, c.limiter);
        setEveryBand(rig.effect, BandParam::comp, 0.0f);
        SonicFilter character;
        character.setCurve(c.sonicFilter);
        OutputStage output;
        output.setLimiter(c.limiter);
        const std::vector<float> in = music(20000);
        const std::vector<float> out = rig.run(in);
        for (size_t i = 0; i < in.size(); ++i) {
            ASSERT_NEAR(out[i], output.step(character.step(in[i])).output, 2e-6f) << c.loMid << " " << i;
        }
    }
}

// Every band compresses hard but one, which PW turns off: that band's level
// meter stays at 0 and its gain meter at 1.0, with Comp on or off.
TEST(MultibandCharacterCompressor, BandWithPowerOffAddsNothingAndShowsUnityGain)
{
    const M levelMeter[] = {M::hiLevel, M::midLevel, M::loLevel};
    const M gainMeter[] = {M::hiGain, M::midGain, M::loGain};
    for (int32_t off = 0; off < kMultibandBandCount; ++off) {
        for (const float comp : {0.0f, 1.0f}) {
            Rig rig;
            setEveryBand(rig.effect, BandParam::thresh, 0.02f);
            setEveryBand(rig.effect, BandParam::ratio, 1.0f);
            const auto band = static_cast<MultibandBand>(off);
            rig.effect.setParameter(tolverin3BandParameter(band, BandParam::power), 0.0f);
            rig.effect.setParameter(tolverin3BandParameter(band, BandParam::comp), comp);
            rig.run(music(3 * 4411));
            for (int32_t b = 0; b < kMultibandBandCount; ++b) {
                const float level = rig.effect.getDisplayValue(levelMeter[b]);
                const float gain = rig.effect.getDisplayValue(gainMeter[b]);
                if (b == off) {
                    EXPECT_EQ(level, 0.0f) << off << " " << comp;
                    EXPECT_EQ(gain, 1.0f) << off << " " << comp;
                } else {
                    EXPECT_GT(level, 0.005f) << off << " " << b;
                    EXPECT_LT(gain, 0.5f) << off << " " << b;
                }
            }
        }
    }
}

// Every setter changes its own parameter only, ParamLink on or off, and
// reads back as set, the switches as 0.0 or 1.0.
TEST(MultibandCharacterCompressor, ParamLinkIsReadBackButLinksNothing)
{
    Rig rig;
    MultibandCharacterCompressor& e = rig.effect;
    const struct { int32_t index; float x; float readBack; } reads[] = {
        {P::paramLink, 0.7f, 1.0f}, {P::paramLink, 0.49f, 0.0f}, {P::hiPower, 0.7f, 1.0f},
        {P::loComp, 0.2f, 0.0f},    {P::hiType, 0.7f, 0.7f},     {P::midThresh, 0.3f, 0.3f}};
    for (const auto& r : reads) {
        e.setParameter(r.index, r.x);
        EXPECT_EQ(e.getParameter(r.index), r.readBack) << r.index;
    }

    e.setParameter(P::hiRatio, 0.2f);
    e.setParameter(P::midRatio, 0.5f);
    e.setParameter(P::loRatio, 0.8f);
    e.setParameter(P::paramLink, 1.0f);
    e.setParameter(P::loThresh, 0.4f);
    e.setParameter(P::loAttack, 0.3f);
    e.setParameter(P::loPower, 0.0f);
    const struct { int32_t index; float value; } after[] = {
        {P::hiRatio, 0.2f},   {P::midRatio, 0.5f},          {P::loRatio, 0.8f},  {P::loThresh, 0.4f},
        {P::hiThresh, 1.0f},  {P::hiAttack, 0.185905f},     {P::midAttack, 0.185905f},
        {P::loAttack, 0.3f},  {P::hiPower, 1.0f},           {P::midPower, 1.0f}, {P::loPower, 0.0f}};
    for (const auto& a : after) {
        EXPECT_EQ(e.getParameter(a.index), a.value) << a.index;
    }

    // The program kept every change but ParamLink, which a program change turns off.
    e.setProgram(1);
    EXPECT_EQ(e.getParameter(P::paramLink), 0.0f);
    e.setParameter(P::paramLink, 1.0f);
    e.setProgram(0);
    EXPECT_EQ(e.getParameter(P::paramLink), 0.0f);
    for (const auto& a : after) {
        EXPECT_EQ(e.getParameter(a.index), a.value) << a.index;
    }
}

// The same changes sound the same with ParamLink on as with it off.
TEST(MultibandCharacterCompressor, ParamLinkChangesNoSample)
{
    auto render = [](float link) {
        Rig rig;
        rig.effect.setParameter(P::paramLink, link);
        rig.effect.setParameter(P::loThresh, 0.05f);
        rig.effect.setParameter(P::midRatio, 0.9f);
        rig.effect.setParameter(P::hiAttack, 0.0f);
        rig.effect.setParameter(P::loIn, 0.8f);
        rig.effect.setParameter(P::midType, 1.0f);
        return rig.run(music(20000));
    };
    EXPECT_EQ(render(1.0f), render(0.0f));
}

// Every parameter, "Lo_Comp" included, is kept in the current program and
// comes back with it.
TEST(MultibandCharacterCompressor, EveryParameterButParamLinkReturnsWithItsProgram)
{
    for (const float x : {0.0f, 1.0f}) {
        Rig rig;
        for (int32_t index = 0; index < P::count; ++index) {
            rig.effect.setParameter(index, x);
        }
        rig.effect.setProgram(5);
        rig.effect.setProgram(0);
        for (int32_t index = 0; index < P::count; ++index) {
            EXPECT_EQ(rig.effect.getParameter(index), index == P::paramLink ? 0.0f : x) << index;
        }
    }
}

// The frames on which the Hi gain meter publishes, at block size 1: every
// interval + 1 frames, the interval following the rate until a suspend or
// resume sets it back.
TEST(MultibandCharacterCompressor, MetersPublishEveryIntervalPlusOneFrames)
{
    enum class Then { nothing, suspend, resume };
    const struct { float rateHz; Then then; int64_t first; int64_t period; } cases[] = {
        {44100.0f, Then::nothing, 4407, 4411}, {48000.0f, Then::nothing, 4797, 4801},
        {48000.0f, Then::resume, 4407, 4411},  {96000.0f, Then::suspend, 4407, 4411}};
    for (const auto& c : cases) {
        Rig rig;
        rig.effect.setSampleRate(c.rateHz);
        if (c.then == Then::suspend) {
            rig.effect.suspend();
        } else if (c.then == Then::resume) {
            rig.effect.resume();
        }
        rig.meters->published.clear();
        rig.run(std::vector<float>(10000, 0.3f), 1);
        std::vector<int64_t> at;
        for (const Publication& p : rig.meters->published) {
            if (p.index == M::hiGain) {
                at.push_back(p.frame);
            }
        }
        ASSERT_EQ(at.size(), 2u) << c.rateHz;
        EXPECT_EQ(at[0], c.first) << c.rateHz;
        EXPECT_EQ(at[1] - at[0], c.period) << c.rateHz;
    }
}

// When a shorter interval makes every meter due on one frame, they publish
// levels first, then gains, output and limiter, processed or skipped; from
// a reset, silence publishes every meter's rest value.
TEST(MultibandCharacterCompressor, MetersDueTogetherPublishInTheirOrder)
{
    const std::vector<int32_t> order = {M::hiLevel, M::midLevel, M::loLevel,     M::hiGain,
                                        M::midGain, M::loGain,   M::outputLevel, M::limiterGain};
    for (const float level : {0.3f, 0.0f}) {
        Rig rig;
        rig.run(std::vector<float>(4370, level));
        EXPECT_TRUE(rig.meters->published.empty());
        rig.effect.setSampleRate(22050.0f);
        rig.run(std::vector<float>(1, level));
        EXPECT_EQ(rig.publishedIndexes(), order) << level;
        if (level == 0.0f) {
            for (const Publication& p : rig.meters->published) {
                const bool gainMeter = p.index <= M::loGain || p.index == M::limiterGain;
                EXPECT_EQ(p.value, gainMeter ? 1.0f : 0.0f) << p.index;
            }
        }
    }
}

// After a loud run, the first 100 near-silent frames are processed and the
// rest skipped (replacing writes 0.0, accumulating leaves the buffer) until
// a loud frame, processed at once; after a resume nothing near-silent is
// processed at all.
TEST(MultibandCharacterCompressor, SilenceGateSkipsFromThe101stQuietFrame)
{
    for (const bool accumulate : {false, true}) {
        const float rest = accumulate ? 0.25f : 0.0f;
        Rig rig;
        std::vector<float> in(300, 0.5f);
        std::fill(in.begin() + 50, in.begin() + 250, -5e-6f);
        const std::vector<float> out = rig.run(in, 64, accumulate, rest);
        EXPECT_NE(out[149], rest) << "the 100th quiet frame is processed";
        for (size_t i = 150; i < 250; ++i) {
            ASSERT_EQ(out[i], rest) << i;
        }
        EXPECT_NE(out[250], rest);

        rig.effect.resume();
        std::vector<float> after(60, 5e-6f);
        after.back() = 0.00001f;
        const std::vector<float> resumed = rig.run(after, 64, accumulate, rest);
        EXPECT_EQ(std::vector<float>(resumed.begin(), resumed.end() - 1), std::vector<float>(59, rest));
        EXPECT_NE(resumed.back(), rest);
    }
}

// NaN, infinities and absurd magnitudes are taken as 0.0: the output stays
// finite and is, sample for sample, that of the input with zeros there.
TEST(MultibandCharacterCompressor, BadInputSamplesAreTakenAsZero)
{
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity(), 1e30f};
    std::vector<float> in = music(20000);
    std::vector<float> zeroed = in;
    for (size_t i = 1000; i < in.size(); i += 997) {
        in[i] = bad[i % 4];
        zeroed[i] = 0.0f;
    }
    const std::vector<float> out = Rig().run(in);
    EXPECT_EQ(out, Rig().run(zeroed));
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float o) { return std::isfinite(o); }));
}

// Music with silent stretches, "Sweet Pop" with the low cut on: every block
// size gives the same samples and meter readings in the same order, and
// accumulating adds exactly what replacing writes.
TEST(MultibandCharacterCompressor, AnyBlockSizeAndAccumulationGiveTheSameOutput)
{
    auto render = [](int block, bool accumulate, float prefill) {
        Rig rig;
        rig.effect.setProgram(13);
        rig.effect.setParameter(P::loCut, 1.0f);
        const std::vector<float> out = rig.run(music(50000, true), block, accumulate, prefill);
        std::vector<std::pair<int32_t, float>> readings;
        for (const Publication& p : rig.meters->published) {
            readings.emplace_back(p.index, p.value);
        }
        return std::make_pair(out, readings);
    };
    const auto whole = render(50000, false, 0.0f);
    EXPECT_GT(whole.second.size(), 80u);
    for (const int block : {1, 7, 512, 4411}) {
        EXPECT_EQ(render(block, false, 0.0f), whole) << block;
    }
    EXPECT_EQ(render(333, true, 0.0f).first, whole.first);
    const std::vector<float> accumulated = render(333, true, 0.25f).first;
    for (size_t i = 0; i < accumulated.size(); ++i) {
        ASSERT_EQ(accumulated[i], 0.25f + whole.first[i]) << i;
    }
}

// At every rate, the split points above half of it included, loud music
// leaves finite samples under the limiter's bound.
TEST(MultibandCharacterCompressor, EveryRateStaysStableUnderTheLimiter)
{
    for (const float rateHz : {8000.0f, 22050.0f, 96000.0f, 192000.0f}) {
        Rig rig;
        rig.effect.setSampleRate(rateHz);
        rig.effect.setParameter(P::midHi, 1.0f);
        const std::vector<float> out = rig.run(music(40000, false, 2.0f));
        float peak = 0.0f;
        for (const float o : out) {
            ASSERT_TRUE(std::isfinite(o)) << rateHz;
            peak = std::max(peak, std::fabs(o));
        }
        EXPECT_LE(peak, 0.999999f) << rateHz;
        EXPECT_GT(peak, 0.5f) << rateHz;
    }
}

}  // namespace
}  // namespace fendwick

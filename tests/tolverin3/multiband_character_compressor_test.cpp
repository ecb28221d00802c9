// The three-band character compressor as a whole: the band mix, PW, the
// unlinked setters, programs, meters, the silence gate, bad input, block
// sizes, accumulation and sample rates.
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
    std::vector<float> run(const std::vector<float>& in, int block = 512, bool accumulate = false, float prefill = 0.0f)
    {
        std::vector<float> out(in.size(), prefill);
        for (size_t start = 0; start < in.size(); start += static_cast<size_t>(block)) {
            float* ins[1] = {const_cast<float*>(in.data()) + start};
            float* outs[1] = {out.data() + start};
            const auto n = static_cast<int32_t>(std::min(in.size() - start, static_cast<size_t>(block)));
            meters->frame = static_cast<int64_t>(start);
            accumulate ? effect.processAccumulate(ins, outs, n) : effect.processReplace(ins, outs, n);
        }
        return out;
    }
    void setEveryBand(BandParam::Offset offset, float x)
    {
        for (const MultibandBand band : {MultibandBand::hi, MultibandBand::mid, MultibandBand::lo}) {
            effect.setParameter(tolverin3BandParameter(band, offset), x);
        }
    }

    MultibandCharacterCompressor effect{nullptr};
    MeterRecorder* meters;
};

// One tone in each band of the default split (263 Hz, 11219 Hz), swelling
// and fading; with `gaps`, silences long enough for the gate to close.
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

// With every band uncompressed at the same band level and the low cut off,
// the effect is the character and output stages alone on the input times
// the band gain, wherever the split.
TEST(MultibandCharacterCompressor, BandsAtUnityMixBackToTheInput)
{
    const struct { float loMid; float midHi; float sonicFilter; float limiter; float bandIn; float gain; } cases[] = {
        {0.314189f, 0.844594f, 0.0f, 1.0f, 0.5f, 1.0f}, {0.0f, 1.0f, 0.5f, 0.0f, 0.5f, 1.0f},
        {0.6f, 0.6f, 1.0f, 1.0f, 0.5f, 1.0f}, {0.2f, 0.9f, 0.0f, 0.0f, 0.25f, 0.5f}};
    for (const auto& c : cases) {
        Rig rig;
        rig.effect.setParameter(P::loMid, c.loMid);
        rig.effect.setParameter(P::midHi, c.midHi);
        rig.effect.setParameter(P::sonicFilter, c.sonicFilter);
        rig.effect.setParameter(P::peakLimiter, c.limiter);
        rig.setEveryBand(BandParam::comp, 0.0f);
        rig.setEveryBand(BandParam::in, c.bandIn);
        SonicFilter character;
        character.setCurve(c.sonicFilter);
        OutputStage output;
        output.setLimiter(c.limiter);
        const std::vector<float> in = music(20000);
        const std::vector<float> out = rig.run(in);
        for (size_t i = 0; i < in.size(); ++i) {
            ASSERT_NEAR(out[i], output.step(character.step(c.gain * in[i])).output, 2e-6f) << c.loMid << " " << i;
        }
    }
}

// Every band compresses hard but one, which PW turns off: its level meter
// stays at 0 and its gain meter at 1.0, with Comp on or off.
TEST(MultibandCharacterCompressor, BandWithPowerOffAddsNothingAndShowsUnityGain)
{
    const M levelMeter[] = {M::hiLevel, M::midLevel, M::loLevel};
    const M gainMeter[] = {M::hiGain, M::midGain, M::loGain};
    for (int32_t off = 0; off < 2 * kMultibandBandCount; ++off) {
        Rig rig;
        rig.setEveryBand(BandParam::thresh, 0.02f);
        rig.setEveryBand(BandParam::ratio, 1.0f);
        const auto band = static_cast<MultibandBand>(off % kMultibandBandCount);
        rig.effect.setParameter(tolverin3BandParameter(band, BandParam::power), 0.0f);
        rig.effect.setParameter(tolverin3BandParameter(band, BandParam::comp), off < 3 ? 0.0f : 1.0f);
        rig.run(music(3 * 4411));
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            const float level = rig.effect.getDisplayValue(levelMeter[b]);
            const float gain = rig.effect.getDisplayValue(gainMeter[b]);
            EXPECT_EQ(level == 0.0f && gain == 1.0f, b == off % 3) << off << " " << b << " " << level;
            EXPECT_TRUE(b == off % 3 || (level > 0.005f && gain < 0.5f)) << off << " " << b;
        }
    }
}

// Every setter changes its own parameter only, ParamLink on or off; the
// switches read back as 0.0 or 1.0; the program keeps every change but
// ParamLink, which a program change turns off.
TEST(MultibandCharacterCompressor, SettersChangeTheirOwnParameterAndParamLinkStaysOutOfPrograms)
{
    Rig rig;
    MultibandCharacterCompressor& e = rig.effect;
    e.setParameter(P::paramLink, 0.7f);
    EXPECT_EQ(e.getParameter(P::paramLink), 1.0f);
    const struct { int32_t index; float x; float readBack; } sets[] = {
        {P::hiRatio, 0.2f, 0.2f},  {P::midRatio, 0.5f, 0.5f}, {P::loRatio, 0.8f, 0.8f}, {P::loThresh, 0.4f, 0.4f},
        {P::loAttack, 0.3f, 0.3f}, {P::loPower, 0.2f, 0.0f},  {P::hiPower, 0.7f, 1.0f}, {P::midType, 0.7f, 0.7f}};
    for (const auto& s : sets) {
        e.setParameter(s.index, s.x);
    }
    const struct { int32_t index; float value; } unchanged[] = {
        {P::hiThresh, 1.0f}, {P::hiAttack, 0.185905f}, {P::midAttack, 0.185905f}, {P::midPower, 1.0f}, {P::loType, 0.0f}};
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& s : sets) {
            EXPECT_EQ(e.getParameter(s.index), s.readBack) << pass << " " << s.index;
        }
        for (const auto& u : unchanged) {
            EXPECT_EQ(e.getParameter(u.index), u.value) << pass << " " << u.index;
        }
        e.setProgram(1);
        EXPECT_EQ(e.getParameter(P::paramLink), 0.0f);
        e.setParameter(P::paramLink, 1.0f);
        e.setProgram(0);
        EXPECT_EQ(e.getParameter(P::paramLink), 0.0f);
    }
    // Every other parameter, "Lo_Comp" included, comes back with its program.
    for (const float x : {0.0f, 1.0f}) {
        for (int32_t index = 0; index < P::count; ++index) {
            e.setParameter(index, x);
        }
        e.setProgram(5);
        e.setProgram(0);
        for (int32_t index = 0; index < P::count; ++index) {
            EXPECT_EQ(e.getParameter(index), index == P::paramLink ? 0.0f : x) << index;
        }
    }
}

// The Hi gain meter publishes every interval + 1 frames, the interval
// following the rate until a suspend or resume sets it back. When a shorter
// interval makes all eight due on one frame, levels publish first, then
// gains, output and limiter, processed or skipped, at rest after silence.
TEST(MultibandCharacterCompressor, MeterWindowsAndOrder)
{
    enum class Then { nothing, suspend, resume };
    const struct { float rateHz; Then then; int64_t first; int64_t period; } cases[] = {
        {44100.0f, Then::nothing, 4407, 4411}, {48000.0f, Then::nothing, 4797, 4801},
        {48000.0f, Then::resume, 4407, 4411},  {96000.0f, Then::suspend, 4407, 4411}};
    for (const auto& c : cases) {
        Rig rig;
        rig.effect.setSampleRate(c.rateHz);
        c.then == Then::suspend ? rig.effect.suspend() : c.then == Then::resume ? rig.effect.resume() : void();
        rig.meters->published.clear();
        rig.run(std::vector<float>(10000, 0.3f), 1);
        std::vector<int64_t> at;
        for (const Publication& p : rig.meters->published) {
            at.insert(at.end(), p.index == M::hiGain ? 1 : 0, p.frame);
        }
        ASSERT_EQ(at.size(), 2u) << c.rateHz;
        EXPECT_EQ(at[0], c.first) << c.rateHz;
        EXPECT_EQ(at[1] - at[0], c.period) << c.rateHz;
    }
    const int32_t order[] = {M::hiLevel, M::midLevel, M::loLevel,     M::hiGain,
                             M::midGain, M::loGain,   M::outputLevel, M::limiterGain};
    for (const float level : {0.3f, 0.0f}) {
        Rig rig;
        rig.run(std::vector<float>(4370, level));
        EXPECT_TRUE(rig.meters->published.empty());
        rig.effect.setSampleRate(22050.0f);
        rig.run(std::vector<float>(1, level));
        ASSERT_EQ(rig.meters->published.size(), 8u);
        for (size_t k = 0; k < 8; ++k) {
            const Publication& p = rig.meters->published[k];
            EXPECT_EQ(p.index, order[k]) << level;
            const bool gainMeter = p.index <= M::loGain || p.index == M::limiterGain;
            EXPECT_TRUE(level > 0.0f || p.value == (gainMeter ? 1.0f : 0.0f)) << p.index;
        }
    }
}

// After loud frames, 100 near-silent ones are processed and the rest
// skipped (replacing writes 0.0, accumulating leaves the buffer) until a
// loud frame, processed at once; after a resume no near-silent frame is.
TEST(MultibandCharacterCompressor, SilenceGateSkipsFromThe101stQuietFrame)
{
    for (const float rest : {0.0f, 0.25f}) {
        Rig rig;
        std::vector<float> in(300, 0.5f);
        std::fill(in.begin() + 50, in.begin() + 250, -5e-6f);
        const std::vector<float> out = rig.run(in, 64, rest > 0.0f, rest);
        EXPECT_NE(out[149], rest) << "the 100th quiet frame is processed";
        EXPECT_EQ(std::vector<float>(out.begin() + 150, out.begin() + 250), std::vector<float>(100, rest));
        EXPECT_NE(out[250], rest);

        rig.effect.resume();
        std::vector<float> after(60, 5e-6f);
        after.back() = 0.00001f;
        const std::vector<float> resumed = rig.run(after, 64, rest > 0.0f, rest);
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

// Music with silences, "Sweet Pop" with the low cut on: every block size
// gives the same samples and meter readings, and accumulating adds exactly
// what replacing writes.
TEST(MultibandCharacterCompressor, AnyBlockSizeAndAccumulationGiveTheSameOutput)
{
    auto render = [](int block, float prefill) {
        Rig rig;
        rig.effect.setProgram(13);
        rig.effect.setParameter(P::loCut, 1.0f);
        const std::vector<float> out = rig.run(music(50000, true), block, prefill >= 0.0f, std::max(prefill, 0.0f));
        std::vector<std::pair<int32_t, float>> readings;
        for (const Publication& p : rig.meters->published) {
            readings.emplace_back(p.index, p.value);
        }
        return std::make_pair(out, readings);
    };
    const auto whole = render(50000, -1.0f);
    EXPECT_GT(whole.second.size(), 80u);
    for (const int block : {1, 7, 4411}) {
        EXPECT_EQ(render(block, -1.0f), whole) << block;
    }
    EXPECT_EQ(render(333, 0.0f).first, whole.first);
    const std::vector<float> accumulated = render(333, 0.25f).first;
    for (size_t i = 0; i < accumulated.size(); ++i) {
        ASSERT_EQ(accumulated[i], 0.25f + whole.first[i]) << i;
    }
}

// At every rate, split points above half of it included, loud music leaves
// finite samples under the limiter's bound.
TEST(MultibandCharacterCompressor, EveryRateStaysStableUnderTheLimiter)
{
    for (const float rateHz : {8000.0f, 22050.0f, 96000.0f, 192000.0f}) {
        Rig rig;
        rig.effect.setSampleRate(rateHz);
        rig.effect.setParameter(P::midHi, 1.0f);
        const std::vector<float> out = rig.run(music(40000, false, 2.0f));
        const float peak = std::fabs(*std::max_element(out.begin(), out.end(), [](float a, float b) {
            return !(std::fabs(a) >= std::fabs(b));
        }));
        EXPECT_TRUE(peak <= 0.999999f && peak > 0.5f) << rateHz << " " << peak;
    }
}

}  // namespace
}  // namespace fendwick

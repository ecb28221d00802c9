// The single-band compressor's processing against its gain law, gate and
// reset, in both builds and both processing routines.
#include "ascarell_compressor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace fendwick {
namespace {

using P = AscarellParam::Index;

struct Stereo {
    std::vector<float> left, right;
    explicit Stereo(size_t n, float l = 0.0f, float r = 0.0f) : left(n, l), right(n, r) {}
};

void run(AscarellCompressor& c, Stereo& in, Stereo& out, bool accumulate = false)
{
    float* ins[] = {in.left.data(), in.right.data()};
    float* outs[] = {out.left.data(), out.right.data()};
    const auto n = static_cast<int32_t>(in.left.size());
    if (accumulate) {
        c.processAccumulate(ins, outs, n);
    } else {
        c.processReplace(ins, outs, n);
    }
}

std::vector<float> runMono(AscarellCompressor& c, std::vector<float> in, bool accumulate = false,
                           float previous = 0.0f)
{
    std::vector<float> out(in.size(), previous);
    float* ins[] = {in.data()};
    float* outs[] = {out.data()};
    const auto n = static_cast<int32_t>(in.size());
    if (accumulate) {
        c.processAccumulate(ins, outs, n);
    } else {
        c.processReplace(ins, outs, n);
    }
    return out;
}

std::vector<float> testSignal(size_t n)
{
    std::vector<float> x(n);
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i);
        x[i] = static_cast<float>(0.9 * std::sin(t * 0.031) * std::sin(t * 0.0007) + 0.05 * std::sin(t * 0.9));
    }
    return x;
}

class AscarellGainLaw : public ::testing::Test {
protected:
    AscarellCompressor stereo{nullptr, AscarellChannels::stereo};
    AscarellCompressor mono{nullptr, AscarellChannels::mono};
};

TEST_F(AscarellGainLaw, RatioZeroPassesTheInputUnchangedAtEveryThreshold)
{
    for (float thresh : {0.0f, 0.1f, 0.5f, 1.0f}) {
        stereo.setParameter(P::ratio, 0.0f);
        stereo.setParameter(P::thresh, thresh);
        EXPECT_FLOAT_EQ(stereo.gainBlendValue(), 1.0f);
        Stereo in(0);
        in.left = testSignal(4000);
        in.right = testSignal(4000);
        for (float& x : in.right) {
            x *= -0.5f;
        }
        Stereo out(4000);
        run(stereo, in, out);
        for (size_t i = 0; i < in.left.size(); ++i) {
            ASSERT_EQ(out.left[i], in.left[i]) << i;
            ASSERT_EQ(out.right[i], in.right[i]) << i;
        }
    }
}

TEST_F(AscarellGainLaw, RatioOneHoldsASettledLevelAtTheThreshold)
{
    mono.setParameter(P::ratio, 1.0f);
    mono.setParameter(P::knee, 0.0f);
    mono.setParameter(P::thresh, 0.5f);
    mono.setParameter(P::outLevel, 0.25f);
    EXPECT_NEAR(mono.gainBlendValue(), 0.0f, 1e-7f);
    const std::vector<float> out = runMono(mono, std::vector<float>(20000, 0.8f));
    const float t = mono.thresholdLinear();
    EXPECT_NEAR(out.back(), t * 2.0f * 0.25f, 1e-5f);
}

TEST_F(AscarellGainLaw, BlendMixesTheThresholdGainBackTowardOne)
{
    mono.setParameter(P::ratio, 0.5f);
    mono.setParameter(P::knee, 0.0f);
    mono.setParameter(P::thresh, 0.5f);
    const double t = 0.5 * 0.999f;
    const double blend = (std::sqrt(t) - t) / (1.0 - t);
    EXPECT_NEAR(mono.gainBlendValue(), blend, 1e-6);
    const std::vector<float> out = runMono(mono, std::vector<float>(20000, 0.8f));
    const double g = t / 0.8;
    EXPECT_NEAR(out.back(), 0.8 * (g + (1.0 - g) * blend), 1e-5);
}

TEST_F(AscarellGainLaw, InputAndOutputGainsAreTwiceTheirValues)
{
    mono.setParameter(P::thresh, 1.0f);
    mono.setParameter(P::input, 0.25f);  // x 0.5
    mono.setParameter(P::outLevel, 1.0f);  // x 2
    const std::vector<float> out = runMono(mono, {0.3f, -0.2f});
    EXPECT_FLOAT_EQ(out[0], 0.3f);
    EXPECT_FLOAT_EQ(out[1], -0.2f);
    mono.setParameter(P::input, 0.0f);
    EXPECT_EQ(runMono(mono, {0.3f})[0], 0.0f);
}

TEST_F(AscarellGainLaw, ThresholdHasAFloorAtMinusFiftyDecibels)
{
    for (float x : {0.0f, 0.003f, 0.0031622769f}) {
        stereo.setParameter(P::thresh, x);
        EXPECT_EQ(stereo.thresholdLinear(), 0.0031591146f) << x;
        EXPECT_EQ(stereo.getParameter(P::thresh), x);
    }
    stereo.setParameter(P::thresh, 1.0f);
    EXPECT_EQ(stereo.thresholdLinear(), 0.999f);
}

TEST_F(AscarellGainLaw, StereoChannelsShareTheGainOfTheLouderDetector)
{
    stereo.setParameter(P::ratio, 0.8f);
    stereo.setParameter(P::thresh, 0.2f);
    Stereo in(5000, 0.9f, 0.05f);
    Stereo out(5000);
    run(stereo, in, out);
    const float gainLeft = out.left.back() / in.left.back();
    const float gainRight = out.right.back() / in.right.back();
    EXPECT_LT(gainLeft, 0.6f);
    EXPECT_FLOAT_EQ(gainLeft, gainRight);

    // Mirrored: the right channel leads.
    AscarellCompressor mirrored(nullptr, AscarellChannels::stereo);
    mirrored.setParameter(P::ratio, 0.8f);
    mirrored.setParameter(P::thresh, 0.2f);
    Stereo swapped(5000, 0.05f, 0.9f);
    Stereo out2(5000);
    run(mirrored, swapped, out2);
    EXPECT_FLOAT_EQ(out2.right.back(), out.left.back());
    EXPECT_FLOAT_EQ(out2.left.back(), out.right.back());
}

TEST(AscarellSilenceGate, ZerosAfterResumeGiveExactZerosOrLeaveTheOutputAlone)
{
    AscarellCompressor c(nullptr, AscarellChannels::stereo);
    c.resume();
    Stereo in(300);
    Stereo out(300, 7.0f, 7.0f);
    run(c, in, out);
    for (size_t i = 0; i < 300; ++i) {
        ASSERT_EQ(out.left[i], 0.0f);
        ASSERT_EQ(out.right[i], 0.0f);
    }
    Stereo kept(300, 7.0f, 7.0f);
    run(c, in, kept, true);
    for (size_t i = 0; i < 300; ++i) {
        ASSERT_EQ(kept.left[i], 7.0f);
    }
}

TEST(AscarellSilenceGate, MutesAfterMoreThanOneHundredQuietFramesAndReopensAtOnce)
{
    for (bool accumulate : {false, true}) {
        AscarellCompressor c(nullptr, AscarellChannels::mono);
        c.setParameter(P::outLevel, 1.0f);  // x 2, so processed quiet frames differ from their input
        std::vector<float> in(1000, 0.000005f);
        for (size_t i = 0; i < 50; ++i) {
            in[i] = 0.5f;
        }
        in[500] = 0.00001f;  // not strictly inside the bound: reopens
        const float before = 3.0f;
        const std::vector<float> out = runMono(c, in, accumulate, before);
        const float processed = (accumulate ? before : 0.0f) + 0.00001f * 2.0f;
        // Frames 50..149 are the first 100 quiet frames: still processed.
        for (size_t i = 50; i < 150; ++i) {
            ASSERT_NE(out[i], accumulate ? before : 0.0f) << i;
        }
        // From the 101st quiet frame on, muted.
        for (size_t i = 150; i < 500; ++i) {
            ASSERT_EQ(out[i], accumulate ? before : 0.0f) << i;
        }
        EXPECT_FLOAT_EQ(out[500], processed);
        // After reopening, quiet frames are processed again.
        EXPECT_NE(out[501], accumulate ? before : 0.0f);
    }
}

TEST(AscarellSilenceGate, StereoGateNeedsBothChannelsQuiet)
{
    AscarellCompressor c(nullptr, AscarellChannels::stereo);
    Stereo in(400, 0.0f, 0.2f);
    Stereo out(400);
    run(c, in, out);
    EXPECT_FLOAT_EQ(out.right.back(), 0.2f);  // default program: unity gains, threshold near full scale
}

TEST(AscarellSilenceGate, DetectorsKeepDecayingWhileMuted)
{
    AscarellCompressor c(nullptr, AscarellChannels::mono);
    runMono(c, std::vector<float>(2000, 0.9f));
    const float loud = c.detector(0).state().env1;
    runMono(c, std::vector<float>(5000, 0.0f));
    EXPECT_LT(c.detector(0).state().env1, loud * 0.01f);
}

TEST(AscarellState, ResetMatchesAFreshInstance)
{
    const std::vector<float> signal = testSignal(3000);
    for (auto channels : {AscarellChannels::mono, AscarellChannels::stereo}) {
        AscarellCompressor used(nullptr, channels);
        used.setProgram(8);
        Stereo warm(3000);
        warm.left = signal;
        warm.right = signal;
        Stereo scratch(3000);
        run(used, warm, scratch);
        used.suspend();

        AscarellCompressor fresh(nullptr, channels);
        fresh.setProgram(8);
        Stereo a(3000), b(3000);
        run(used, warm, a);
        run(fresh, warm, b);
        EXPECT_EQ(a.left, b.left);
        EXPECT_EQ(a.right, b.right);
    }
}

TEST(AscarellState, AnyBlockSizeGivesTheSameOutput)
{
    const std::vector<float> signal = testSignal(4096);
    AscarellCompressor whole(nullptr, AscarellChannels::mono);
    whole.setProgram(10);
    const std::vector<float> expected = runMono(whole, signal);
    for (size_t block : {1u, 7u, 64u, 1000u}) {
        AscarellCompressor pieces(nullptr, AscarellChannels::mono);
        pieces.setProgram(10);
        std::vector<float> got;
        for (size_t start = 0; start < signal.size(); start += block) {
            const size_t end = std::min(signal.size(), start + block);
            const std::vector<float> part = runMono(pieces, {signal.begin() + static_cast<long>(start),
                                                             signal.begin() + static_cast<long>(end)});
            got.insert(got.end(), part.begin(), part.end());
        }
        EXPECT_EQ(got, expected) << block;
    }
}

TEST(AscarellState, NonFiniteInputIsTreatedAsSilenceAndLeavesNoTrace)
{
    AscarellCompressor c(nullptr, AscarellChannels::stereo);
    c.setProgram(8);
    Stereo in(200, 0.5f, 0.5f);
    in.left[10] = std::numeric_limits<float>::quiet_NaN();
    in.right[11] = std::numeric_limits<float>::infinity();
    in.left[12] = -std::numeric_limits<float>::infinity();
    Stereo out(200);
    run(c, in, out);
    for (size_t i = 0; i < 200; ++i) {
        ASSERT_TRUE(std::isfinite(out.left[i]) && std::isfinite(out.right[i])) << i;
    }
    EXPECT_TRUE(std::isfinite(c.detector(0).state().env1));
    EXPECT_TRUE(std::isfinite(c.detector(1).state().env1));
}

TEST(AscarellState, AccumulatingAddsWhatReplacingWrites)
{
    const std::vector<float> signal = testSignal(2000);
    AscarellCompressor a(nullptr, AscarellChannels::mono);
    AscarellCompressor b(nullptr, AscarellChannels::mono);
    a.setProgram(3);
    b.setProgram(3);
    const std::vector<float> replaced = runMono(a, signal);
    const std::vector<float> added = runMono(b, signal, true, 0.25f);
    for (size_t i = 0; i < signal.size(); ++i) {
        ASSERT_EQ(added[i], 0.25f + replaced[i]) << i;
    }
}

TEST(AscarellState, SampleRateReachesEveryDetector)
{
    AscarellCompressor c(nullptr, AscarellChannels::stereo);
    const float before = c.detector(1).attackCoefficient();
    c.setSampleRate(96000.0f);
    EXPECT_EQ(c.getSampleRate(), 96000.0f);
    EXPECT_GT(c.detector(1).attackCoefficient(), before);
    EXPECT_EQ(c.detector(0).attackCoefficient(), c.detector(1).attackCoefficient());
}

TEST(AscarellPrograms, ParameterChangesAreWrittenIntoTheCurrentProgram)
{
    AscarellCompressor c(nullptr, AscarellChannels::stereo);
    c.setProgram(5);
    c.setParameter(P::ratio, 0.123f);
    c.setProgram(6);
    EXPECT_EQ(c.getParameter(P::ratio), 1.0f);
    c.setProgram(5);
    EXPECT_EQ(c.getParameter(P::ratio), 0.123f);
    c.setProgram(22);
    EXPECT_EQ(c.getParameter(P::thresh), 0.268714f);
}

TEST(AscarellPrograms, ProgramNamesAreBoundedAndIndexesChecked)
{
    AscarellCompressor c(nullptr, AscarellChannels::mono);
    char name[64] = "untouched";
    EXPECT_FALSE(c.getProgramNameIndexed(0, 23, name));
    EXPECT_FALSE(c.getProgramNameIndexed(0, -1, name));
    EXPECT_STREQ(name, "untouched");
    EXPECT_TRUE(c.getProgramNameIndexed(0, 22, name));
    EXPECT_STREQ(name, "Vocal Enhance");

    char longName[] = "A name far longer than twenty-three characters";
    c.setProgramName(longName);
    c.getProgramName(name);
    EXPECT_EQ(std::string(name), std::string(longName).substr(0, 23));
}

}  // namespace
}  // namespace fendwick

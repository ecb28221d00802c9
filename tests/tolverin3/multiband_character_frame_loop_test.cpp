// The three-band character compressor's frame loop on every kind of lanes
// this build and processor run, against the loop one frame at a time, bit
// for bit: samples, meter publications in order, and the state after each block.
#include "multiband_character_frame_loop.h"
#include "multiband_character_parameters.h"
#include "sample_guards.h"
#include "tolverin3_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace fendwick {
namespace {

// One side of the comparison: the state, the block settings and what was published.
struct Side {
    MultibandCharacterState state;
    MultibandCharacterBlockSettings settings{};
    MultibandCharacterParameters parameters;
    std::vector<std::tuple<uint32_t, int32_t, uint32_t>> published;  // block, index, value bits
    uint32_t block = 0;

    static void record(void* owner, int32_t index, float value)
    {
        auto* side = static_cast<Side*>(owner);
        side->published.emplace_back(side->block, index, floatBits(value));
    }

    // A normalized parameter, through the effect's own mapping into the
    // chain's blocks and the block settings.
    void set(int32_t index, float x)
    {
        parameters.apply(index, x, state);
        parameters.deliverCrossover(state);
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            settings.bands[b] = parameters.band(b);
        }
    }
};

void expectSameState(Side& a, Side& b, const std::string& what)
{
    for (int32_t d = 0; d < kMultibandBandCount; ++d) {
        ASSERT_EQ(floatBits(a.state.detectors[d].fastEnvelope()), floatBits(b.state.detectors[d].fastEnvelope())) << what;
        ASSERT_EQ(floatBits(a.state.detectors[d].slowEnvelope()), floatBits(b.state.detectors[d].slowEnvelope())) << what;
    }
    const auto sameSection = [&what](CrossoverLowpass& s, CrossoverLowpass& t) {
        ASSERT_EQ(floatBits(s.state().x1), floatBits(t.state().x1)) << what;
        ASSERT_EQ(floatBits(s.state().x2), floatBits(t.state().x2)) << what;
        ASSERT_EQ(floatBits(s.state().y1), floatBits(t.state().y1)) << what;
        ASSERT_EQ(floatBits(s.state().y2), floatBits(t.state().y2)) << what;
    };
    sameSection(a.state.crossover.lowSection(0), b.state.crossover.lowSection(0));
    sameSection(a.state.crossover.highSection(0), b.state.crossover.highSection(0));
    // The low cut keeps its history private: a copy of each stepped once
    // more on the same sample shows whether they agree.
    ASSERT_EQ(a.state.loCut.historyCleared(), b.state.loCut.historyCleared()) << what;
    ASSERT_EQ(floatBits(LoCutFilter(a.state.loCut.section()).step(0.3f)),
              floatBits(LoCutFilter(b.state.loCut.section()).step(0.3f)))
        << what;
    const CharacterDetector& ca = a.state.sonicFilter.levelDetector();
    const CharacterDetector& cb = b.state.sonicFilter.levelDetector();
    ASSERT_EQ(floatBits(ca.fastPeak()), floatBits(cb.fastPeak())) << what;
    ASSERT_EQ(floatBits(ca.slowPeak()), floatBits(cb.slowPeak())) << what;
    const LimiterDetector& la = a.state.output.limiterDetector();
    const LimiterDetector& lb = b.state.output.limiterDetector();
    for (int k = 0; k < 3; ++k) {
        ASSERT_EQ(floatBits(la.peak(k)), floatBits(lb.peak(k))) << what;
        ASSERT_EQ(la.heldFor(k), lb.heldFor(k)) << what;
    }
    ASSERT_EQ(a.state.silenceCount, b.state.silenceCount) << what;
    ASSERT_EQ(a.state.processingActive, b.state.processingActive) << what;
}

// Noise whose level swings from silence to far over full scale, with runs
// of exact silence, denormals, NaN and infinities among it.
std::vector<float> signalOf(uint32_t noiseStart, size_t frames)
{
    std::mt19937 random(noiseStart);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    std::vector<float> x(frames);
    for (size_t i = 0; i < frames; ++i) {
        const double swing = 0.5 + 0.5 * std::sin(static_cast<double>(i) * 0.0007);
        x[i] = noise(random) * static_cast<float>(3.0 * swing * swing * swing);
    }
    const float odd[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity(), 1.0e-41f, -1.0e-39f, 5000.0f, 0.000009f};
    for (size_t i = 500; i < frames; i += 997 + random() % 2000) {
        x[i] = odd[random() % (sizeof odd / sizeof odd[0])];
    }
    for (size_t start = 3000; start + 700 < frames; start += 9000 + random() % 5000) {
        const size_t length = 50 + random() % 600;  // short ones keep the gate open, long ones close it
        for (size_t i = start; i < start + length; ++i) {
            x[i] = (random() % 5 == 0) ? 1.0e-40f : 0.0f;
        }
    }
    return x;
}

// A program with a row's overrides: -1 keeps the program's value.
struct Case {
    float rateHz;
    int32_t program;
    bool accumulate;
    float loCut, limiter, sonicFilter, amount, type, arc, power, comp;
};

void setUp(Side& side, const Case& c)
{
    namespace P = Tolverin3Param;
    side.state.setSampleRate(c.rateHz);
    const auto& program = kTolverin3FactoryPrograms[c.program];
    for (int32_t slot = 0; slot < P::count; ++slot) {
        side.set(kTolverin3ParameterInSlot[slot], program.value[slot]);
    }
    const std::pair<int32_t, float> overrides[] = {{P::loCut, c.loCut}, {P::peakLimiter, c.limiter},
                                                   {P::sonicFilter, c.sonicFilter}, {P::sonicFilterAmount, c.amount}};
    for (const auto& [index, x] : overrides) {
        if (x >= 0.0f) {
            side.set(index, x);
        }
    }
    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        const auto band = static_cast<MultibandBand>(b);
        // Each band takes its own turn of the switch: b = 0 the value, then alternately flipped.
        const auto turned = [b](float x) { return b % 2 == 0 ? x : 1.0f - x; };
        if (c.type >= 0.0f) side.set(tolverin3BandType(band), turned(c.type));
        if (c.arc >= 0.0f) side.set(tolverin3BandParameter(band, BandParam::arc), turned(c.arc));
        if (c.power >= 0.0f) side.set(tolverin3BandParameter(band, BandParam::power), b == 1 ? 1.0f : c.power);
        if (c.comp >= 0.0f) side.set(tolverin3BandParameter(band, BandParam::comp), turned(c.comp));
    }
    side.settings.meterInterval = meterIntervalFor(c.rateHz);
}

// The scalar loop and the loop on `lanes`, each on its own side, over the
// same input into outputs that start at 0.25, compared after every block.
struct Comparison {
    Comparison(FrameLanes kind, const Case& c, std::vector<float> samples, std::string name)
        : lanes(kind), input(std::move(samples)), expected(input.size(), 0.25f), got(input.size(), 0.25f),
          what(std::move(name))
    {
        setUp(scalar, c);
        setUp(fast, c);
    }

    void runBlock(size_t start, size_t n, bool accumulate)
    {
        const auto count = static_cast<int32_t>(n);
        MeterPublisher toScalar{&Side::record, &scalar};
        MeterPublisher toFast{&Side::record, &fast};
        if (accumulate) {
            runMultibandCharacterFrames<true>(FrameLanes::scalar, scalar.settings, scalar.state, toScalar,
                                              &input[start], &expected[start], count);
            runMultibandCharacterFrames<true>(lanes, fast.settings, fast.state, toFast, &input[start], &got[start],
                                              count);
        } else {
            runMultibandCharacterFrames<false>(FrameLanes::scalar, scalar.settings, scalar.state, toScalar,
                                               &input[start], &expected[start], count);
            runMultibandCharacterFrames<false>(lanes, fast.settings, fast.state, toFast, &input[start], &got[start],
                                               count);
        }
        expectSameState(scalar, fast, what + " block " + std::to_string(scalar.block));
        ++scalar.block;
        ++fast.block;
    }

    void expectSameOutput()
    {
        for (size_t i = 0; i < got.size(); ++i) {
            ASSERT_EQ(floatBits(got[i]), floatBits(expected[i])) << what << " frame " << i;
        }
        ASSERT_EQ(fast.published, scalar.published) << what;
        ASSERT_FALSE(scalar.published.empty()) << what;
    }

    FrameLanes lanes;
    Side scalar;
    Side fast;
    std::vector<float> input;
    std::vector<float> expected;
    std::vector<float> got;
    std::string what;
};

TEST(MultibandCharacterFrameLoop, EveryLaneKindGivesTheScalarBits)
{
    const Case cases[] = {
        {48000.0f, 0, false, -1, -1, -1, -1, -1, -1, -1, -1},
        {48000.0f, 9, false, -1, -1, -1, -1, -1, -1, -1, -1},
        {44100.0f, 1, true, 1, 1, 0.5f, 1, 0, 0, 1, 1},
        {8000.0f, 2, false, 1, 1, 0.9f, 0, 1, 1, 0, 1},
        {96000.0f, 3, true, 0, 1, 0.333333f, 1, 0, 1, 1, 0},
        {22050.0f, 4, false, 1, 0, 0.666666f, 0, 1, 0, 0, 0},
        {32000.0f, 5, false, 0, 0, 0.2f, 1, 0, 1, 1, 1},
        {88200.0f, 6, true, 1, 1, 0.7f, 0, -1, -1, -1, -1},
        {11025.0f, 7, false, -1, 1, -1, 1, 1, 0, 1, 0},
        {48000.0f, 8, true, 0, 1, 0.4f, 0, 0, 1, 0, 1},
        {16000.0f, 10, false, 1, 0, -1, -1, 1, 0, 1, 1},
        {64000.0f, 11, true, -1, -1, -1, -1, -1, -1, -1, -1},
        {48000.0f, 12, false, 1, 1, 0, 1, 0, 0, 1, 1},
        {96000.0f, 13, false, 0, 1, 1, 0, 1, 1, 1, 1},
    };
    for (FrameLanes lanes : {FrameLanes::sse2, FrameLanes::avx512}) {
        if (!canRunFrameLanes(lanes)) {
            continue;
        }
        for (const Case& c : cases) {
            const std::string what = "lanes " + std::to_string(static_cast<int>(lanes)) + " program " +
                                     std::to_string(c.program) + " at " + std::to_string(c.rateHz);
            const size_t frames = 40000;
            Comparison compare(lanes, c, signalOf(static_cast<uint32_t>(c.program) * 7u + 1u, frames), what);
            std::mt19937 random(static_cast<uint32_t>(c.program));
            for (size_t start = 0; start < frames;) {
                const size_t n = std::min<size_t>(frames - start, random() % 4 == 0 ? 1 + random() % 7 : 1 + random() % 700);
                compare.runBlock(start, n, c.accumulate);
                start += n;
                // Now and then a setting moves between blocks, on both sides
                // alike: any of them to any value, or a switch flipped.
                if (random() % 3 == 0) {
                    namespace P = Tolverin3Param;
                    const int32_t switches[] = {P::loCut,  P::peakLimiter, P::hiType, P::midComp, P::loPower,
                                                P::hiArc, P::sonicFilterAmount};
                    const bool flip = random() % 2 == 0;
                    const int32_t index = flip ? switches[random() % (sizeof switches / sizeof switches[0])]
                                               : static_cast<int32_t>(random() % P::count);
                    const float x = flip ? (compare.scalar.parameters.value(index) < 0.5f ? 1.0f : 0.0f)
                                         : static_cast<float>(random() % 1001) / 1000.0f;
                    compare.scalar.set(index, x);
                    compare.fast.set(index, x);
                }
            }
            compare.expectSameOutput();
        }
    }
}

// Blocks around the chunk length, the gate muting part of a chunk while
// none and up to four chunks before it are still on their way: those finish
// first, and the reference loop writes where its frames belong.
TEST(MultibandCharacterFrameLoop, AChunkTheGateMutesComesAfterTheChunksBeforeIt)
{
    const Case limited{48000.0f, 0, false, 0, 1, -1, -1, -1, -1, -1, -1};
    const struct { int32_t block; int32_t quietFrom; } rows[] = {
        {31, 5}, {32, 0}, {33, 40}, {64, 60}, {96, 90}, {97, 150}, {128, 20}, {512, 230}, {512, 300}};
    for (FrameLanes lanes : {FrameLanes::sse2, FrameLanes::avx512}) {
        if (!canRunFrameLanes(lanes)) {
            continue;
        }
        for (const auto& row : rows) {
            const std::string what = "lanes " + std::to_string(static_cast<int>(lanes)) + " block " +
                                     std::to_string(row.block) + " quiet from " + std::to_string(row.quietFrom);
            std::vector<float> input = signalOf(3u, 1200);
            for (int32_t i = row.quietFrom; i < row.quietFrom + 130; ++i) {
                input[static_cast<size_t>(i)] = 0.0f;  // muted from the 101st
            }
            Comparison compare(lanes, limited, input, what);
            compare.scalar.settings.meterInterval = 90;
            compare.fast.settings.meterInterval = 90;
            for (size_t start = 0; start < input.size(); start += static_cast<size_t>(row.block)) {
                compare.runBlock(start, std::min(static_cast<size_t>(row.block), input.size() - start), false);
            }
            compare.expectSameOutput();
        }
    }
}

// Meter intervals shorter than a chunk and around it: several meters fall
// due within one chunk, some of them at its first frame, and each still
// publishes on its own frame and in its order.
TEST(MultibandCharacterFrameLoop, MetersDueWithinAChunkPublishAsTheReferenceDoes)
{
    const Case metered{48000.0f, 9, false, 1, 1, -1, -1, -1, -1, -1, -1};
    for (FrameLanes lanes : {FrameLanes::sse2, FrameLanes::avx512}) {
        if (!canRunFrameLanes(lanes)) {
            continue;
        }
        for (const int32_t interval : {0, 2, 5, 15, 16, 17, 31, 32, 33, 47}) {
            const std::string what = "lanes " + std::to_string(static_cast<int>(lanes)) + " interval " +
                                     std::to_string(interval);
            Comparison compare(lanes, metered, signalOf(11u, 3000), what);
            compare.scalar.settings.meterInterval = interval;
            compare.fast.settings.meterInterval = interval;
            for (size_t start = 0; start < compare.input.size(); start += 200) {
                compare.runBlock(start, std::min<size_t>(200, compare.input.size() - start), false);
            }
            compare.expectSameOutput();
        }
    }
}

// The Mid band falls silent when its two split points meet: its envelopes
// release through the denormals to 0.0, each flushed on the way as the
// reference flushes it, with manual and with automatic release.
TEST(MultibandCharacterFrameLoop, AnEnvelopeReleasingToSilenceFlushesAsTheReferenceDoes)
{
    namespace P = Tolverin3Param;
    const Case quick{8000.0f, 0, false, 0, 1, -1, -1, -1, -1, -1, -1};
    const struct { float arc; size_t frames; } rows[] = {{0.0f, 30000}, {1.0f, 120000}};
    for (FrameLanes lanes : {FrameLanes::sse2, FrameLanes::avx512}) {
        if (!canRunFrameLanes(lanes)) {
            continue;
        }
        for (const auto& row : rows) {
            const std::string what = "lanes " + std::to_string(static_cast<int>(lanes)) + " arc " +
                                     std::to_string(row.arc);
            std::mt19937 random(5u);
            std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
            std::vector<float> input(row.frames);
            for (size_t i = 0; i < input.size(); ++i) {
                input[i] = noise(random) * (i < 2000 ? 0.5f : 0.01f);  // never quiet enough for the gate
            }
            Comparison compare(lanes, quick, input, what);
            for (Side* side : {&compare.scalar, &compare.fast}) {
                side->set(P::midComp, 1.0f);
                side->set(P::midPower, 1.0f);
                side->set(P::midArc, row.arc);
                side->set(P::midRelease, 0.0f);
                side->set(P::midThresh, 0.0f);
                side->set(P::loMid, 0.3f);
                side->set(P::midHi, 0.7f);
            }
            for (size_t start = 0; start < input.size();) {
                if (start == 2000) {
                    compare.scalar.set(P::midHi, 0.3f);
                    compare.fast.set(P::midHi, 0.3f);
                }
                size_t n = std::min<size_t>(input.size() - start, 1 + random() % 700);
                n = start < 2000 ? std::min<size_t>(n, 2000 - start) : n;
                compare.runBlock(start, n, false);
                start += n;
            }
            compare.expectSameOutput();
            const auto mid = static_cast<int32_t>(MultibandBand::mid);
            EXPECT_EQ(floatBits(compare.scalar.state.detectors[mid].fastEnvelope()), 0u) << what;
            EXPECT_EQ(floatBits(compare.scalar.state.detectors[mid].slowEnvelope()), 0u) << what;
        }
    }
}

// Loud input whose mix, or only the output level, falls to silence while
// the gate stays open: the SonicFilter's and the limiter's peaks fall
// through the denormals to 0.0 (all but the limiter's slowest), each
// flushed on the way as the reference flushes it.
TEST(MultibandCharacterFrameLoop, PeaksFallingToSilenceFlushAsTheReferenceDoes)
{
    namespace P = Tolverin3Param;
    const Case slow{4000.0f, 0, false, 0, 1, -1, -1, -1, -1, -1, -1};
    const struct {
        const char* silenced;
        std::vector<int32_t> toZero;
        bool sonicFalls;
    } rows[] = {{"the mix", {P::hiPower, P::midPower, P::loPower}, true}, {"the output level", {P::outLevel}, false}};
    for (FrameLanes lanes : {FrameLanes::sse2, FrameLanes::avx512}) {
        if (!canRunFrameLanes(lanes)) {
            continue;
        }
        for (const auto& row : rows) {
            const std::string what = "lanes " + std::to_string(static_cast<int>(lanes)) + " silencing " + row.silenced;
            std::mt19937 random(9u);
            std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
            std::vector<float> input(160000);
            for (float& x : input) {
                x = noise(random) * 0.8f;
            }
            Comparison compare(lanes, slow, input, what);
            for (size_t start = 0; start < input.size();) {
                if (start == 1000) {
                    for (const int32_t index : row.toZero) {
                        compare.scalar.set(index, 0.0f);
                        compare.fast.set(index, 0.0f);
                    }
                }
                size_t n = std::min<size_t>(input.size() - start, 1 + random() % 900);
                n = start < 1000 ? std::min<size_t>(n, 1000 - start) : n;
                compare.runBlock(start, n, false);
                start += n;
            }
            compare.expectSameOutput();
            const LimiterDetector& limiter = compare.scalar.state.output.limiterDetector();
            EXPECT_EQ(floatBits(limiter.peak(0)), 0u) << what;
            EXPECT_EQ(floatBits(limiter.peak(2)), 0u) << what;
            const CharacterDetector& sonic = compare.scalar.state.sonicFilter.levelDetector();
            EXPECT_EQ(floatBits(sonic.fastPeak()) == 0u && floatBits(sonic.slowPeak()) == 0u, row.sonicFalls) << what;
        }
    }
}

}  // namespace
}  // namespace fendwick

// The character compressor's frame loop on every kind of lanes this build
// and processor run, against the loop one frame at a time, bit for bit:
// outputs, histories, gate and every meter publication with its block.
#include "character_frame_loop.h"
#include "character_curve.h"
#include "peak_limiter.h"
#include "vector_paths.h"

#if FENDWICK_X86_VECTOR_PATHS
#include "character_staged_frames.h"
#include "four_column_rows.h"
#include "lane_types.h"
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace fendwick {
namespace {

uint32_t bitsOf(float x)
{
    uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

struct Publication {
    int32_t block;
    int32_t index;
    uint32_t valueBits;
    bool operator==(const Publication& o) const
    {
        return block == o.block && index == o.index && valueBits == o.valueBits;
    }
};

// One side of the comparison: channels, meters, gate and what was published.
struct LoopRun {
    explicit LoopRun(bool stereo, float rateHz, float attack, float release, float arc)
        : meters(stereo ? CharacterChannels::stereo : CharacterChannels::mono, 15)
    {
        for (CharacterChannel& c : channels) {
            c.setSampleRate(rateHz);
            c.level.setAttack(attack);
            c.level.setRelease(release);
            c.level.setReleaseMode(arc);
        }
    }

    static void record(void* owner, int32_t index, float value)
    {
        auto* run = static_cast<LoopRun*>(owner);
        run->published.push_back({run->block, index, bitsOf(value)});
    }

    CharacterChannel channels[2];
    CharacterMeters meters;
    CharacterGateState gate{0, 0};
    int32_t block = 0;
    std::vector<Publication> published;
};

struct LoopCase {
    const char* name;
    float rateHz;
    float attack;
    float release;
    float arc;
    float thresh;  // linear
    float slope;
    float character;
    float mode;
    float enhance;
    float outputGain;
    float ceiling;
    uint32_t switches;  // bits: low cut, enhancer, linked, softened, limiter
    int32_t meterInterval;
};

const LoopCase kCases[] = {
    {"everything on", 48000.0f, 0.2f, 0.5f, 1.0f, 0.1f, 0.3f, 0.1f, 0.0f, 0.7f, 1.4f, 0.9f, 0x1f, 2200},
    {"everything off", 44100.0f, 0.0f, 0.0f, 0.0f, 0.9f, 1.0f, 0.5f, 1.0f, 0.0f, 1.0f, 1.0f, 0x00, 4410},
    {"hot, hard, limited, short meters", 96000.0f, 0.0f, 1.0f, 0.0f, 0.0031591146f, 0.0f, 0.5f, 0.0f, 0.5f,
     2.0f, 0.5f, 0x15, 7},
    {"loud maxx, linked, at 8 kHz", 8000.0f, 1.0f, 0.3f, 1.0f, 0.3f, 0.6f, 0.9f, 1.0f, 1.0f, 0.8f, 1.0f, 0x0e, 3},
    {"bright maxx, unlinked limiter", 192000.0f, 0.5f, 0.0f, 0.0f, 0.05f, 0.1f, 0.0f, 1.0f, 0.2f, 2.0f, 0.3f,
     0x13, 50},
};

CharacterBlockSettings settingsOf(const LoopCase& c, uint32_t switches)
{
    CharacterBlockSettings s{};
    s.threshold = c.thresh;
    s.slope = c.slope;
    s.loCut = (switches & 1u) != 0;
    s.enhancer = (switches & 2u) != 0;
    s.linked = (switches & 4u) != 0;
    s.softened = (switches & 8u) != 0;
    s.limiter = (switches & 16u) != 0;
    s.curve = characterCurveFor(c.character, c.mode);
    s.stereoEnhancer.setAmount(c.enhance);
    s.outputGain = c.outputGain;
    s.ceiling = c.ceiling;
    s.meterInterval = c.meterInterval;
    return s;
}

// Loud and quiet noise, silences long enough for the gate to close, NaN,
// infinities, denormals, values past the input bound and full-scale bursts.
std::vector<float> signalOf(uint32_t noiseStart, size_t frames)
{
    std::mt19937 random(noiseStart);
    std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
    std::vector<float> x;
    while (x.size() < frames) {
        const uint32_t kind = random() % 9;
        const size_t length = 1 + random() % 700;
        const float level = std::pow(10.0f, -5.0f * std::fabs(unit(random)));
        for (size_t k = 0; k < length; ++k) {
            switch (kind) {
            case 0: x.push_back(0.0f); break;
            case 1: x.push_back(unit(random) * 0.000009f); break;
            case 2: x.push_back(unit(random) < -0.9f ? std::numeric_limits<float>::quiet_NaN() : 1e-39f); break;
            case 3: x.push_back(unit(random) < 0.0f ? -INFINITY : 2000.0f * unit(random)); break;
            case 4: x.push_back(unit(random) > 0.0f ? 1.0f : -1.0f); break;
            case 5: {
                // Either side of the bounds of the input guard and the silence gate.
                const float edges[] = {0.00001f, 0.0000099999f, 1024.0f, 1024.0001f, 1.1754944e-38f, 1.1754942e-38f};
                const float edge = edges[random() % 6];
                x.push_back(unit(random) > 0.0f ? edge : -edge);
                break;
            }
            default: x.push_back(level * unit(random)); break;
            }
        }
    }
    x.resize(frames);
    return x;
}

using LanesStereo = std::tuple<FrameLanes, bool>;

class CharacterFrameLoop : public ::testing::TestWithParam<LanesStereo> {
protected:
    void SetUp() override
    {
        if (!canRunFrameLanes(lanes())) {
            GTEST_SKIP() << "this build or processor lacks these lanes";
        }
    }

    FrameLanes lanes() const { return std::get<0>(GetParam()); }
    bool stereo() const { return std::get<1>(GetParam()); }

    template <int Channels, bool Accumulate>
    static void run(FrameLanes lanes, const CharacterBlockSettings& s, LoopRun& r, float* const* in,
                    float* const* out, int32_t frames)
    {
        MeterPublisher publish{&LoopRun::record, &r};
        runCharacterFrames<Channels, Accumulate>(lanes, s, r.channels, r.meters, r.gate, publish, in, out, frames);
        ++r.block;
    }

    static void runAny(FrameLanes lanes, bool stereo, bool accumulate, const CharacterBlockSettings& s, LoopRun& r,
                       float* const* in, float* const* out, int32_t frames)
    {
        if (stereo) {
            accumulate ? run<2, true>(lanes, s, r, in, out, frames) : run<2, false>(lanes, s, r, in, out, frames);
        } else {
            accumulate ? run<1, true>(lanes, s, r, in, out, frames) : run<1, false>(lanes, s, r, in, out, frames);
        }
    }

    // Both loops through the same blocks of random sizes (all of size 1 when
    // maxBlock is 1), the switches flipping every third block; in place when
    // replacing in place.
    void compare(const LoopCase& c, bool accumulate, bool inPlace, size_t maxBlock, uint32_t noiseStart)
    {
        const size_t frames = 30000;
        const std::vector<float> input[2] = {signalOf(noiseStart, frames), signalOf(noiseStart + 1, frames)};
        compareOn(input, c, accumulate, inPlace, maxBlock, noiseStart);
    }

    // As compare, on the given input; the switches flip only with flips.
    void compareOn(const std::vector<float> (&input)[2], const LoopCase& c, bool accumulate, bool inPlace,
                   size_t maxBlock, uint32_t noiseStart, bool flips = true)
    {
        const std::string what = std::string(c.name) + (accumulate ? ", accumulating" : ", replacing") +
                                 (inPlace ? " in place" : "") + ", blocks up to " + std::to_string(maxBlock);
        const size_t frames = input[0].size();
        std::vector<float> got[2] = {std::vector<float>(frames, 0.25f), std::vector<float>(frames, -0.5f)};
        std::vector<float> expected[2] = {got[0], got[1]};
        std::vector<float> in[2] = {input[0], input[1]};
        std::vector<float> reference[2] = {input[0], input[1]};
        LoopRun fast(stereo(), c.rateHz, c.attack, c.release, c.arc);
        LoopRun scalar(stereo(), c.rateHz, c.attack, c.release, c.arc);
        std::mt19937 random(noiseStart);
        size_t start = 0;
        for (uint32_t block = 0; start < frames; ++block) {
            const size_t n = std::min<size_t>(frames - start, 1 + random() % maxBlock);
            const uint32_t flipped = flips && block % 3 == 2 ? random() % 32 : 0u;
            const CharacterBlockSettings s = settingsOf(c, c.switches ^ flipped);
            float* fastIn[2] = {in[0].data() + start, in[1].data() + start};
            float* refIn[2] = {reference[0].data() + start, reference[1].data() + start};
            float* fastOut[2] = {got[0].data() + start, got[1].data() + start};
            float* refOut[2] = {expected[0].data() + start, expected[1].data() + start};
            const auto count = static_cast<int32_t>(n);
            runAny(lanes(), stereo(), accumulate, s, fast, fastIn, inPlace ? fastIn : fastOut, count);
            runAny(FrameLanes::scalar, stereo(), accumulate, s, scalar, refIn, inPlace ? refIn : refOut, count);
            expectSameState(fast, scalar, what + ", block " + std::to_string(block));
            if (HasFailure()) {
                return;
            }
            start += n;
        }
        const std::vector<float>* gotOut = inPlace ? in : got;
        const std::vector<float>* expectedOut = inPlace ? reference : expected;
        for (int ch = 0; ch < 2; ++ch) {
            for (size_t i = 0; i < frames; ++i) {
                ASSERT_EQ(bitsOf(gotOut[ch][i]), bitsOf(expectedOut[ch][i]))
                    << what << " channel " << ch << " frame " << i << ": " << gotOut[ch][i] << " vs "
                    << expectedOut[ch][i];
            }
        }
        ASSERT_EQ(fast.published, scalar.published) << what;
        ASSERT_FALSE(scalar.published.empty()) << what;
    }

    // The gate and every history, bit for bit: after each block, where a
    // value left unflushed would still show.
    static void expectSameState(const LoopRun& fast, const LoopRun& scalar, const std::string& what)
    {
        EXPECT_EQ(fast.gate.silenceCount, scalar.gate.silenceCount) << what;
        EXPECT_EQ(fast.gate.processingActive, scalar.gate.processingActive) << what;
        for (int ch = 0; ch < 2; ++ch) {
            const CharacterChannel& a = fast.channels[ch];
            const CharacterChannel& b = scalar.channels[ch];
            EXPECT_EQ(a.loCut.historyCleared(), b.loCut.historyCleared()) << what;
            EXPECT_EQ(bitsOf(a.level.fastEnvelope()), bitsOf(b.level.fastEnvelope())) << what;
            EXPECT_EQ(bitsOf(a.level.slowEnvelope()), bitsOf(b.level.slowEnvelope())) << what;
            EXPECT_EQ(bitsOf(a.character.fastPeak()), bitsOf(b.character.fastPeak())) << what;
            EXPECT_EQ(bitsOf(a.character.slowPeak()), bitsOf(b.character.slowPeak())) << what;
            for (int p = 0; p < 3; ++p) {
                EXPECT_EQ(bitsOf(a.limiter.peak(p)), bitsOf(b.limiter.peak(p))) << what;
                EXPECT_EQ(a.limiter.heldFor(p), b.limiter.heldFor(p)) << what;
            }
        }
    }
};

TEST_P(CharacterFrameLoop, GivesTheBitsAndMetersOfTheFrameByFrameLoop)
{
    uint32_t noiseStart = stereo() ? 100u : 200u;
    for (const LoopCase& c : kCases) {
        for (bool accumulate : {false, true}) {
            for (size_t maxBlock : {size_t{1}, size_t{37}, size_t{130}, size_t{700}}) {
                compare(c, accumulate, false, maxBlock, noiseStart += 2);
                if (HasFatalFailure()) {
                    return;
                }
            }
        }
        compare(c, false, true, 300, noiseStart += 2);
        if (HasFatalFailure()) {
            return;
        }
    }
}

// Where the flush changes a value: levels that decay for seconds with the
// gate open pass through the denormal range (the right channel falling
// silent beside a loud left one, whose frames keep the gate open, at a low
// rate, where the fastest half-lives are few frames long); and an output
// level of 0, which leaves -0.0 in the limiter's peaks.
TEST_P(CharacterFrameLoop, LevelsDecayingPastTheSmallestNormalGiveTheFrameByFrameBits)
{
    const size_t frames = 30000;
    std::vector<float> loud = signalOf(7, frames);
    for (float& x : loud) {
        x = std::isfinite(x) ? 0.5f + 0.4f * std::sin(x) : 0.5f;
    }
    std::vector<float> fallingSilent = loud;
    std::fill(fallingSilent.begin() + 4000, fallingSilent.end(), 0.0f);
    const std::vector<float> oneSilent[2] = {loud, fallingSilent};
    const std::vector<float> bothLoud[2] = {loud, loud};
    LoopCase decay = kCases[3];
    decay.name = "one channel falling silent at 8 kHz";
    decay.switches = 0x19;  // low cut, softened, limiter; unlinked, no enhancer to mix the channels
    compareOn(oneSilent, decay, false, false, 700, 11, false);
    if (HasFatalFailure()) {
        return;
    }
    decay.name = "output level 0 at 8 kHz";
    decay.outputGain = 0.0f;
    compareOn(bothLoud, decay, false, false, 700, 13, false);
}

INSTANTIATE_TEST_SUITE_P(EveryFastLanes, CharacterFrameLoop,
                         ::testing::Combine(::testing::Values(FrameLanes::sse2, FrameLanes::avx512),
                                            ::testing::Bool()),
                         [](const ::testing::TestParamInfo<LanesStereo>& p) {
                             return std::string(std::get<0>(p.param) == FrameLanes::sse2 ? "Sse2" : "Avx512") +
                                    (std::get<1>(p.param) ? "Stereo" : "Mono");
                         });

#if FENDWICK_X86_VECTOR_PATHS
// Rows of four per frame as the frame loop stores the detectors' lanes,
// read back as columns of frames by both vector widths, and the columns
// laid out as the same rows again.
template <class Floats>
void expectColumnsOfRows()
{
    constexpr int kWidth = sizeof(Floats) / sizeof(float);
    float rows[2 * kWidth][4];
    for (int i = 0; i < 2 * kWidth; ++i) {
        for (int k = 0; k < 4; ++k) {
            rows[i][k] = static_cast<float>(100 * i + k);
        }
    }
    for (int start : {0, kWidth}) {
        Floats columns[4];
        columnsOf(rows, start, columns);
        for (int k = 0; k < 4; ++k) {
            for (int i = 0; i < kWidth; ++i) {
                EXPECT_EQ(columns[k][i], rows[start + i][k]) << "width " << kWidth << ", column " << k;
            }
        }
        float again[2 * kWidth][4] = {};
        rowsOf(columns, again, start);
        for (int i = 0; i < kWidth; ++i) {
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(again[start + i][k], rows[start + i][k]) << "width " << kWidth << ", frame " << i;
            }
        }
    }
}

TEST(CharacterGainLanes, RowsComeBackAsColumnsFrameByFrameAndBack)
{
    expectColumnsOfRows<LaneTypes<4>::Floats>();
    expectColumnsOfRows<LaneTypes<16>::Floats>();
}

// The gain formulas in four lanes against one float at a time, at the
// values where a choice or a flush turns: each lane keeps the float's bits.
TEST(CharacterGainLanes, EveryLaneGivesTheBitsOfTheFloatAlone)
{
    using Lanes = VectorLanes<4>;
    using Floats = Lanes::Floats;
    const float kEdges[] = {0.0f, -0.0f, 1e-39f, 1e-38f, 1e-20f, 0.3f, 0.5f, 0.969999f, 0.97f, 0.999998f,
                            0.999999f, 1.0f, 1.0778f, 2.0f, 1e30f, -0.5f, -2.0f, INFINITY, -INFINITY,
                            std::numeric_limits<float>::quiet_NaN()};
    const CharacterCurve curves[] = {characterCurveFor(0.0f, 0.0f), characterCurveFor(0.333333f, 0.0f),
                                     characterCurveFor(0.666666f, 1.0f), characterCurveFor(0.2f, 1.0f)};
    for (float x : kEdges) {
        const Floats v = {x, x, x, x};
        const Floats other = {0.5f, -0.25f, 1.0f, 1.5f};  // limiter gains
        Floats got[5];
        reduceGain<Lanes>(v, got[0]);
        limitGain<Lanes>(v, got[1]);
        limitOutput<Lanes>(other, v, 0.7f, got[2]);
        characteriseGain<Lanes>(curves[0], v, got[3]);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(bitsOf(got[0][k]), bitsOf(reductionGain(x))) << "Reduction of " << x;
            EXPECT_EQ(bitsOf(got[1][k]), bitsOf(limiterGain(x))) << "limiter gain of " << x;
            EXPECT_EQ(bitsOf(got[2][k]), bitsOf(limitedOutput(other[k], x, 0.7f))) << "limited " << x;
            EXPECT_EQ(bitsOf(got[3][k]), bitsOf(characterGain(curves[0], x))) << "character gain of " << x;
        }
        for (const CharacterCurve& curve : curves) {
            characteriseGain<Lanes>(curve, v, got[4]);
            EXPECT_EQ(bitsOf(got[4][0]), bitsOf(characterGain(curve, x))) << "curve " << curve.linear << " at " << x;
        }
    }
}

// The enhancer in vectors against one pair of floats at a time, at amounts
// from blend to widening and at inputs whose sums cancel, turn denormal or
// are no number: each lane keeps the bits of the pair alone.
TEST(CharacterGainLanes, TheEnhancerInLanesGivesTheBitsOfOnePair)
{
    using Floats = VectorLanes<16>::Floats;
    const float kLeft[] = {0.5f, 1.0f, -1.0f, 1e-38f, 3e-38f, 0.0f, -0.0f, 1e-20f, 0.25f, 2.0f, INFINITY,
                           std::numeric_limits<float>::quiet_NaN(), 0.7f, -0.3f, 1e-39f, 0.999999f};
    const float kRight[] = {0.5f, 0.25f, 1.0f, 1e-38f, -2e-38f, 0.0f, 0.0f, -1e-20f, 1.0f, -2.0f, 1.0f,
                            0.5f, 0.7f, 0.3f, 1e-39f, -0.999999f};
    for (float amount : {0.0f, 0.3f, 0.5f, 0.75f, 1.0f}) {
        StereoEnhancer enhancer;
        enhancer.setAmount(amount);
        Floats left;
        Floats right;
        std::memcpy(&left, kLeft, sizeof left);
        std::memcpy(&right, kRight, sizeof right);
        enhancer.stepInPlace<VectorLanes<16>>(left, right);
        for (int k = 0; k < 16; ++k) {
            const StereoPair one = enhancer.step(kLeft[k], kRight[k]);
            EXPECT_EQ(bitsOf(left[k]), bitsOf(one.left)) << "amount " << amount << ", pair " << k;
            EXPECT_EQ(bitsOf(right[k]), bitsOf(one.right)) << "amount " << amount << ", pair " << k;
        }
    }
}

// A run of quantities folded in vectors and handed to a meter at once
// against the same quantities gathered one by one, for both kinds, over
// runs that end inside a vector, reach past 1.0 or sit exactly on it.
TEST(CharacterGainLanes, AFoldedRunLeavesTheMeterAsFrameByFrame)
{
    const float kQuantities[] = {0.3f, 0.0f, 1.0f, 0.2f, 1.5f, 0.999f, 1e-30f, 0.75f, 0.5f, 0.1f, 2.0f,
                                 0.9f, 0.05f, 0.6f, 0.4f, 0.8f, 0.35f, 0.25f, 0.001f, 0.45f, 0.65f};
    const int32_t kCount = static_cast<int32_t>(std::size(kQuantities));
    for (MeterKind kind : {MeterKind::level, MeterKind::gain}) {
        for (int32_t first = 0; first < kCount; first += 3) {
            for (int32_t n = 1; first + n <= kCount; n += 4) {
                MeterChannel folded(kind, 0);
                MeterChannel oneByOne(kind, 0);
                const float* run = kQuantities + first;
                const float value = kind == MeterKind::level
                                        ? staged_frames::foldQuantities<VectorLanes<4>, true>(run, n)
                                        : staged_frames::foldQuantities<VectorLanes<4>, false>(run, n);
                folded.gatherFolded(value, n);
                for (int32_t k = 0; k < n; ++k) {
                    oneByOne.gather(run[k], 1000);
                }
                ASSERT_TRUE(folded.gather(0.5f, n) && oneByOne.gather(0.5f, n)) << "both windows close now";
                EXPECT_EQ(bitsOf(folded.value()), bitsOf(oneByOne.value()))
                    << (kind == MeterKind::level ? "level" : "gain") << " run from " << first << " of " << n;
            }
        }
    }
}
#endif

}  // namespace
}  // namespace fendwick

// The envelope lanes of every vector path this build and processor run
// against EnvelopeDetector::step, bit for bit, and the floors under which a
// run may skip the flush, at their edges.
#include "vector_paths.h"

#if FENDWICK_X86_VECTOR_PATHS

#include "ascarell_frame_loop.h"
#include "envelope_lanes.h"
#include "masked_add_step.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace fendwick {
namespace {

uint32_t bitsOf(float x)
{
    uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

float lane(__m128 v, int k)
{
    alignas(16) float lanes[4];
    _mm_store_ps(lanes, v);
    return lanes[k];
}

EnvelopeDetector::Coefficients coefficients(float rateHz, float attack, float release, float arc)
{
    EnvelopeDetector d;
    d.setSampleRate(rateHz);
    d.setAttack(attack);
    d.setRelease(release);
    d.setKnee(0.0f);  // the step then returns the level before the knee
    d.setReleaseMode(arc);
    return d.coefficients();
}

struct Setup {
    const char* name;
    EnvelopeDetector::Coefficients k;
};

std::vector<Setup> setups()
{
    return {
        {"ARC at 44.1 kHz", coefficients(44100.0f, 0.2f, 0.5f, 1.0f)},
        {"manual, fastest at 48 kHz", coefficients(48000.0f, 0.0f, 0.0f, 0.0f)},
        {"manual, slowest at 192 kHz", coefficients(192000.0f, 1.0f, 1.0f, 0.0f)},
        {"ARC at 200 Hz", coefficients(200.0f, 0.0f, 0.0f, 1.0f)},
        {"manual at 20 Hz", coefficients(20.0f, 0.0f, 0.0f, 0.0f)},
    };
}

// The smallest envelope, the same in every lane, that a flush-free run may
// start from; found through flushFreeStart alone, which rises with it.
float smallestFlushFreeStart(const EnvelopeLanes& lanes)
{
    uint32_t low = 1;                  // smallest denormal: refused
    uint32_t high = 0x7f800000u;       // infinity: accepted unless the floors are unusable
    auto accepted = [&](uint32_t bits) {
        float x;
        std::memcpy(&x, &bits, sizeof x);
        return lanes.flushFreeStart(_mm_set1_ps(x));
    };
    if (!accepted(high)) {
        return INFINITY;
    }
    while (high - low > 1) {
        const uint32_t middle = low + (high - low) / 2;
        (accepted(middle) ? high : low) = middle;
    }
    float x;
    std::memcpy(&x, &high, sizeof x);
    return x;
}

// Runs the lanes and two scalar detectors side by side over runs of four
// frames and checks every envelope after every frame.
template <class Step>
class LaneRunner {
public:
    LaneRunner(const EnvelopeDetector::Coefficients& k, bool isStereo)
        : coefficients(k), stereo(isStereo), lanes(k, k, isStereo)
    {
    }

    void start(float env1, float env2)
    {
        scalar[0] = {env1, coefficients.automaticRelease ? env2 : 0.0f, 0.0f, 0.0f};
        scalar[1] = stereo ? scalar[0] : EnvelopeDetector::Envelope{};
        env = EnvelopeLanes::load(scalar[0], scalar[1]);
    }

    // Follows up to four frames of input magnitudes (the same on both
    // channels) and answers whether the run skipped the flush.
    bool run(const float* magnitudes, int32_t count, const std::string& what)
    {
        alignas(16) float left[4] = {};
        for (int32_t k = 0; k < count; ++k) {
            left[k] = magnitudes[k];
        }
        const __m128 in = _mm_load_ps(left);
        bool small = false;
        for (int32_t k = 0; k < count; ++k) {
            small = small || (left[k] != 0.0f && left[k] < lanes.smallestFlushFreeInput());
        }
        const bool flushFree = !small && lanes.flushFreeStart(env);
        __m128 inputs[4];
        __m128 envelopes[4];
        lanes.spreadInputs(in, stereo ? in : _mm_setzero_ps(), inputs);
        env = lanes.follow<Step>(env, inputs, envelopes, count, small);
        __m128 levelL;
        __m128 levelR;
        lanes.levels(envelopes, levelL, levelR);
        for (int32_t k = 0; k < count; ++k) {
            const float levels[2] = {EnvelopeDetector::step(coefficients, scalar[0], left[k]),
                                     stereo ? EnvelopeDetector::step(coefficients, scalar[1], left[k]) : 0.0f};
            for (int ch = 0; ch < (stereo ? 2 : 1); ++ch) {
                EXPECT_EQ(bitsOf(lane(envelopes[k], ch)), bitsOf(scalar[ch].env1)) << what << " frame " << k;
                EXPECT_EQ(bitsOf(lane(envelopes[k], 2 + ch)), bitsOf(scalar[ch].env2)) << what << " frame " << k;
                EXPECT_EQ(bitsOf(lane(ch == 0 ? levelL : levelR, k)), bitsOf(levels[ch])) << what << " frame " << k;
            }
            if (flushFree) {
                // The reason the flush may go: nothing it would change.
                for (int l = 0; l < 4; ++l) {
                    EXPECT_NE(std::fpclassify(lane(envelopes[k], l)), FP_SUBNORMAL) << what << " lane " << l;
                }
            }
        }
        return flushFree;
    }

    const EnvelopeLanes& envelopeLanes() const { return lanes; }

private:
    EnvelopeDetector::Coefficients coefficients;
    bool stereo;
    EnvelopeLanes lanes;
    EnvelopeDetector::Envelope scalar[2];
    __m128 env = _mm_setzero_ps();
};

template <class Step>
void checkEdges(bool stereo, const std::string& stepName)
{
    for (const Setup& setup : setups()) {
        LaneRunner<Step> runner(setup.k, stereo);
        const float startFloor = smallestFlushFreeStart(runner.envelopeLanes());
        const float inputFloor = runner.envelopeLanes().smallestFlushFreeInput();
        const std::string what = stepName + ", " + setup.name + (stereo ? ", stereo" : ", mono");
        ASSERT_TRUE(std::isfinite(startFloor) && std::isfinite(inputFloor)) << what;
        // No floor lets a run start where a single release step could
        // already reach the denormals.
        EXPECT_GT(startFloor, FLT_MIN) << what;
        EXPECT_GT(inputFloor, FLT_MIN) << what;

        const float belowStart = std::nextafter(startFloor, 0.0f);
        const float belowInput = std::nextafter(inputFloor, 0.0f);
        const float zeros[4] = {0.0f, 0.0f, 0.0f, 0.0f};
        const float atInput[4] = {inputFloor, 0.0f, 0.0f, 0.0f};
        const float lateInput[4] = {0.0f, 0.0f, 0.0f, inputFloor};
        const float slightlyAbove[4] = {std::nextafter(inputFloor, INFINITY), 0.0f, inputFloor, 0.0f};

        // The longest fall from the lowest start: flush-free, exact.
        runner.start(startFloor, startFloor);
        EXPECT_TRUE(runner.run(zeros, 4, what + ", fall from the floor")) << what;
        // One step lower takes the flushing path, still exact.
        runner.start(belowStart, belowStart);
        EXPECT_FALSE(runner.run(zeros, 4, what + ", fall from below the floor")) << what;
        // The smallest input rises from zero, then falls.
        runner.start(0.0f, 0.0f);
        EXPECT_TRUE(runner.run(atInput, 4, what + ", smallest input")) << what;
        runner.start(0.0f, 0.0f);
        EXPECT_TRUE(runner.run(lateInput, 4, what + ", smallest input last")) << what;
        const float tooSmall[4] = {belowInput, 0.0f, 0.0f, 0.0f};
        runner.start(0.0f, 0.0f);
        EXPECT_FALSE(runner.run(tooSmall, 4, what + ", input below the floor")) << what;
        // Inputs just above the envelope rise by a sliver.
        runner.start(inputFloor, startFloor);
        EXPECT_TRUE(runner.run(slightlyAbove, 4, what + ", rising a sliver")) << what;
        // Partial runs.
        for (int32_t count = 1; count < 4; ++count) {
            runner.start(startFloor, 0.0f);
            runner.run(atInput, count, what + ", partial run");
        }
        if (::testing::Test::HasFailure()) {
            return;
        }
    }
}

// Random runs near the floors: envelopes a few times the start floor or
// zero, inputs zero, at a few times the input floor, or equal to the
// envelope, followed for thousands of frames.
template <class Step>
void checkRandomRuns(bool stereo, uint32_t start)
{
    std::mt19937 random(start);
    std::uniform_real_distribution<float> spread(1.0f, 4.0f);
    std::uniform_int_distribution<int> kind(0, 5);
    for (const Setup& setup : setups()) {
        LaneRunner<Step> runner(setup.k, stereo);
        const float startFloor = smallestFlushFreeStart(runner.envelopeLanes());
        const float inputFloor = runner.envelopeLanes().smallestFlushFreeInput();
        int flushFreeRuns = 0;
        for (int trial = 0; trial < 400; ++trial) {
            runner.start(kind(random) == 0 ? 0.0f : startFloor * spread(random), startFloor * spread(random));
            for (int r = 0; r < 8; ++r) {
                float magnitudes[4];
                for (float& m : magnitudes) {
                    switch (kind(random)) {
                    case 0:
                    case 1: m = 0.0f; break;
                    case 2: m = inputFloor; break;
                    case 3: m = inputFloor * spread(random); break;
                    case 4: m = startFloor * spread(random); break;
                    default: m = 0.5f * spread(random); break;
                    }
                }
                flushFreeRuns += runner.run(magnitudes, 4, std::string(setup.name) + " random") ? 1 : 0;
            }
            if (::testing::Test::HasFailure()) {
                return;
            }
        }
        EXPECT_GT(flushFreeRuns, 100) << setup.name;
    }
}

// The vector paths, each with its envelope step.
class EnvelopeLanesSteps : public ::testing::TestWithParam<FrameLanes> {
protected:
    void SetUp() override
    {
        if (!canRunFrameLanes(GetParam())) {
            GTEST_SKIP() << "this processor lacks these lanes";
        }
    }

    bool avx512() const { return GetParam() == FrameLanes::avx512; }
};

TEST_P(EnvelopeLanesSteps, StepIsExactAtTheFlushFreeFloors)
{
    for (bool stereo : {false, true}) {
        avx512() ? checkEdges<MaskedAddStep>(stereo, "avx512") : checkEdges<BitwiseSelectStep>(stereo, "sse2");
    }
}

TEST_P(EnvelopeLanesSteps, RandomRunsNearTheFloorsAreExact)
{
    const uint32_t start = avx512() ? 3 : 1;
    for (bool stereo : {false, true}) {
        avx512() ? checkRandomRuns<MaskedAddStep>(stereo, start + (stereo ? 1 : 0))
                 : checkRandomRuns<BitwiseSelectStep>(stereo, start + (stereo ? 1 : 0));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryVectorPath, EnvelopeLanesSteps,
                         ::testing::Values(FrameLanes::sse2, FrameLanes::avx512),
                         [](const ::testing::TestParamInfo<FrameLanes>& param) {
                             return std::string(param.param == FrameLanes::avx512 ? "Avx512" : "Sse2");
                         });

// Coefficients the floors cannot vouch for leave only runs that start and
// stay at zero without the flush.
TEST(EnvelopeLanes, UnusableCoefficientsKeepTheFlush)
{
    EnvelopeDetector::Coefficients k = setups()[0].k;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const EnvelopeDetector::Coefficients broken[] = {
        {nan, k.releaseCoef, k.fastReleaseCoef, k.slowReleaseCoef, 0.0f, true},
        {1.0f, k.releaseCoef, k.fastReleaseCoef, k.slowReleaseCoef, 0.0f, true},
        {-0.5f, k.releaseCoef, k.fastReleaseCoef, k.slowReleaseCoef, 0.0f, true},
        {k.attackCoef, k.releaseCoef, 0.0f, k.slowReleaseCoef, 0.0f, true},
        {k.attackCoef, k.releaseCoef, k.fastReleaseCoef, nan, 0.0f, true},
        {k.attackCoef, 1.5f, k.fastReleaseCoef, k.slowReleaseCoef, 0.0f, false},
    };
    for (const auto& b : broken) {
        const EnvelopeLanes lanes(b, b, true);
        EXPECT_EQ(lanes.smallestFlushFreeInput(), INFINITY);
        EXPECT_FALSE(lanes.flushFreeStart(_mm_set1_ps(0.5f)));
        EXPECT_FALSE(lanes.flushFreeStart(_mm_set1_ps(FLT_MAX)));
        EXPECT_TRUE(lanes.flushFreeStart(_mm_setzero_ps()));
    }
}

}  // namespace
}  // namespace fendwick

#endif

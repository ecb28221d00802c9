// The frame loop on every kind of lanes this build and processor run,
// against the plain frame-by-frame model, bit for bit, with the gate's state.
#include "ascarell_frame_loop.h"
#include "reference_compressor.h"
#include "sample_guards.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace fendwick {
namespace {

using testing_model::bitsOf;
using testing_model::ReferenceCompressor;
using testing_model::SignalMaker;

struct DetectorSetup {
    const char* name;
    float sampleRateHz;
    float attack;
    float release;
    float knee;
    float arc;
};

const DetectorSetup kDetectorSetups[] = {
    {"ARC, default times", 44100.0f, 0.194794f, 0.484014f, 0.1f, 1.0f},
    {"manual, fastest", 48000.0f, 0.0f, 0.0f, 0.0f, 0.0f},
    {"manual, slowest at 8 kHz", 8000.0f, 1.0f, 1.0f, 1.0f, 0.0f},
    {"ARC at 400 Hz", 400.0f, 0.0f, 0.3f, 0.5f, 1.0f},
    {"ARC, slowest attack at 192 kHz", 192000.0f, 1.0f, 0.5f, 0.3f, 0.6f},
};

EnvelopeDetector::Coefficients coefficientsOf(const DetectorSetup& s)
{
    EnvelopeDetector d;
    d.setSampleRate(s.sampleRateHz);
    d.setAttack(s.attack);
    d.setRelease(s.release);
    d.setKnee(s.knee);
    d.setReleaseMode(s.arc);
    return d.coefficients();
}

class FrameLoop : public ::testing::TestWithParam<testing_model::LanesAndStereo> {
protected:
    void SetUp() override
    {
        if (!canRunFrameLanes(lanes())) {
            GTEST_SKIP() << "this build or processor lacks these lanes";
        }
    }

    FrameLanes lanes() const { return std::get<0>(GetParam()); }
    bool stereo() const { return std::get<1>(GetParam()); }

    // Runs the loop and the model through the same random blocks and
    // compares every block's output and the state after it.
    void compare(const EnvelopeDetector::Coefficients (&k)[2], const AscarellBlockSettings& settings,
                 const std::vector<float>& left, const std::vector<float>& right, uint32_t signalNumber,
                 bool accumulate, const std::string& what)
    {
        const int channels = stereo() ? 2 : 1;
        std::vector<float> inputs[2] = {left, right};
        std::vector<float> got[2] = {std::vector<float>(left.size(), -0.0f), std::vector<float>(left.size(), 3.0f)};
        std::vector<float> expected[2] = {got[0], got[1]};
        AscarellLoopState state{{}, 0, 0};
        ReferenceCompressor model(stereo());
        SignalMaker blocks(signalNumber);
        size_t start = 0;
        while (start < left.size()) {
            const size_t n = std::min(blocks.blockSize(), left.size() - start);
            const auto frames = static_cast<int32_t>(n);
            float* in[2] = {inputs[0].data() + start, inputs[1].data() + start};
            float* out[2] = {got[0].data() + start, got[1].data() + start};
            float* ref[2] = {expected[0].data() + start, expected[1].data() + start};
            testing_model::runFrameLoop(lanes(), stereo(), accumulate, k, settings, state, in, out, frames);
            model.process(k, settings, in, ref, frames, accumulate);
            for (int ch = 0; ch < channels; ++ch) {
                for (size_t i = start; i < start + n; ++i) {
                    ASSERT_EQ(bitsOf(got[ch][i]), bitsOf(expected[ch][i]))
                        << what << " channel " << ch << " frame " << i << ": " << got[ch][i] << " vs "
                        << expected[ch][i];
                }
                const EnvelopeDetector::Envelope& a = state.envelopes[ch];
                const EnvelopeDetector::Envelope& b = model.state(ch);
                ASSERT_EQ(bitsOf(a.env1), bitsOf(b.env1)) << what << " env1 after frame " << start + n;
                ASSERT_EQ(bitsOf(a.env2), bitsOf(b.env2)) << what << " env2 after frame " << start + n;
                ASSERT_EQ(bitsOf(a.lastInput), bitsOf(b.lastInput)) << what << " after frame " << start + n;
                ASSERT_EQ(bitsOf(a.lastMagnitude), bitsOf(b.lastMagnitude)) << what;
            }
            ASSERT_EQ(state.silenceCount, model.silence()) << what << " after frame " << start + n;
            ASSERT_EQ(state.processingActive, model.active()) << what << " after frame " << start + n;
            // The channels the loop does not own stay untouched.
            if (!stereo()) {
                ASSERT_EQ(got[1], expected[1]) << what;
            }
            start += n;
        }
    }

    void compareEverySetup(const std::vector<float>& left, const std::vector<float>& right,
                           const AscarellBlockSettings& settings, uint32_t signalNumber)
    {
        for (const DetectorSetup& setup : kDetectorSetups) {
            const EnvelopeDetector::Coefficients k[2] = {coefficientsOf(setup), coefficientsOf(setup)};
            for (bool accumulate : {false, true}) {
                compare(k, settings, left, right, ++signalNumber, accumulate,
                        std::string(setup.name) + (accumulate ? ", accumulating" : ", replacing"));
                if (HasFatalFailure()) {
                    return;
                }
            }
        }
    }
};

TEST_P(FrameLoop, MatchesTheModelOnMixedSignals)
{
    SignalMaker maker(stereo() ? 31u : 32u);
    const std::vector<float> left = maker.mixture(40000);
    std::vector<float> right = maker.mixture(left.size());
    right.resize(left.size());
    compareEverySetup(left, right, {0.5f, 0.5f, 0.2f, 0.3f}, 100);
}

TEST_P(FrameLoop, MatchesTheModelThroughDecaysIntoTheDenormals)
{
    SignalMaker maker(stereo() ? 41u : 42u);
    std::vector<float> left;
    std::vector<float> right;
    maker.decays(left, right, 120000);
    compareEverySetup(left, right, {0.5f, 0.75f, 0.0031591146f, 0.0f}, 200);
}

// Extreme gains put the detector inputs at the edges of the float range,
// where the envelopes live among the denormals and the flush matters.
TEST_P(FrameLoop, MatchesTheModelWithExtremeGains)
{
    SignalMaker maker(stereo() ? 51u : 52u);
    const std::vector<float> left = maker.mixture(15000);
    std::vector<float> right = maker.mixture(left.size());
    right.resize(left.size());
    for (float inputParam : {1e-30f, 1e-38f, 3e37f}) {
        compareEverySetup(left, right, {inputParam, 1.0f, 0.999f, 0.5f}, 300);
        if (HasFatalFailure()) {
            return;
        }
    }
}

// An input gain of 2e36 takes the largest input beyond the float range:
// that detector holds NaN from then on, and the gain follows the other
// channel, whether that one lies above or below the threshold (scaled with
// the gain).
TEST_P(FrameLoop, AnOverflowedDetectorLeavesTheGainToTheOther)
{
    SignalMaker maker(61);
    std::vector<float> left;
    std::vector<float> right;
    maker.noise(left, 300, 0.5f);
    maker.noise(right, 300, 0.5f);
    left.push_back(kLargestInput);
    right.push_back(0.1f);
    maker.noise(left, 3000, 0.5f);
    maker.noise(right, 1000, 0.9f);
    maker.noise(right, 1000, 0.01f);
    maker.noise(right, 1000, 0.0001f);
    compareEverySetup(left, right, {1e36f, 0.5f, 3e35f, 0.5f}, 400);
}

INSTANTIATE_TEST_SUITE_P(EveryLanes, FrameLoop, testing_model::everyLanesMonoAndStereo(),
                         testing_model::lanesAndStereoName);

}  // namespace
}  // namespace fendwick

// The compressor, and its frame loop on every kind of lanes this build and
// processor run, against a plain frame-by-frame model built from
// EnvelopeDetector::step and the gain law, bit for bit, on signals that
// reach every corner: silence runs, decays into the denormals, tiny and
// non-finite input, any block size.
#include "ascarell_compressor.h"
#include "reference_compressor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace fendwick {
namespace {

using P = AscarellParam::Index;

using testing_model::bitsOf;
using testing_model::ReferenceCompressor;
using testing_model::SignalMaker;

// What the model needs of the compressor before each block, read through
// its public interface.
struct BlockView {
    EnvelopeDetector::Coefficients k[2];
    AscarellBlockSettings settings;

    explicit BlockView(AscarellCompressor& c)
        : k{c.detector(0).coefficients(), c.detector(c.isStereo() ? 1 : 0).coefficients()},
          settings{c.getParameter(P::input), c.getParameter(P::outLevel), c.thresholdLinear(), c.gainBlendValue()}
    {
    }
};

struct Scenario {
    std::string name;
    float sampleRateHz;
    int32_t program;
    float arc;
    float release;  // < 0: the program's own
    float attack;   // < 0: the program's own
};

class ReferenceModel : public ::testing::TestWithParam<testing_model::LanesAndStereo> {
protected:
    void SetUp() override
    {
        if (!canRunFrameLanes(lanes())) {
            GTEST_SKIP() << "this build or processor lacks these lanes";
        }
    }

    FrameLanes lanes() const { return std::get<0>(GetParam()); }
    bool stereo() const { return std::get<1>(GetParam()); }

    // A resumed compressor, and the loop's state to match it.
    std::unique_ptr<AscarellCompressor> make(const Scenario& s)
    {
        loopState = AscarellLoopState{{}, 0, 0};
        auto c = std::make_unique<AscarellCompressor>(
            nullptr, stereo() ? AscarellChannels::stereo : AscarellChannels::mono);
        c->setSampleRate(s.sampleRateHz);
        c->setProgram(s.program);
        c->setParameter(P::arc, s.arc);
        if (s.release >= 0.0f) {
            c->setParameter(P::release, s.release);
        }
        if (s.attack >= 0.0f) {
            c->setParameter(P::attack, s.attack);
        }
        c->resume();
        return c;
    }

    // Runs the compressor, the loop and the model through the same blocks
    // and compares every block's output and the detectors' state after it;
    // stops at the first mismatch. The compressor comes from make().
    void compare(AscarellCompressor& c, ReferenceCompressor& model, const std::vector<float>& left,
                 const std::vector<float>& right, SignalMaker& blocks, bool accumulate, const std::string& what)
    {
        const int channels = stereo() ? 2 : 1;
        std::vector<float> inputs[2] = {left, right};
        std::vector<float> got[2];
        std::vector<float> looped[2];
        std::vector<float> expected[2];
        for (int ch = 0; ch < channels; ++ch) {
            got[ch].assign(left.size(), 0.125f);
            looped[ch].assign(left.size(), 0.125f);
            expected[ch].assign(left.size(), 0.125f);
        }
        size_t start = 0;
        while (start < left.size()) {
            const size_t n = std::min(blocks.blockSize(), left.size() - start);
            float* in[2] = {inputs[0].data() + start, inputs[1].data() + start};
            float* out[2] = {got[0].data() + start, stereo() ? got[1].data() + start : nullptr};
            float* loopOut[2] = {looped[0].data() + start, stereo() ? looped[1].data() + start : nullptr};
            float* ref[2] = {expected[0].data() + start, stereo() ? expected[1].data() + start : nullptr};
            if (accumulate) {
                c.processAccumulate(in, out, static_cast<int32_t>(n));
            } else {
                c.processReplace(in, out, static_cast<int32_t>(n));
            }
            const BlockView view(c);
            // The compressor takes the fastest lanes; the loop those under test.
            testing_model::runFrameLoop(lanes(), stereo(), accumulate, view.k, view.settings, loopState, in, loopOut,
                                        static_cast<int32_t>(n));
            model.process(view.k, view.settings, in, ref, static_cast<int32_t>(n), accumulate);
            for (int ch = 0; ch < channels; ++ch) {
                for (size_t i = start; i < start + n; ++i) {
                    ASSERT_EQ(bitsOf(got[ch][i]), bitsOf(expected[ch][i]))
                        << what << " channel " << ch << " frame " << i << ": " << got[ch][i] << " vs "
                        << expected[ch][i];
                    ASSERT_EQ(bitsOf(looped[ch][i]), bitsOf(expected[ch][i]))
                        << what << " loop, channel " << ch << " frame " << i;
                }
                const EnvelopeDetector::Envelope& b = model.state(ch);
                const EnvelopeDetector::Envelope* states[] = {&c.detector(ch).state(), &loopState.envelopes[ch]};
                for (const EnvelopeDetector::Envelope* a : states) {
                    ASSERT_EQ(bitsOf(a->env1), bitsOf(b.env1)) << what << " env1 after frame " << start + n;
                    ASSERT_EQ(bitsOf(a->env2), bitsOf(b.env2)) << what << " env2 after frame " << start + n;
                    ASSERT_EQ(bitsOf(a->lastInput), bitsOf(b.lastInput)) << what << " after frame " << start + n;
                    ASSERT_EQ(bitsOf(a->lastMagnitude), bitsOf(b.lastMagnitude)) << what;
                }
            }
            ASSERT_EQ(loopState.silenceCount, model.silence()) << what << " after frame " << start + n;
            ASSERT_EQ(loopState.processingActive, model.active()) << what << " after frame " << start + n;
            start += n;
        }
    }

    void compareSignal(const Scenario& s, const std::vector<float>& left, const std::vector<float>& right,
                       uint32_t signalNumber)
    {
        for (bool accumulate : {false, true}) {
            auto c = make(s);
            ReferenceCompressor model(stereo());
            SignalMaker blocks(signalNumber);
            compare(*c, model, left, right, blocks, accumulate,
                    s.name + (accumulate ? " accumulating" : " replacing"));
            if (HasFatalFailure()) {
                return;
            }
        }
    }

    AscarellLoopState loopState{{}, 0, 0};
};

const Scenario kScenarios[] = {
    {"default program", 44100.0f, 0, 1.0f, -1.0f, -1.0f},
    {"program 8, ARC off", 48000.0f, 8, 0.0f, -1.0f, -1.0f},
    {"program 22 at 96 kHz", 96000.0f, 22, 1.0f, -1.0f, -1.0f},
    {"program 5, ARC off, slowest release", 44100.0f, 5, 0.0f, 1.0f, 1.0f},
    {"program 10, fastest release at 8 kHz", 8000.0f, 10, 0.0f, 0.0f, 0.0f},
    {"program 14 at 500 Hz", 500.0f, 14, 1.0f, -1.0f, -1.0f},
};

TEST_P(ReferenceModel, MixedSignalsInRandomBlocks)
{
    uint32_t signalNumber = stereo() ? 1000u : 2000u;
    for (const Scenario& s : kScenarios) {
        SignalMaker maker(++signalNumber);
        const std::vector<float> left = maker.mixture(60000);
        std::vector<float> right = maker.mixture(left.size());
        right.resize(left.size());
        compareSignal(s, left, right, signalNumber);
        if (HasFatalFailure()) {
            return;
        }
    }
}

// A loud burst, then silence long enough that the envelopes decay through
// the denormals to exact zero, then sound again; a tiny burst starts a
// decay close to the denormals.
TEST_P(ReferenceModel, LongDecaysIntoTheDenormals)
{
    const Scenario scenarios[] = {
        {"ARC on", 44100.0f, 0, 1.0f, -1.0f, -1.0f},
        {"slowest manual release", 8000.0f, 3, 0.0f, 1.0f, -1.0f},
        {"fastest manual release", 44100.0f, 3, 0.0f, 0.0f, -1.0f},
    };
    uint32_t signalNumber = 77;
    for (const Scenario& s : scenarios) {
        SignalMaker maker(++signalNumber);
        std::vector<float> left;
        std::vector<float> right;
        maker.decays(left, right, 200000);
        compareSignal(s, left, right, signalNumber);
        if (HasFatalFailure()) {
            return;
        }
    }
}

// Parameter changes between blocks take effect from the next block,
// including a switch of the release mode with the slow envelope still up.
TEST_P(ReferenceModel, ParameterChangesBetweenBlocks)
{
    auto compressor = make({"", 44100.0f, 0, 1.0f, -1.0f, -1.0f});
    AscarellCompressor& c = *compressor;
    ReferenceCompressor model(stereo());
    SignalMaker maker(9);
    const float arcs[] = {1.0f, 0.0f, 0.7f, 0.2f};
    for (int round = 0; round < 8; ++round) {
        c.setParameter(P::arc, arcs[round % 4]);
        c.setParameter(P::knee, static_cast<float>(round) / 7.0f);
        c.setParameter(P::ratio, static_cast<float>(round % 3) / 2.0f);
        c.setParameter(P::thresh, 0.1f * static_cast<float>(round));
        c.setParameter(P::release, static_cast<float>(round) / 8.0f);
        std::vector<float> left = maker.mixture(3000);
        std::vector<float> right = maker.mixture(left.size());
        right.resize(left.size());
        SignalMaker blocks(static_cast<uint32_t>(round));
        compare(c, model, left, right, blocks, round % 2 == 1, "round " + std::to_string(round));
        if (HasFatalFailure()) {
            return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanes, ReferenceModel, testing_model::everyLanesMonoAndStereo(),
                         testing_model::lanesAndStereoName);

}  // namespace
}  // namespace fendwick

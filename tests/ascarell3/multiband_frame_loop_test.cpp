// The three-band frame loop on every kind of lanes this build and processor
// run, against the loop frame by frame, bit for bit, with the state after
// each block.
#include "multiband_frame_loop.h"
#include "multiband_scalar_frames.h"
#include "noise_generator.h"
#include "threshold_law.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

namespace fendwick {
namespace {

// One band's parameters as the host sets them (normalized).
struct BandRow {
    float thresh, ratio, attack, release, knee, arc, in, power, comp;
};

struct SetupRow {
    const char* name;
    float sampleRateHz, loMid, midHi, outLevel;
    BandRow bands[kMultibandBandCount];  // Hi, Mid, Lo
};

const SetupRow kSetups[] = {
    {"default-like", 48000.0f, 0.314189f, 0.844594f, 0.5f,
     {{0.3f, 0.5f, 0.19f, 0.48f, 0.1f, 1.0f, 0.5f, 1.0f, 1.0f},
      {0.2f, 0.6f, 0.19f, 0.48f, 0.1f, 1.0f, 0.5f, 1.0f, 1.0f},
      {0.1f, 0.7f, 0.19f, 0.48f, 0.1f, 1.0f, 0.5f, 1.0f, 1.0f}}},
    {"hard, manual, fastest", 44100.0f, 0.1f, 0.9f, 0.7f,
     {{0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f},
      {0.05f, 0.9f, 0.0f, 0.0f, 1.0f, 0.0f, 0.3f, 1.0f, 1.0f},
      {0.5f, 0.0f, 1.0f, 1.0f, 0.5f, 0.0f, 0.8f, 1.0f, 1.0f}}},
    {"switches mixed, ARC mixed", 96000.0f, 0.5f, 0.5f, 0.4f,
     {{0.1f, 0.8f, 0.3f, 0.2f, 0.3f, 1.0f, 0.6f, 0.0f, 1.0f},
      {0.1f, 0.8f, 0.3f, 0.2f, 0.3f, 0.0f, 0.6f, 1.0f, 0.0f},
      {0.1f, 0.8f, 0.3f, 0.2f, 0.3f, 0.6f, 0.6f, 1.0f, 1.0f}}},
    // Neighbouring bands with other release modes and timings, as the
    // lanes that carry several bands side by side see them.
    {"every band its own timing", 44100.0f, 0.2f, 0.7f, 0.6f,
     {{0.15f, 0.7f, 0.0f, 1.0f, 0.2f, 0.0f, 0.5f, 1.0f, 1.0f},
      {0.25f, 0.5f, 1.0f, 0.0f, 0.8f, 1.0f, 0.5f, 1.0f, 1.0f},
      {0.05f, 0.9f, 0.5f, 0.3f, 0.0f, 0.0f, 0.5f, 1.0f, 1.0f}}},
    {"low rate, top cutoffs", 8000.0f, 0.95f, 1.0f, 1.0f,
     {{0.02f, 0.95f, 0.05f, 1.0f, 1.0f, 1.0f, 0.9f, 1.0f, 1.0f},
      {0.02f, 0.95f, 0.05f, 1.0f, 1.0f, 1.0f, 0.9f, 1.0f, 0.0f},
      {0.02f, 0.95f, 0.05f, 1.0f, 1.0f, 0.0f, 0.9f, 0.0f, 0.0f}}},
};

// What the input carries, every channel its own take.
enum class Signal { noise, silenceInMiddle, tinyAndDenormal, nonFiniteAndHuge, mostlyQuiet, silentStart };

struct SignalRow {
    const char* name;
    Signal signal;
};

const SignalRow kSignals[] = {
    {"noise", Signal::noise},
    {"silence in the middle", Signal::silenceInMiddle},
    {"tiny and denormal", Signal::tinyAndDenormal},
    {"non-finite and huge", Signal::nonFiniteAndHuge},
    {"mostly quiet", Signal::mostlyQuiet},
    {"silent start", Signal::silentStart},
};

float fromBits(uint32_t bits)
{
    float x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

uint32_t bitsOf(float x)
{
    uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

// The right channel of the tiny signal never turns loud: with the left loud
// it keeps the gate open while its sections' outputs sink to denormals.
std::vector<float> makeSignal(Signal kind, size_t frames, uint32_t noiseStart, int channel)
{
    NoiseGenerator noise(noiseStart);
    std::vector<float> x(frames);
    for (size_t i = 0; i < frames; ++i) {
        const float n = noise.next();
        const float loud = 0.9f * n * (1.0f + std::sin(static_cast<float>(i) * 0.003f));
        switch (kind) {
        case Signal::noise: x[i] = loud; break;
        case Signal::silenceInMiddle: x[i] = i > frames / 3 && i < frames / 2 ? 0.000005f * n : loud; break;
        case Signal::tinyAndDenormal: {
            const float picks[] = {fromBits(0x00000001u), fromBits(0x807fffffu), fromBits(0x00800000u), -0.0f,
                                   1e-37f, -3e-37f, channel == 0 ? 0.00001f : 2e-38f, channel == 0 ? loud : 1e-36f};
            x[i] = picks[(i / 7 + static_cast<size_t>(n * 100.0f + 100.0f)) % 8];
            break;
        }
        case Signal::nonFiniteAndHuge: {
            const float picks[] = {std::numeric_limits<float>::quiet_NaN(), -std::numeric_limits<float>::infinity(),
                                   1e30f, -1024.0f, 1024.5f, loud, loud, loud};
            x[i] = i % 13 == 0 ? picks[(i / 13) % 8] : loud;
            break;
        }
        case Signal::mostlyQuiet: x[i] = i % 150 == 0 ? loud : 1e-7f * n; break;
        case Signal::silentStart: x[i] = i < frames / 2 ? 0.0f : loud; break;
        }
    }
    return x;
}

struct LoopSetup {
    MultibandBlockSettings settings;
    ThreeBandCrossover crossover{2};
};

// The settings and crossover coefficients the compressor's setters leave for a row.
void apply(const SetupRow& row, int channels, LoopSetup& setup)
{
    setup.crossover = ThreeBandCrossover(channels);
    setup.crossover.setSampleRate(row.sampleRateHz);
    setup.crossover.setCutoffs(row.loMid, row.midHi);
    setup.settings.outParam = row.outLevel;
    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        const BandRow& r = row.bands[b];
        BandSettings& s = setup.settings.bands[b];
        s.threshold = thresholdAmplitude(r.thresh);
        s.slope = ratioSlope(s.threshold, r.ratio);
        s.inputGain = r.in + r.in;
        s.power = r.power < 0.5f ? 0.0f : 1.0f;
        s.compression = r.comp < 0.5f ? 0.0f : 1.0f;
        EnvelopeDetector d;
        d.setSampleRate(row.sampleRateHz);
        d.setAttack(r.attack);
        d.setRelease(r.release);
        d.setKnee(r.knee);
        d.setReleaseMode(r.arc);
        setup.settings.detectors[b][0] = setup.settings.detectors[b][1] = d.coefficients();
    }
}

void runLoop(FrameLanes lanes, int channels, bool accumulate, LoopSetup& setup, MultibandLoopState& state,
             float* const* in, float* const* out, int32_t frames)
{
    const MultibandBlockSettings& s = setup.settings;
    if (channels == 2) {
        accumulate ? runMultibandFrames<2, true>(lanes, s, setup.crossover, state, in, out, frames)
                   : runMultibandFrames<2, false>(lanes, s, setup.crossover, state, in, out, frames);
    } else {
        accumulate ? runMultibandFrames<1, true>(lanes, s, setup.crossover, state, in, out, frames)
                   : runMultibandFrames<1, false>(lanes, s, setup.crossover, state, in, out, frames);
    }
}

// The same frames through the loop frame by frame, which every choice of
// lanes matches, with nothing passed whole.
void runFrameByFrame(int channels, bool accumulate, LoopSetup& setup, MultibandLoopState& state, float* const* in,
                     float* const* out, int32_t frames)
{
    const MultibandBlockSettings& s = setup.settings;
    if (channels == 2) {
        accumulate ? runScalarMultibandFrames<2, true>(s, setup.crossover, state, in, out, frames)
                   : runScalarMultibandFrames<2, false>(s, setup.crossover, state, in, out, frames);
    } else {
        accumulate ? runScalarMultibandFrames<1, true>(s, setup.crossover, state, in, out, frames)
                   : runScalarMultibandFrames<1, false>(s, setup.crossover, state, in, out, frames);
    }
}

// The history of channel c's two sections, low then high.
std::array<float, 8> historyOf(ThreeBandCrossover& crossover, int c)
{
    const CrossoverLowpass::History& low = crossover.lowSection(c).state();
    const CrossoverLowpass::History& high = crossover.highSection(c).state();
    return {low.x1, low.x2, low.y1, low.y2, high.x1, high.x2, high.y1, high.y2};
}

// The crossover of `to` takes the history of `from`, as the compressor's
// crossover keeps it across a change of settings.
void keepHistory(ThreeBandCrossover& to, ThreeBandCrossover& from, int channels)
{
    for (int c = 0; c < channels; ++c) {
        to.lowSection(c).setState(from.lowSection(c).state());
        to.highSection(c).setState(from.highSection(c).state());
    }
}

void expectSameState(LoopSetup& a, const MultibandLoopState& sa, LoopSetup& b, const MultibandLoopState& sb,
                     int channels, const std::string& where)
{
    ASSERT_EQ(sa.silenceCount, sb.silenceCount) << where;
    ASSERT_EQ(sa.processingActive, sb.processingActive) << where;
    for (int32_t band = 0; band < kMultibandBandCount; ++band) {
        for (int c = 0; c < channels; ++c) {
            const EnvelopeDetector::Envelope& e = sa.envelopes[band][c];
            const EnvelopeDetector::Envelope& f = sb.envelopes[band][c];
            ASSERT_EQ(bitsOf(e.env1), bitsOf(f.env1)) << where << " band " << band << " channel " << c;
            ASSERT_EQ(bitsOf(e.env2), bitsOf(f.env2)) << where << " band " << band << " channel " << c;
            ASSERT_EQ(bitsOf(e.lastInput), bitsOf(f.lastInput)) << where << " band " << band;
            ASSERT_EQ(bitsOf(e.lastMagnitude), bitsOf(f.lastMagnitude)) << where << " band " << band;
        }
    }
    for (int c = 0; c < channels; ++c) {
        const std::array<float, 8> got = historyOf(a.crossover, c);
        const std::array<float, 8> want = historyOf(b.crossover, c);
        for (size_t k = 0; k < got.size(); ++k) {
            ASSERT_EQ(bitsOf(got[k]), bitsOf(want[k])) << where << " crossover channel " << c;
        }
    }
}

using LanesAndStereo = std::tuple<FrameLanes, bool>;

class MultibandFrameLoop : public ::testing::TestWithParam<LanesAndStereo> {
protected:
    void SetUp() override
    {
        if (!canRunFrameLanes(std::get<0>(GetParam()))) {
            GTEST_SKIP() << "this build or processor lacks these lanes";
        }
    }
};

// Every setup and signal, replacing and accumulating, in blocks of odd and
// even sizes; every few blocks the next setup takes over, as a host's
// parameter changes do between blocks.
TEST_P(MultibandFrameLoop, GivesTheScalarLanesBits)
{
    const FrameLanes lanes = std::get<0>(GetParam());
    const int channels = std::get<1>(GetParam()) ? 2 : 1;
    const int32_t blockSizes[] = {512, 1, 3, 17, 4, 64, 5, 2, 33, 16, 255, 7};
    constexpr size_t kFrames = 6000;
    const size_t setupCount = sizeof kSetups / sizeof kSetups[0];
    for (const SignalRow& signal : kSignals) {
        for (size_t first = 0; first < setupCount; ++first) {
            for (bool accumulate : {false, true}) {
                const std::string what = std::string(signal.name) + ", from " + kSetups[first].name +
                                         (accumulate ? ", accumulating" : ", replacing");
                std::vector<float> in[2] = {makeSignal(signal.signal, kFrames, 11u + static_cast<uint32_t>(first), 0),
                                            makeSignal(signal.signal, kFrames, 97u, 1)};
                std::vector<float> got[2] = {std::vector<float>(kFrames, 0.25f), std::vector<float>(kFrames, -1.0f)};
                std::vector<float> want[2] = {got[0], got[1]};
                LoopSetup fast;
                LoopSetup scalar;
                MultibandLoopState fastState{};
                MultibandLoopState scalarState{};
                size_t start = 0;
                for (size_t block = 0; start < kFrames; ++block) {
                    if (block % 4 == 0) {
                        const SetupRow& row = kSetups[(first + block / 4) % setupCount];
                        ThreeBandCrossover fastHistory = fast.crossover;
                        ThreeBandCrossover scalarHistory = scalar.crossover;
                        apply(row, channels, fast);
                        apply(row, channels, scalar);
                        keepHistory(fast.crossover, fastHistory, channels);
                        keepHistory(scalar.crossover, scalarHistory, channels);
                    }
                    const auto frames = static_cast<int32_t>(
                        std::min<size_t>(static_cast<size_t>(blockSizes[block % 12]), kFrames - start));
                    float* i[2] = {in[0].data() + start, in[1].data() + start};
                    float* g[2] = {got[0].data() + start, got[1].data() + start};
                    float* w[2] = {want[0].data() + start, want[1].data() + start};
                    runLoop(lanes, channels, accumulate, fast, fastState, i, g, frames);
                    runFrameByFrame(channels, accumulate, scalar, scalarState, i, w, frames);
                    const std::string where = what + ", block at " + std::to_string(start);
                    for (int c = 0; c < channels; ++c) {
                        for (int32_t k = 0; k < frames; ++k) {
                            ASSERT_EQ(bitsOf(g[c][k]), bitsOf(w[c][k])) << where << ", frame " << k;
                        }
                    }
                    expectSameState(fast, fastState, scalar, scalarState, channels, where);
                    start += static_cast<size_t>(frames);
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanes, MultibandFrameLoop,
                         ::testing::Combine(::testing::Values(FrameLanes::sse2, FrameLanes::avx512),
                                            ::testing::Bool()),
                         [](const ::testing::TestParamInfo<LanesAndStereo>& param) {
                             return std::string(std::get<0>(param.param) == FrameLanes::avx512 ? "Avx512"
                                                                                                 : "Sse2") +
                                    (std::get<1>(param.param) ? "Stereo" : "Mono");
                         });

}  // namespace
}  // namespace fendwick

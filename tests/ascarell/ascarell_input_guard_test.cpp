// What the single-band compressor makes of input no signal should carry:
// absurdly large samples, denormals, and the loudest level it takes as is.
#include "ascarell_compressor.h"
#include "sample_guards.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace fendwick {
namespace {

using P = AscarellParam::Index;

constexpr int32_t kDrumProgram = 9;
constexpr size_t kRateHz = 44100;  // the rate of a fresh instance
constexpr size_t kFrames = kRateHz;
constexpr size_t kSpikeFrame = 5000;
constexpr double kTwoPi = 6.283185307179586;

using Channels = std::vector<std::vector<float>>;

// A drum-like signal: decaying bursts of two partials every 0.1 s, with
// peaks near 0.8, so that the compressor works throughout; the right
// channel's low partial starts at another phase.
Channels drumChannels(AscarellChannels channels)
{
    Channels x(channels == AscarellChannels::stereo ? 2 : 1, std::vector<float>(kFrames));
    for (size_t ch = 0; ch < x.size(); ++ch) {
        for (size_t i = 0; i < kFrames; ++i) {
            const double t = static_cast<double>(i % 4410) / static_cast<double>(kRateHz);
            const double u = static_cast<double>(i) / static_cast<double>(kRateHz);
            const double phase = static_cast<double>(ch);
            x[ch][i] = static_cast<float>(std::exp(-t * 30.0) * (0.6 * std::sin(kTwoPi * 90.0 * u + phase) +
                                                                 0.2 * std::sin(kTwoPi * 1300.0 * u)));
        }
    }
    return x;
}

// A fresh instance on program 9 ("Drum") run over the whole input at once,
// or with Input raised to its top (+6 dB) when inputParam says so.
Channels processFresh(AscarellChannels channels, Channels in, float inputParam = 0.5f)
{
    AscarellCompressor c(nullptr, channels);
    c.setProgram(kDrumProgram);
    c.setParameter(P::input, inputParam);
    Channels out(in.size(), std::vector<float>(kFrames, 0.0f));
    float* ins[2] = {};
    float* outs[2] = {};
    for (size_t ch = 0; ch < in.size(); ++ch) {
        ins[ch] = in[ch].data();
        outs[ch] = out[ch].data();
    }
    c.processReplace(ins, outs, static_cast<int32_t>(kFrames));
    return out;
}

float peakOf(const Channels& x)
{
    float peak = 0.0f;
    for (const std::vector<float>& channel : x) {
        for (float v : channel) {
            peak = std::fmax(peak, std::fabs(v));
        }
    }
    return peak;
}

uint64_t hashOfBits(const Channels& x)
{
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const std::vector<float>& channel : x) {
        for (float v : channel) {
            uint32_t bits;
            std::memcpy(&bits, &v, sizeof bits);
            hash = (hash ^ bits) * 1099511628211ull;
        }
    }
    return hash;
}

const AscarellChannels kBothBuilds[] = {AscarellChannels::stereo, AscarellChannels::mono};

TEST(AscarellInputGuard, OneAbsurdSampleNeitherBlastsNorDucksTheOutput)
{
    const struct {
        const char* name;
        float value;
    } spikes[] = {
        {"1e10", 1e10f},
        {"1e19", 1e19f},
        {"largest float", FLT_MAX},
        {"-1e30", -1e30f},
        {"just beyond the largest input", std::nextafter(kLargestInput, INFINITY)},
    };
    const size_t recovered = kSpikeFrame + kRateHz / 10;
    for (AscarellChannels channels : kBothBuilds) {
        const Channels clean = drumChannels(channels);
        const Channels expected = processFresh(channels, clean);
        Channels loud = clean;
        for (std::vector<float>& channel : loud) {
            for (float& v : channel) {
                v *= 100.0f / 0.8f;  // +40 dBFS peaks
            }
        }
        const float ceiling = peakOf(processFresh(channels, loud));
        for (const auto& spike : spikes) {
            Channels in = clean;
            in[0][kSpikeFrame] = spike.value;
            const Channels out = processFresh(channels, in);
            EXPECT_LE(peakOf(out), ceiling) << spike.name;
            for (size_t ch = 0; ch < out.size(); ++ch) {
                for (size_t i = recovered; i < kFrames; ++i) {
                    ASSERT_NEAR(out[ch][i], expected[ch][i], 0.01f)
                        << spike.name << " channel " << ch << " frame " << i;
                }
            }
        }
    }
}

// Peaks of exactly +40 dBFS, before and after the top input gain, give the
// same bits as they always have.
TEST(AscarellInputGuard, FortyDecibelsAboveFullScaleIsProcessedAsAlways)
{
    const struct {
        AscarellChannels channels;
        float inputParam;
        uint64_t hash;
    } cases[] = {
        {AscarellChannels::stereo, 0.5f, 0xc6050504d236955bull},
        {AscarellChannels::stereo, 1.0f, 0xc32cc7764f31aad4ull},
        {AscarellChannels::mono, 0.5f, 0x1c2c0646cec5cd14ull},
        {AscarellChannels::mono, 1.0f, 0x9201a3a0e26dbc71ull},
    };
    for (const auto& c : cases) {
        Channels in = drumChannels(c.channels);
        const float scale = 100.0f / peakOf(in);
        for (std::vector<float>& channel : in) {
            for (float& v : channel) {
                v = std::fmax(-100.0f, std::fmin(100.0f, v * scale));
            }
            channel[kSpikeFrame] = 100.0f;
            channel[kSpikeFrame + 1] = -100.0f;
        }
        EXPECT_EQ(hashOfBits(processFresh(c.channels, in, c.inputParam)), c.hash)
            << (c.channels == AscarellChannels::stereo ? "stereo" : "mono") << " input " << c.inputParam;
    }
}

// Denormals scattered through loud input, and a channel that carries
// nothing else beside a loud one, move the output only where they are, and
// by no more than themselves (program 9 has unity input and output gains).
TEST(AscarellInputGuard, DenormalInputMovesTheOutputByNoMoreThanItself)
{
    for (AscarellChannels channels : kBothBuilds) {
        const Channels clean = drumChannels(channels);
        Channels in = clean;
        for (size_t i = 0; i < kFrames; i += 97) {
            in[0][i] = std::ldexp(static_cast<float>(i % 1000 + 1), -140) * (i % 2 != 0 ? -1.0f : 1.0f);
        }
        if (channels == AscarellChannels::stereo) {
            for (size_t i = 10000; i < 30000; ++i) {
                in[1][i] = std::nextafter(FLT_MIN, 0.0f) * (i % 3 == 0 ? -1.0f : 1.0f);
            }
        }
        Channels without = in;
        for (std::vector<float>& channel : without) {
            for (float& v : channel) {
                v = std::fpclassify(v) == FP_SUBNORMAL ? 0.0f : v;
            }
        }
        const Channels got = processFresh(channels, in);
        const Channels expected = processFresh(channels, without);
        for (size_t ch = 0; ch < got.size(); ++ch) {
            for (size_t i = 0; i < kFrames; ++i) {
                ASSERT_LE(std::fabs(got[ch][i] - expected[ch][i]), std::fabs(in[ch][i] - without[ch][i]))
                    << "channel " << ch << " frame " << i;
            }
        }
    }
}

}  // namespace
}  // namespace fendwick

// The three-band compressor's audio path: the band sum, the band switches,
// stereo linking, the silence gate, resets and block sizes.
#include "ascarell3_parameters.h"
#include "multiband_compressor.h"
#include "noise_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace fendwick {
namespace {

using Signal = std::vector<std::vector<float>>;  // per channel

Signal noise(size_t channels, size_t frames, float amplitude)
{
    Signal signal(channels, std::vector<float>(frames));
    NoiseGenerator generator(12345u);
    for (size_t i = 0; i < frames; ++i) {
        for (std::vector<float>& channel : signal) {
            channel[i] = amplitude * generator.next();
        }
    }
    return signal;
}

MultibandChannels channelsOf(const Signal& s)
{
    return s.size() == 2 ? MultibandChannels::stereo : MultibandChannels::mono;
}

// Runs input through effect in blocks of blockSize, replacing.
Signal run(MultibandCompressor& effect, const Signal& input, size_t blockSize)
{
    Signal output(input.size(), std::vector<float>(input[0].size()));
    for (size_t start = 0; start < input[0].size(); start += blockSize) {
        float* in[2] = {};
        float* out[2] = {};
        for (size_t c = 0; c < input.size(); ++c) {
            in[c] = const_cast<float*>(input[c].data() + start);
            out[c] = output[c].data() + start;
        }
        effect.processReplace(in, out, static_cast<int32_t>(std::min(blockSize, input[0].size() - start)));
    }
    return output;
}

void setEveryBand(MultibandCompressor& effect, BandParam::Offset offset, float x)
{
    for (MultibandBand band : {MultibandBand::hi, MultibandBand::mid, MultibandBand::lo}) {
        effect.setParameter(bandParameter(band, offset), x);
    }
}

TEST(MultibandProcessing, UnityBandsGiveTheInputBack)
{
    const float cutoffPairs[][2] = {{0.0f, 1.0f}, {0.314189f, 0.844594f}, {0.5f, 0.5f}, {0.2f, 0.95f}};
    for (size_t channels : {1u, 2u}) {
        const Signal input = noise(channels, 4096, 0.5f);
        for (float rate : {44100.0f, 48000.0f, 96000.0f}) {
            for (const auto& pair : cutoffPairs) {
                MultibandCompressor effect(nullptr, channelsOf(input));
                effect.setSampleRate(rate);
                effect.setParameter(Ascarell3Param::loMid, pair[0]);
                effect.setParameter(Ascarell3Param::midHi, pair[1]);
                setEveryBand(effect, BandParam::comp, 0.0f);
                const Signal output = run(effect, input, 512);
                for (size_t c = 0; c < channels; ++c) {
                    for (size_t i = 0; i < input[c].size(); ++i) {
                        ASSERT_NEAR(output[c][i], input[c][i], 2e-6f) << rate << " " << pair[0] << " " << i;
                    }
                }
            }
        }
    }
}

TEST(MultibandProcessing, EveryCutoffStaysBoundedAtLowRates)
{
    const Signal input = noise(2, 2048, 1.0f);
    for (float rate : {8000.0f, 22050.0f, 32000.0f}) {
        for (float x : {0.0f, 0.6f, 0.9f, 1.0f}) {
            MultibandCompressor effect(nullptr, MultibandChannels::stereo);
            effect.setSampleRate(rate);
            effect.setParameter(Ascarell3Param::midHi, x);
            effect.setParameter(Ascarell3Param::loMid, x);
            for (const std::vector<float>& channel : run(effect, input, 512)) {
                for (float y : channel) {
                    ASSERT_LE(std::fabs(y), 4.0f) << rate << " " << x;
                }
            }
        }
    }
}

TEST(MultibandProcessing, AccumulatingAddsWhatReplacingWrites)
{
    const Signal input = noise(2, 1000, 0.9f);
    MultibandCompressor replacing(nullptr, MultibandChannels::stereo);
    MultibandCompressor accumulating(nullptr, MultibandChannels::stereo);
    replacing.setProgram(3);
    accumulating.setProgram(3);
    const Signal written = run(replacing, input, 1000);
    Signal sum(2, std::vector<float>(1000, 0.25f));
    float* in[2] = {const_cast<float*>(input[0].data()), const_cast<float*>(input[1].data())};
    float* out[2] = {sum[0].data(), sum[1].data()};
    accumulating.processAccumulate(in, out, 1000);
    for (size_t c = 0; c < 2; ++c) {
        for (size_t i = 0; i < 1000; ++i) {
            ASSERT_EQ(sum[c][i], 0.25f + written[c][i]) << i;
        }
    }
}

TEST(MultibandProcessing, PowerOffSilencesABandWhateverItsCompression)
{
    const Signal input = noise(2, 2048, 0.5f);
    for (float comp : {0.0f, 1.0f}) {
        MultibandCompressor effect(nullptr, MultibandChannels::stereo);
        setEveryBand(effect, BandParam::comp, comp);
        setEveryBand(effect, BandParam::power, 0.0f);
        EXPECT_EQ(run(effect, input, 256), Signal(2, std::vector<float>(2048, 0.0f))) << comp;
    }
}

TEST(MultibandProcessing, TheLouderChannelSetsTheGainOfBoth)
{
    Signal input = noise(2, 4096, 0.8f);
    for (float& y : input[1]) {
        y *= 0.01f;
    }
    Signal rightAlone = input;
    std::fill(rightAlone[0].begin(), rightAlone[0].end(), 0.0f);
    MultibandCompressor linked(nullptr, MultibandChannels::stereo);
    MultibandCompressor alone(nullptr, MultibandChannels::stereo);
    linked.setProgram(11);
    alone.setProgram(11);
    const Signal withLeft = run(linked, input, 512);
    const Signal withoutLeft = run(alone, rightAlone, 512);
    double duckedPower = 0.0;
    double freePower = 0.0;
    for (size_t i = 0; i < input[1].size(); ++i) {
        duckedPower += static_cast<double>(withLeft[1][i]) * withLeft[1][i];
        freePower += static_cast<double>(withoutLeft[1][i]) * withoutLeft[1][i];
    }
    EXPECT_LT(duckedPower, 0.8 * freePower);  // about 0.7 with the loud left
}

TEST(MultibandProcessing, ResumeAndAnyBlockSizeGiveTheSameSamples)
{
    for (size_t channels : {1u, 2u}) {
        const Signal input = noise(channels, 3000, 0.9f);
        MultibandCompressor fresh(nullptr, channelsOf(input));
        fresh.setProgram(11);
        const Signal expected = run(fresh, input, 3000);
        for (size_t blockSize : {1u, 7u, 64u, 513u}) {
            MultibandCompressor used(nullptr, channelsOf(input));
            used.setProgram(11);
            run(used, noise(channels, 777, 1.0f), 100);
            used.suspend();
            used.resume();
            EXPECT_EQ(run(used, input, blockSize), expected) << channels << " " << blockSize;
        }
    }
}

TEST(MultibandProcessing, NearSilenceStopsTheWorkAfterAHundredFrames)
{
    MultibandCompressor effect(nullptr, MultibandChannels::stereo);
    Signal input = noise(2, 300, 0.5f);
    for (std::vector<float>& channel : input) {
        std::fill(channel.begin() + 100, channel.begin() + 201, 0.000005f);
        channel[201] = 0.5f;
    }
    const Signal output = run(effect, input, 64);
    for (const std::vector<float>& channel : output) {
        EXPECT_NE(channel[199], 0.0f);
        EXPECT_EQ(channel[200], 0.0f);
        EXPECT_NE(channel[201], 0.0f);
    }
    effect.resume();
    const Signal quiet(2, std::vector<float>(10, 0.000005f));
    EXPECT_EQ(run(effect, quiet, 10), Signal(2, std::vector<float>(10, 0.0f)));
}

}  // namespace
}  // namespace fendwick

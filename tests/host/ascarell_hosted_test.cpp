// Processing through the library's entries gives what the compressor class
// computes, and the host's processing setup reaches it.
#include "ascarell_compressor.h"
#include "hosted_fixture.h"

#include <cmath>
#include <limits>
#include <vector>

namespace fendwick {
namespace {

struct Channels {
    std::vector<std::vector<float>> samples;
    std::vector<float*> pointers;

    Channels(int count, size_t frames, float fill = 0.0f) : samples(static_cast<size_t>(count))
    {
        for (auto& c : samples) {
            c.assign(frames, fill);
            pointers.push_back(c.data());
        }
    }
    float** data() { return pointers.data(); }
};

Channels music(int count, size_t frames)
{
    Channels in(count, frames);
    for (size_t c = 0; c < in.samples.size(); ++c) {
        for (size_t i = 0; i < frames; ++i) {
            const double t = static_cast<double>(i) / 44100.0;
            in.samples[c][i] = static_cast<float>(0.8 * std::sin(6.2831853 * 3.0 * t) *
                                                  std::sin(6.2831853 * (220.0 + 110.0 * c) * t));
        }
    }
    return in;
}

TEST_P(HostedAscarell, ProcessingThroughTheEntryMatchesTheCompressor)
{
    const int channels = this->channels();
    const size_t frames = 20000;
    AscarellCompressor reference(nullptr, stereo() ? AscarellChannels::stereo : AscarellChannels::mono);
    reference.setSampleRate(48000.0f);
    reference.setProgram(8);
    reference.resume();
    plugin->prepare(48000.0f, 512);
    plugin->setProgram(8);

    Channels in = music(channels, frames);
    Channels expected(channels, frames);
    Channels replaced(channels, frames, 9.0f);
    Channels accumulated(channels, frames, 0.5f);
    reference.processReplace(in.data(), expected.data(), static_cast<int32_t>(frames));
    plugin->processReplacing(in.data(), replaced.data(), static_cast<int32_t>(frames));
    EXPECT_EQ(replaced.samples, expected.samples);

    // Accumulating from the same state adds the same output to what is there.
    plugin->suspend();
    plugin->resume();
    plugin->processAccumulating(in.data(), accumulated.data(), static_cast<int32_t>(frames));
    for (size_t c = 0; c < static_cast<size_t>(channels); ++c) {
        for (size_t i = 0; i < frames; ++i) {
            ASSERT_EQ(accumulated.samples[c][i], 0.5f + expected.samples[c][i]) << c << ":" << i;
        }
    }
    // It compresses: the loud parts come out quieter.
    float peakIn = 0.0f;
    float peakOut = 0.0f;
    for (size_t i = 0; i < frames; ++i) {
        peakIn = std::max(peakIn, std::fabs(in.samples[0][i]));
        peakOut = std::max(peakOut, std::fabs(expected.samples[0][i]));
    }
    EXPECT_LT(peakOut, peakIn * 0.95f);
}

TEST_P(HostedAnyOfOurs, UnusableSampleRatesAreIgnored)
{
    const int channels = this->channels();
    const size_t frames = 4000;
    auto render = [&](HostedPlugin& p) {
        Channels in = music(channels, frames);
        Channels out(channels, frames);
        p.setProgram(10);
        p.resume();
        p.processReplacing(in.data(), out.data(), static_cast<int32_t>(frames));
        p.suspend();
        return out.samples;
    };
    HostedPlugin untouched(*library);
    const auto baseline = render(untouched);
    for (float bad : {0.0f, -48000.0f, std::numeric_limits<float>::quiet_NaN(),
                      std::numeric_limits<float>::infinity()}) {
        HostedPlugin p(*library);
        p.dispatch(EffectOpcode::setSampleRate, 0, 0, nullptr, bad);
        p.dispatch(EffectOpcode::setBlockSizeAndSampleRate, 0, 256, nullptr, bad);
        EXPECT_EQ(render(p), baseline) << bad;
    }
    HostedPlugin faster(*library);
    faster.setSampleRate(96000.0f);
    EXPECT_NE(render(faster), baseline);
}

TEST_P(HostedAnyOfOurs, ResumeAfterSoundStartsFromAClearedState)
{
    const int channels = this->channels();
    plugin->prepare(44100.0f, 512);
    Channels in = music(channels, 3000);
    Channels first(channels, 3000);
    Channels second(channels, 3000);
    plugin->processReplacing(in.data(), first.data(), 3000);
    plugin->suspend();
    plugin->resume();
    plugin->processReplacing(in.data(), second.data(), 3000);
    EXPECT_EQ(first.samples, second.samples);
}

TEST_P(HostedAnyOfOurs, ProcessingInPlaceGivesWhatSeparateBuffersGive)
{
    const int channels = this->channels();
    const size_t frames = 3000;
    HostedPlugin separate(*library);
    for (HostedPlugin* p : {plugin.get(), &separate}) {
        p->prepare(44100.0f, 512);
        p->setProgram(12);
    }
    Channels in = music(channels, frames);
    Channels out(channels, frames);
    separate.processReplacing(in.data(), out.data(), static_cast<int32_t>(frames));
    Channels shared = music(channels, frames);
    plugin->processReplacing(shared.data(), shared.data(), static_cast<int32_t>(frames));
    EXPECT_EQ(shared.samples, out.samples);
}

TEST_P(HostedAnyOfOurs, NonFiniteAndAbsurdInputsActAsSilence)
{
    const int channels = this->channels();
    const size_t frames = 3000;
    const float inf = std::numeric_limits<float>::infinity();
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(), inf, -inf, 1e30f, -5000.0f};
    HostedPlugin clean(*library);
    for (HostedPlugin* p : {plugin.get(), &clean}) {
        p->prepare(44100.0f, 512);
        p->setProgram(3);
    }
    Channels zeroed = music(channels, frames);
    Channels spoiled = music(channels, frames);
    for (size_t k = 0; k < 40; ++k) {
        const size_t at = 100 + k * 61;
        const size_t c = k % static_cast<size_t>(channels);
        zeroed.samples[c][at] = 0.0f;
        spoiled.samples[c][at] = bad[k % std::size(bad)];
    }
    Channels expected(channels, frames);
    Channels got(channels, frames);
    clean.processReplacing(zeroed.data(), expected.data(), static_cast<int32_t>(frames));
    plugin->processReplacing(spoiled.data(), got.data(), static_cast<int32_t>(frames));
    EXPECT_EQ(got.samples, expected.samples);
}

TEST_P(HostedAnyOfOurs, ZeroAndNegativeFrameCountsProcessNothing)
{
    const int channels = this->channels();
    Channels in = music(channels, 16);
    Channels out(channels, 16, 3.0f);
    plugin->processReplacing(in.data(), out.data(), 0);
    plugin->processReplacing(in.data(), out.data(), -5);
    plugin->processAccumulating(in.data(), out.data(), -5);
    EXPECT_EQ(out.samples[0][0], 3.0f);
}

}  // namespace
}  // namespace fendwick

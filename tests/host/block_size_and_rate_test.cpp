// The combined block size and sample rate request reaches the processing of
// the built plug-ins as the separate sample rate request does.
#include "hosted_fixture.h"

#include <cmath>
#include <limits>
#include <vector>

namespace fendwick {
namespace {

using Rendered = std::vector<std::vector<float>>;

// Program 10 ("Drum Loud") on a tone burst from a cleared state: its
// attack and releases show any rate the detectors run at.
Rendered render(HostedPlugin& p)
{
    const size_t frames = 6000;
    Rendered out(static_cast<size_t>(p.numOutputs()), std::vector<float>(frames, 0.0f));
    Rendered in = out;
    std::vector<float*> ins;
    std::vector<float*> outs;
    for (size_t c = 0; c < in.size(); ++c) {
        for (size_t i = 0; i < frames; ++i) {
            const double t = static_cast<double>(i);
            in[c][i] = static_cast<float>((i / 1500 % 2 == 0 ? 0.9 : 0.05) * std::sin(t * (0.05 + 0.01 * c)));
        }
        ins.push_back(in[c].data());
        outs.push_back(out[c].data());
    }
    p.setProgram(10);
    p.resume();
    p.processReplacing(ins.data(), outs.data(), static_cast<int32_t>(frames));
    p.suspend();
    return out;
}

TEST_P(HostedAnyOfOurs, BlockSizeAndSampleRateSetTheRateAsTheRateRequestDoes)
{
    for (float rateHz : {96000.0f, 22050.0f, 192000.0f}) {
        HostedPlugin separate(*library);
        separate.dispatch(EffectOpcode::setSampleRate, 0, 0, nullptr, rateHz);
        plugin->dispatch(EffectOpcode::setBlockSizeAndSampleRate, 0, 512, nullptr, rateHz);
        EXPECT_EQ(render(*plugin), render(separate)) << rateHz;
    }
    HostedPlugin fresh(*library);
    EXPECT_NE(render(*plugin), render(fresh)) << "the rate never reached the processing";
}

TEST_P(HostedAnyOfOurs, BlockSizeAndAnUnusableRateKeepTheRateBefore)
{
    plugin->dispatch(EffectOpcode::setBlockSizeAndSampleRate, 0, 512, nullptr, 48000.0f);
    const Rendered at48k = render(*plugin);
    const float inf = std::numeric_limits<float>::infinity();
    for (float bad : {0.0f, -96000.0f, std::numeric_limits<float>::quiet_NaN(), inf, -inf}) {
        EXPECT_EQ(plugin->dispatch(EffectOpcode::setBlockSizeAndSampleRate, 0, 256, nullptr, bad), 1);
        EXPECT_EQ(render(*plugin), at48k) << bad;
    }
}

}  // namespace
}  // namespace fendwick

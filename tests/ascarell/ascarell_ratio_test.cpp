// A ratio change on its own, with no threshold set after it, reaches the
// gain law at once: hosts and the editor move the ratio alone.
#include "ascarell_compressor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace fendwick {
namespace {

using P = AscarellParam::Index;

// A swell well above every threshold below, so that the ratio shapes every
// loud stretch.
std::vector<float> loudSignal()
{
    std::vector<float> x(6000);
    for (size_t i = 0; i < x.size(); ++i) {
        const double t = static_cast<double>(i);
        x[i] = static_cast<float>(0.95 * std::sin(t * 0.023) * (0.6 + 0.4 * std::sin(t * 0.0011)));
    }
    return x;
}

std::vector<float> process(AscarellCompressor& c, std::vector<float> in)
{
    std::vector<float> out(in.size());
    float* ins[] = {in.data(), in.data()};
    float* outs[] = {out.data(), out.data()};
    c.processReplace(ins, outs, static_cast<int32_t>(in.size()));
    return out;
}

// The same setting reached the way a program selection reaches it: the
// threshold, applied after the ratio, recomputes the blend last.
void applyThresholdLast(AscarellCompressor& c, float ratio, float thresh)
{
    c.setParameter(P::ratio, ratio);
    c.setParameter(P::thresh, thresh);
}

TEST(AscarellRatioAlone, ARatioSetAfterTheThresholdActsAsIfSetBeforeIt)
{
    struct Case {
        float thresh;
        float firstRatio;
        float ratio;
    };
    const Case cases[] = {
        {0.5f, 0.0f, 1.0f}, {0.5f, 1.0f, 0.0f}, {0.2f, 0.3f, 0.8f}, {0.9f, 0.8f, 0.25f}, {0.0f, 0.1f, 0.6f},
    };
    const std::vector<float> in = loudSignal();
    for (const Case& c : cases) {
        AscarellCompressor moved(nullptr, AscarellChannels::mono);
        moved.setParameter(P::thresh, c.thresh);
        moved.setParameter(P::ratio, c.firstRatio);
        moved.setParameter(P::ratio, c.ratio);
        AscarellCompressor reference(nullptr, AscarellChannels::mono);
        applyThresholdLast(reference, c.ratio, c.thresh);
        EXPECT_EQ(moved.gainBlendValue(), reference.gainBlendValue()) << c.thresh << ", " << c.ratio;
        EXPECT_EQ(process(moved, in), process(reference, in)) << c.thresh << ", " << c.ratio;
    }
}

TEST(AscarellRatioAlone, TheEndsOfTheRatioTakeEffectWithoutTheThreshold)
{
    const std::vector<float> in = loudSignal();
    AscarellCompressor c(nullptr, AscarellChannels::mono);
    c.setParameter(P::thresh, 0.3f);
    c.setParameter(P::ratio, 1.0f);
    EXPECT_LT(c.gainBlendValue(), 1e-6f);  // the level held at the threshold
    c.setParameter(P::ratio, 0.0f);
    EXPECT_EQ(c.gainBlendValue(), 1.0f);  // no gain change at all
    EXPECT_EQ(process(c, in), in);  // Input and OutLevel of the default program are unity
}

TEST(AscarellRatioAlone, ARatioMovedOnAProgramChangesItsOutputAtOnce)
{
    struct Case {
        int32_t program;
        float ratio;
    };
    // Programs whose thresholds the signal crosses, each with a ratio it lacks.
    const Case cases[] = {{1, 0.2f}, {5, 0.4f}, {6, 0.5f}, {22, 0.9f}, {22, 0.0f}};
    const std::vector<float> in = loudSignal();
    for (auto channels : {AscarellChannels::mono, AscarellChannels::stereo}) {
        for (const Case& c : cases) {
            AscarellCompressor moved(nullptr, channels);
            moved.setProgram(c.program);
            const std::vector<float> before = process(moved, in);
            moved.resume();
            moved.setParameter(P::ratio, c.ratio);

            AscarellCompressor reference(nullptr, channels);
            reference.setProgram(c.program);
            applyThresholdLast(reference, c.ratio, reference.getParameter(P::thresh));
            const std::vector<float> expected = process(reference, in);
            EXPECT_NE(expected, before) << "program " << c.program;
            EXPECT_EQ(process(moved, in), expected) << "program " << c.program << ", ratio " << c.ratio;
        }
    }
}

}  // namespace
}  // namespace fendwick

// The library entry and the effect record as a host receives them.
#include "hosted_fixture.h"

#include <dlfcn.h>

#include <cstring>

namespace fendwick {
namespace {

intptr_t refusingHost(EffectRecord*, int32_t, int32_t, intptr_t, void*, float) { return 0; }
intptr_t modernHost(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    return opcode == HostOpcode::version ? kInterfaceVersion : 0;
}

TEST(PluginEntry, ExportsOnlyTheTwoEntriesAndBothCreateInstances)
{
    void* handle = dlopen(builtPlugin("ascarell").c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    for (const char* name : {"VSTPluginMain", "main"}) {
        auto entry = reinterpret_cast<EffectRecord* (*)(HostCallback)>(dlsym(handle, name));
        ASSERT_NE(entry, nullptr) << name;
        EffectRecord* effect = entry(modernHost);
        ASSERT_NE(effect, nullptr);
        EXPECT_EQ(effect->magic, fourCharCode("VstP"));
        EXPECT_NE(effect->object, nullptr);
        EXPECT_EQ(effect->dispatcher(effect, EffectOpcode::close, 0, 0, nullptr, 0.0f), 1);
    }
    EXPECT_EQ(dlsym(handle, "formatValueText"), nullptr);
    EXPECT_EQ(dlsym(handle, "_ZN8fendwick15formatValueTextEfPc"), nullptr);
    dlclose(handle);
}

TEST(PluginEntry, RefusesAHostThatGivesNoVersionOrNoCallback)
{
    PluginLibrary library(builtPlugin("ascarell_mono"));
    EXPECT_EQ(library.entry()(refusingHost), nullptr);
    EXPECT_EQ(library.entry()(nullptr), nullptr);
}

TEST_P(HostedAscarell, RecordCarriesTheIdentityAndCounts)
{
    const EffectRecord& r = plugin->record();
    EXPECT_EQ(r.uniqueId, fourCharCode(stereo() ? "qk21" : "qk22"));
    EXPECT_EQ(r.numParams, 8);
    EXPECT_EQ(r.numPrograms, 23);
    EXPECT_EQ(r.numInputs, stereo() ? 2 : 1);
    EXPECT_EQ(r.numOutputs, stereo() ? 2 : 1);
    EXPECT_EQ(r.version, 1);
    EXPECT_EQ(r.ioRatio, 1.0f);
    EXPECT_EQ(r.initialDelay, 0);
    EXPECT_EQ(r.reservedPointer, nullptr);
    EXPECT_EQ(r.flags, 0x19);  // has editor, can mono, can replace
    EXPECT_EQ(plugin->effectName(), stereo() ? "Ascarell" : "Ascarell_mono");
    EXPECT_EQ(plugin->productString(), plugin->effectName());
    EXPECT_EQ(plugin->vendorString(), "Fendwick");
    EXPECT_EQ(plugin->vendorVersion(), 1000);
}

TEST_P(HostedAscarell, ParameterNamesLabelsAndDisplayTexts)
{
    const char* names[] = {"Input", "Ratio", "Knee", "Attack", "Release", "ARC", "Thresh", "OutLevel"};
    const char* labels[] = {"dB", "", "", "ms", "ms", "", "dB", "dB"};
    // The value in the label's unit, or carrying its unit where the label is empty.
    struct Shown {
        float x;
        const char* texts[8];
    };
    const Shown shown[] = {
        {0.0f, {"-oo", "1.0 : 1", "Hard", "1", "5", "Off", "-50.0", "-oo"}},
        {0.5f, {"0.0", "2.0 : 1", "50 %", "125", "128", "On", "-6.0", "0.0"}},
        {0.979f, {"5.8", "47.6 : 1", "97 %", "479", "479", "On", "-0.2", "5.8"}},
        {1.0f, {"6.0", "oo : 1", "Soft", "500", "500", "On", "-0.0", "6.0"}},
    };
    for (int32_t i = 0; i < 8; ++i) {
        EXPECT_EQ(plugin->parameterName(i), names[i]);
        EXPECT_EQ(plugin->parameterLabel(i), labels[i]);
        for (const Shown& s : shown) {
            plugin->setParameter(i, s.x);
            EXPECT_EQ(plugin->parameterDisplay(i), s.texts[i]) << names[i] << " at " << s.x;
            EXPECT_EQ(plugin->getParameter(i), s.x) << "the host still reads the normalized value";
        }
    }

    char untouched[16] = "keep";
    for (int32_t opcode : {EffectOpcode::getParameterName, EffectOpcode::getParameterLabel,
                           EffectOpcode::getParameterDisplay}) {
        plugin->dispatch(opcode, 8, 0, untouched);
        plugin->dispatch(opcode, -1, 0, untouched);
        EXPECT_STREQ(untouched, "keep");
    }
}

TEST_P(HostedAscarell, TextAnswersWriteNoMoreThanTheTextAndItsTerminator)
{
    char buffer[64];
    auto check = [&](int32_t opcode, int32_t index, const char* expected) {
        std::memset(buffer, 0x7f, sizeof buffer);
        plugin->dispatch(opcode, index, 0, buffer);
        const size_t length = std::strlen(expected);
        EXPECT_EQ(std::string(buffer, length), expected);
        EXPECT_EQ(buffer[length], '\0');
        for (size_t i = length + 1; i < sizeof buffer; ++i) {
            ASSERT_EQ(buffer[i], 0x7f) << "opcode " << opcode << " wrote byte " << i;
        }
    };
    check(EffectOpcode::getParameterName, 7, "OutLevel");
    check(EffectOpcode::getParameterLabel, 1, "");
    check(EffectOpcode::getParameterDisplay, 0, "0.0");
    plugin->setParameter(1, 0.979f);
    check(EffectOpcode::getParameterDisplay, 1, "47.6 : 1");  // the whole bound
    check(EffectOpcode::getProgramName, 0, "Default");
    check(EffectOpcode::getVendorString, 0, "Fendwick");
    check(EffectOpcode::getEffectName, 0, stereo() ? "Ascarell" : "Ascarell_mono");
}

TEST_P(HostedAscarell, HostValuesAreClampedAndNaNIgnored)
{
    plugin->setParameter(1, 1.5f);
    EXPECT_EQ(plugin->getParameter(1), 1.0f);
    plugin->setParameter(1, -3.0f);
    EXPECT_EQ(plugin->getParameter(1), 0.0f);
    plugin->setParameter(1, 0.25f);
    plugin->setParameter(1, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(plugin->getParameter(1), 0.25f);
    EXPECT_EQ(plugin->getParameter(8), 0.0f);
    EXPECT_EQ(plugin->getParameter(-1), 0.0f);
    plugin->setParameter(8, 0.3f);  // ignored, no crash
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, HostedAscarell, ::testing::Values("ascarell", "ascarell_mono"));
INSTANTIATE_TEST_SUITE_P(EveryBuild, HostedAnyOfOurs,
                         ::testing::Values("ascarell", "ascarell_mono", "ascarell3", "ascarell3_mono", "tolverin",
                                           "tolverin_mono", "tolverin3_mono"));

}  // namespace
}  // namespace fendwick

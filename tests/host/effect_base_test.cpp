// The effect base's own answers, seen by a host through the record of an
// effect that overrides nothing but its processing.
#include "hosted_plugin.h"
#include "plain_effect.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace fendwick {
namespace {

class PlainHosted : public ::testing::Test {
protected:
    PlainEffect& effect() { return PlainEffect::of(plugin.record()); }

    HostedPlugin plugin{plainEffectEntry, "plain effect"};
};

TEST_F(PlainHosted, AFreshRecordCarriesTheBaseIdentity)
{
    const EffectRecord& r = plugin.record();
    EXPECT_EQ(r.magic, 0x56737450);  // "VstP"
    EXPECT_EQ(r.uniqueId, 0x4E6F4566);  // "NoEf"
    EXPECT_EQ(r.version, 1);
    EXPECT_EQ(r.numPrograms, PlainEffect::kPrograms);
    EXPECT_EQ(r.numParams, PlainEffect::kParameters);
    EXPECT_EQ(r.numInputs, 1);
    EXPECT_EQ(r.numOutputs, 2);
    EXPECT_EQ(r.flags, 0);  // no editor, nothing offered
    EXPECT_EQ(r.ioRatio, 1.0f);
    EXPECT_EQ(r.initialDelay, 0);
    EXPECT_EQ(r.object, static_cast<EffectBase*>(&effect()));
    EXPECT_EQ(r.user, nullptr);
    EXPECT_EQ(r.reservedPointer, nullptr);
    EXPECT_NE(r.processReplacing, nullptr);
    EXPECT_NE(r.processAccumulating, nullptr);
}

TEST_F(PlainHosted, EachFieldSetterWritesItsOwnFieldAndNothingElse)
{
    struct Case {
        const char* setter;
        void (EffectBase::*set)(int32_t);
        int32_t EffectRecord::*field;
    };
    const Case cases[] = {
        {"unique ID", &EffectBase::setUniqueId, &EffectRecord::uniqueId},
        {"inputs", &EffectBase::setNumInputs, &EffectRecord::numInputs},
        {"outputs", &EffectBase::setNumOutputs, &EffectRecord::numOutputs},
        {"real-time qualities", &EffectBase::setRealtimeQualities, &EffectRecord::realQualities},
        {"offline qualities", &EffectBase::setOfflineQualities, &EffectRecord::offQualities},
        {"initial delay", &EffectBase::setInitialDelay, &EffectRecord::initialDelay},
    };
    for (const Case& c : cases) {
        EffectRecord expected;
        std::memcpy(&expected, &plugin.record(), sizeof expected);  // padding too
        expected.*c.field = 0x1234;
        (effect().*c.set)(0x1234);
        EXPECT_EQ(std::memcmp(&expected, &plugin.record(), sizeof expected), 0) << c.setter;
    }
}

TEST_F(PlainHosted, EachFlagSetterSetsAndClearsItsOwnBit)
{
    // Bit numbers as the interface defines them.
    struct Case {
        const char* setter;
        void (EffectBase::*set)(bool);
        int32_t bit;
    };
    const Case cases[] = {
        {"has clip", &EffectBase::hasClip, 1 << 1},
        {"has VU", &EffectBase::hasVu, 1 << 2},
        {"can mono", &EffectBase::canMono, 1 << 3},
        {"can replace", &EffectBase::canProcessReplacing, 1 << 4},
        {"programs are chunks", &EffectBase::programsAreChunks, 1 << 5},
        {"is synth", &EffectBase::isSynth, 1 << 8},
        {"no sound in stop", &EffectBase::noTail, 1 << 9},
        {"asynchronous", &EffectBase::wantAsyncOperation, 1 << 10},
        {"external buffer", &EffectBase::hasExternalBuffer, 1 << 11},
    };
    int32_t all = 0;
    for (const Case& c : cases) {
        (effect().*c.set)(true);
        all |= c.bit;
        EXPECT_EQ(plugin.record().flags, all) << c.setter;
    }
    for (const Case& c : cases) {
        (effect().*c.set)(false);
        all &= ~c.bit;
        EXPECT_EQ(plugin.record().flags, all) << c.setter;
    }
}

TEST_F(PlainHosted, TheCategoryFollowsTheSynthFlag)
{
    EXPECT_EQ(plugin.dispatch(EffectOpcode::getPlugCategory), 0);  // unknown
    effect().isSynth(true);
    EXPECT_EQ(plugin.dispatch(EffectOpcode::getPlugCategory), 2);  // synth
}

TEST_F(PlainHosted, AnswersAHostReliesOn)
{
    struct Case {
        int32_t opcode;
        intptr_t value;
        intptr_t answer;
        const char* meaning;
    };
    const Case cases[] = {
        {EffectOpcode::identify, 0, 0x4E764566, "identify: NvEf"},
        {EffectOpcode::getProgram, 0, 0, "the first program"},
        {EffectOpcode::getVuLevel, 0, 0, "no VU"},
        {EffectOpcode::canBeAutomated, 0, 1, "every parameter automatable"},
        {EffectOpcode::getProgramCategoryCount, 0, 1, "one program category"},
        {EffectOpcode::inputConnected, 1, 1, "connection notices accepted"},
        {EffectOpcode::outputConnected, 0, 1, "connection notices accepted"},
        {EffectOpcode::getInputProperties, 0, 0, "no pin properties"},
        {EffectOpcode::setBypass, 1, 0, "bypass not offered"},
        {EffectOpcode::getVendorVersion, 0, 0, "no version"},
        {EffectOpcode::getTailSize, 0, 0, "the host's default tail"},
        {EffectOpcode::keysRequired, 0, 1, "keys not needed"},
        {EffectOpcode::getInterfaceVersion, 0, 2300, "interface 2.3"},
        {EffectOpcode::getCurrentMidiProgram, 0, -1, "no MIDI program"},
        {EffectOpcode::setTotalSamplesToProcess, 4096, 4096, "the total echoed"},
        {EffectOpcode::startProcess, 0, 0, "nothing to start"},
        {EffectOpcode::lastExtendedOpcode + 1, 0, 0, "unknown"},
        {-1, 0, 0, "unknown"},
    };
    for (const Case& c : cases) {
        alignas(8) std::array<char, 256> buffer{};
        EXPECT_EQ(plugin.dispatch(c.opcode, 0, c.value, buffer.data()), c.answer)
            << "opcode " << c.opcode << ", " << c.meaning;
    }
}

TEST_F(PlainHosted, TextRequestsWriteAnEmptyStringOrNothing)
{
    enum class Text { emptied, untouched };
    struct Case {
        int32_t opcode;
        Text text;
    };
    const Case cases[] = {
        {EffectOpcode::getProgramName, Text::emptied},
        {EffectOpcode::getParameterLabel, Text::emptied},
        {EffectOpcode::getParameterDisplay, Text::emptied},
        {EffectOpcode::getParameterName, Text::emptied},
        {EffectOpcode::getProgramNameIndexed, Text::untouched},
        {EffectOpcode::stringToParameter, Text::untouched},
        {EffectOpcode::getEffectName, Text::untouched},
        {EffectOpcode::getErrorText, Text::untouched},
        {EffectOpcode::getVendorString, Text::untouched},
        {EffectOpcode::getProductString, Text::untouched},
        {EffectOpcode::shellGetNextPlugin, Text::untouched},
    };
    for (const Case& c : cases) {
        char text[64];
        std::memset(text, 'x', sizeof text);
        std::memcpy(text, "sentinel", 9);
        EXPECT_EQ(plugin.dispatch(c.opcode, 1, 0, text), 0) << "opcode " << c.opcode;
        EXPECT_STREQ(text, c.text == Text::emptied ? "" : "sentinel") << "opcode " << c.opcode;
        EXPECT_EQ(text[9], 'x') << "opcode " << c.opcode;  // nothing written past the terminator
    }
}

TEST_F(PlainHosted, CanDoDeclaresNoCapability)
{
    for (const char* capability : {"bypass", "1in1out", "1in2out", "receiveVstEvents", "sendVstMidiEvent", ""}) {
        std::string text = capability;
        EXPECT_EQ(plugin.dispatch(EffectOpcode::canDo, 0, 0, text.data()), 0) << capability;
    }
}

TEST_F(PlainHosted, ChunksAreRefusedAndTheirPointersLeftAlone)
{
    void* data = &plugin;
    EXPECT_EQ(plugin.dispatch(EffectOpcode::getChunk, 0, 0, &data), 0);
    EXPECT_EQ(plugin.dispatch(EffectOpcode::getChunk, 1, 0, &data), 0);
    EXPECT_EQ(data, &plugin);
    char bytes[8] = "chunk";
    EXPECT_EQ(plugin.dispatch(EffectOpcode::setChunk, 0, sizeof bytes, bytes), 0);
    EXPECT_STREQ(bytes, "chunk");
}

TEST_F(PlainHosted, ProgramsSwitchWithinTheCountOnly)
{
    for (intptr_t refused : {intptr_t{PlainEffect::kPrograms}, intptr_t{-1}, intptr_t{1000}}) {
        plugin.dispatch(EffectOpcode::setProgram, 0, refused);
        EXPECT_EQ(plugin.program(), 0) << refused;
    }
    plugin.dispatch(EffectOpcode::setProgram, 0, PlainEffect::kPrograms - 1);
    EXPECT_EQ(plugin.program(), PlainEffect::kPrograms - 1);
}

TEST_F(PlainHosted, SampleRateAndBlockSizeAreStoredAndUnusableRatesIgnored)
{
    EXPECT_EQ(effect().getSampleRate(), 44100.0f);
    EXPECT_EQ(effect().getBlockSize(), 1024);
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
    struct Step {
        int32_t opcode;
        intptr_t value;
        float option;
        float rateAfter;
        int32_t blockAfter;
    };
    const Step steps[] = {
        {EffectOpcode::setSampleRate, 0, 48000.0f, 48000.0f, 1024},
        {EffectOpcode::setBlockSize, 256, 0.0f, 48000.0f, 256},
        {EffectOpcode::setSampleRate, 0, 0.0f, 48000.0f, 256},
        {EffectOpcode::setSampleRate, 0, -44100.0f, 48000.0f, 256},
        {EffectOpcode::setSampleRate, 0, kNan, 48000.0f, 256},
        {EffectOpcode::setSampleRate, 0, kInfinity, 48000.0f, 256},
        {EffectOpcode::setBlockSizeAndSampleRate, 64, 96000.0f, 96000.0f, 64},
        {EffectOpcode::setBlockSizeAndSampleRate, 128, kNan, 96000.0f, 128},
        {EffectOpcode::mainsChanged, 1, 22050.0f, 96000.0f, 128},
    };
    for (const Step& s : steps) {
        plugin.dispatch(s.opcode, 0, s.value, nullptr, s.option);
        EXPECT_EQ(effect().getSampleRate(), s.rateAfter) << "opcode " << s.opcode << " with " << s.option;
        EXPECT_EQ(effect().getBlockSize(), s.blockAfter) << "opcode " << s.opcode << " with " << s.value;
    }
}

TEST_F(PlainHosted, ParametersKeepNoValueButChangesAreStillAnnounced)
{
    for (int32_t index = -1; index <= PlainEffect::kParameters; ++index) {
        plugin.setParameter(index, 0.75f);
        EXPECT_EQ(plugin.getParameter(index), 0.0f) << index;
    }
    plugin.clearRequests();
    effect().setParameterAndNotify(2, 0.75f);
    ASSERT_EQ(plugin.requests().size(), 1u);
    const HostRequest notice = plugin.requests().front();
    EXPECT_EQ(notice.opcode, HostOpcode::automate);
    EXPECT_EQ(notice.index, 2);
    EXPECT_EQ(notice.option, 0.75f);
}

TEST_F(PlainHosted, EditorRequestsWithoutAnEditorAnswerZeroAndTouchNothing)
{
    EditorRect unchanged{};
    EditorRect* rect = &unchanged;
    struct Case {
        int32_t opcode;
        intptr_t value;
        void* pointer;
    };
    const Case cases[] = {
        {EffectOpcode::editorGetRect, 0, &rect},
        {EffectOpcode::editorOpen, 0, &plugin},
        {EffectOpcode::editorIdle, 0, nullptr},
        {EffectOpcode::editorKeyDown, 0x20, nullptr},
        {EffectOpcode::editorKeyUp, 0x20, nullptr},
        {EffectOpcode::setEditorKnobMode, 2, nullptr},
        {EffectOpcode::editorClose, 0, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(plugin.dispatch(c.opcode, 'a', c.value, c.pointer), 0) << "opcode " << c.opcode;
    }
    EXPECT_EQ(rect, &unchanged);
    EXPECT_EQ(effect().getEditor(), nullptr);
    EXPECT_EQ(plugin.record().flags & 1, 0);  // no editor announced
}

TEST(PlainEffectAlone, QuestionsToAnAbsentHostAnswerTheirDefaults)
{
    PlainEffect effect(nullptr);
    EXPECT_EQ(effect.getHostVersion(), 1);
    EXPECT_TRUE(effect.isInputConnected(0));
    EXPECT_TRUE(effect.isOutputConnected(1));
    EXPECT_FALSE(effect.beginEdit(0));
    EXPECT_FALSE(effect.endEdit(0));
    EXPECT_FALSE(effect.sizeWindow(100, 100));
    EXPECT_EQ(effect.updateSampleRate(), 44100.0f);
    EXPECT_EQ(effect.updateBlockSize(), 1024);
    effect.setParameterAndNotify(0, 0.5f);  // no host to tell: no crash
}

}  // namespace
}  // namespace fendwick

// Every answer of the dispatcher's base and extended tables, programs
// through the dispatcher, and the requests the plug-in sends back.
#include "hosted_fixture.h"

#include <array>
#include <cstring>
#include <map>

namespace fendwick {
namespace {

// Answers that are not 0 for a fresh single-band instance, asked with index 0,
// value 0, a zeroed buffer and option 0.
const std::map<int32_t, intptr_t> kNonZeroAnswers = {
    {EffectOpcode::identify, 0x4E764566},
    {EffectOpcode::canBeAutomated, 1},
    {EffectOpcode::getProgramCategoryCount, 1},
    {EffectOpcode::getProgramNameIndexed, 1},
    {EffectOpcode::inputConnected, 1},
    {EffectOpcode::outputConnected, 1},
    {EffectOpcode::getPlugCategory, 1},
    {EffectOpcode::setBlockSizeAndSampleRate, 1},
    {EffectOpcode::getEffectName, 1},
    {EffectOpcode::getVendorString, 1},
    {EffectOpcode::getProductString, 1},
    {EffectOpcode::getVendorVersion, 1000},
    {EffectOpcode::keysRequired, 1},
    {EffectOpcode::getInterfaceVersion, 2300},
    {EffectOpcode::getCurrentMidiProgram, -1},
    {EffectOpcode::editorGetRect, 1},
    {EffectOpcode::editorKeyDown, -1},  // no frame while the editor is closed
    {EffectOpcode::editorKeyUp, -1},
    {EffectOpcode::setEditorKnobMode, 1},
};

TEST_P(HostedAscarell, EveryOpcodeGivesItsTableAnswer)
{
    for (int32_t opcode = 0; opcode <= 80; ++opcode) {
        // Close ends the instance; editor open wants a real parent window.
        if (opcode == EffectOpcode::close || opcode == EffectOpcode::editorOpen) {
            continue;
        }
        alignas(8) std::array<char, 512> buffer{};
        const auto found = kNonZeroAnswers.find(opcode);
        const intptr_t expected = found == kNonZeroAnswers.end() ? 0 : found->second;
        EXPECT_EQ(plugin->dispatch(opcode, 0, 0, buffer.data(), 0.0f), expected) << "opcode " << opcode;
    }
    EXPECT_EQ(plugin->dispatch(-1), 0);
    EXPECT_EQ(plugin->dispatch(1000), 0);
    EXPECT_EQ(plugin->dispatch(EffectOpcode::setTotalSamplesToProcess, 0, 4096), 4096);
}

TEST_P(HostedAscarell, CanDoDeclaresNothing)
{
    for (const char* capability : {"bypass", "1in1out", "2in2out", "receiveVstEvents", ""}) {
        std::string text = capability;
        EXPECT_EQ(plugin->dispatch(EffectOpcode::canDo, 0, 0, text.data()), 0) << capability;
    }
}

TEST_P(HostedAscarell, ChunksAreNotOfferedAndTouchNothing)
{
    void* data = reinterpret_cast<void*>(0x1234);
    EXPECT_EQ(plugin->dispatch(EffectOpcode::getChunk, 0, 0, &data), 0);
    EXPECT_EQ(plugin->dispatch(EffectOpcode::getChunk, 1, 0, &data), 0);
    EXPECT_EQ(data, reinterpret_cast<void*>(0x1234));
    char bytes[8] = "chunk";
    EXPECT_EQ(plugin->dispatch(EffectOpcode::setChunk, 0, sizeof bytes, bytes), 0);
    EXPECT_STREQ(bytes, "chunk");
    EXPECT_EQ(plugin->record().flags & EffectFlag::programChunks, 0);
}

TEST_P(HostedAscarell, SpeakerArrangementAnswerSetsBothSlotsToNull)
{
    void* input = reinterpret_cast<void*>(0x10);
    void* output = reinterpret_cast<void*>(0x20);
    EXPECT_EQ(plugin->dispatch(EffectOpcode::getSpeakerArrangement, 0, reinterpret_cast<intptr_t>(&input), &output),
              0);
    EXPECT_EQ(input, nullptr);
    EXPECT_EQ(output, nullptr);
}

TEST_P(HostedAscarell, EditorRectangleIsTheBackgroundsSize)
{
    EditorRect* rect = nullptr;
    EXPECT_EQ(plugin->dispatch(EffectOpcode::editorGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->top, 0);
    EXPECT_EQ(rect->left, 0);
    EXPECT_EQ(rect->bottom, 139);
    EXPECT_EQ(rect->right, 545);
}

TEST_P(HostedAscarell, ProgramsSwitchOnlyWithinRange)
{
    EXPECT_EQ(plugin->program(), 0);
    plugin->setProgram(23);
    EXPECT_EQ(plugin->program(), 0);
    plugin->setProgram(-1);
    EXPECT_EQ(plugin->program(), 0);
    plugin->setProgram(22);
    EXPECT_EQ(plugin->program(), 22);
    EXPECT_EQ(plugin->programName(), "Vocal Enhance");
    EXPECT_EQ(plugin->getParameter(6), 0.268714f);
    EXPECT_EQ(plugin->programNameAt(22), "Vocal Enhance");
    EXPECT_EQ(plugin->programNameAt(0), "Default");
    EXPECT_EQ(plugin->programNameAt(23), std::nullopt);
    EXPECT_EQ(plugin->programNameAt(-1), std::nullopt);
}

TEST_P(HostedAscarell, ParameterChangesLiveInTheCurrentProgram)
{
    plugin->setProgram(3);
    plugin->setParameter(3, 0.9f);
    plugin->setProgram(4);
    EXPECT_EQ(plugin->getParameter(3), 0.189316f);
    plugin->setProgram(3);
    EXPECT_EQ(plugin->getParameter(3), 0.9f);
}

TEST_P(HostedAscarell, ProgramNamesAreRenamedAndCutToTwentyThreeCharacters)
{
    plugin->setProgram(5);
    char name[] = "My very own program name that goes on";
    plugin->dispatch(EffectOpcode::setProgramName, 0, 0, name);
    EXPECT_EQ(plugin->programName(), "My very own program nam");
    EXPECT_EQ(plugin->programNameAt(5), "My very own program nam");
    EXPECT_EQ(plugin->programNameAt(4), "Master Loud");
}

TEST_P(HostedAscarell, SendsOnlyTheVersionRequestWhileBeingDriven)
{
    plugin->prepare(48000.0f, 256);
    plugin->setProgram(7);
    plugin->setParameter(2, 0.3f);
    plugin->suspend();
    for (const HostRequest& request : plugin->requests()) {
        EXPECT_EQ(request.opcode, HostOpcode::version);
    }
}

}  // namespace
}  // namespace fendwick

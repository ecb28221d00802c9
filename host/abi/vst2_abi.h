// The VST 2 plug-in interface as the host sees it: the effect record, the
// entry and callback signatures, and named opcodes, flags and key codes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fendwick {

struct EffectRecord;

// The host's function. On 64-bit hosts the value argument and the answer are
// pointer-sized; on 32-bit hosts both are 32 bits wide.
using HostCallback = intptr_t (*)(EffectRecord* effect, int32_t opcode, int32_t index,
                                  intptr_t value, void* pointer, float option);

using DispatcherEntry = intptr_t (*)(EffectRecord* effect, int32_t opcode, int32_t index,
                                     intptr_t value, void* pointer, float option);
using ProcessEntry = void (*)(EffectRecord* effect, float** inputs, float** outputs,
                              int32_t sampleFrames);
using SetParameterEntry = void (*)(EffectRecord* effect, int32_t index, float value);
using GetParameterEntry = float (*)(EffectRecord* effect, int32_t index);

// Four characters packed big-endian, first character in the top byte.
constexpr int32_t fourCharCode(const char (&code)[5])
{
    return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint8_t>(code[0])) << 24) |
                                (static_cast<uint32_t>(static_cast<uint8_t>(code[1])) << 16) |
                                (static_cast<uint32_t>(static_cast<uint8_t>(code[2])) << 8) |
                                static_cast<uint32_t>(static_cast<uint8_t>(code[3])));
}

constexpr int32_t kEffectMagic = fourCharCode("VstP");
constexpr int32_t kIdentifyAnswer = fourCharCode("NvEf");
constexpr int32_t kDefaultUniqueId = fourCharCode("NoEf");
constexpr int32_t kInterfaceVersion = 2300;

// The record the host reads and calls directly; its layout is binding.
struct EffectRecord {
    int32_t magic;
    DispatcherEntry dispatcher;
    ProcessEntry processAccumulating;
    SetParameterEntry setParameter;
    GetParameterEntry getParameter;
    int32_t numPrograms;
    int32_t numParams;
    int32_t numInputs;
    int32_t numOutputs;
    int32_t flags;
    intptr_t reserved1;
    intptr_t reserved2;
    int32_t initialDelay;
    int32_t realQualities;
    int32_t offQualities;
    float ioRatio;
    void* object;
    void* user;
    int32_t uniqueId;
    int32_t version;
    ProcessEntry processReplacing;
    void* reservedPointer;  // a later interface's entry; we leave it null
    char reservedTail[56];
};

static_assert(offsetof(EffectRecord, magic) == 0);
#if INTPTR_MAX == INT64_MAX
static_assert(offsetof(EffectRecord, dispatcher) == 8);
static_assert(offsetof(EffectRecord, processAccumulating) == 16);
static_assert(offsetof(EffectRecord, setParameter) == 24);
static_assert(offsetof(EffectRecord, getParameter) == 32);
static_assert(offsetof(EffectRecord, numPrograms) == 40);
static_assert(offsetof(EffectRecord, numParams) == 44);
static_assert(offsetof(EffectRecord, numInputs) == 48);
static_assert(offsetof(EffectRecord, numOutputs) == 52);
static_assert(offsetof(EffectRecord, flags) == 56);
static_assert(offsetof(EffectRecord, reserved1) == 64);
static_assert(offsetof(EffectRecord, reserved2) == 72);
static_assert(offsetof(EffectRecord, initialDelay) == 80);
static_assert(offsetof(EffectRecord, realQualities) == 84);
static_assert(offsetof(EffectRecord, offQualities) == 88);
static_assert(offsetof(EffectRecord, ioRatio) == 92);
static_assert(offsetof(EffectRecord, object) == 96);
static_assert(offsetof(EffectRecord, user) == 104);
static_assert(offsetof(EffectRecord, uniqueId) == 112);
static_assert(offsetof(EffectRecord, version) == 116);
static_assert(offsetof(EffectRecord, processReplacing) == 120);
static_assert(offsetof(EffectRecord, reservedPointer) == 128);
static_assert(sizeof(EffectRecord) == 192);
#elif INTPTR_MAX == INT32_MAX
static_assert(offsetof(EffectRecord, dispatcher) == 4);
static_assert(offsetof(EffectRecord, processAccumulating) == 8);
static_assert(offsetof(EffectRecord, setParameter) == 12);
static_assert(offsetof(EffectRecord, getParameter) == 16);
static_assert(offsetof(EffectRecord, numPrograms) == 20);
static_assert(offsetof(EffectRecord, numParams) == 24);
static_assert(offsetof(EffectRecord, numInputs) == 28);
static_assert(offsetof(EffectRecord, numOutputs) == 32);
static_assert(offsetof(EffectRecord, flags) == 36);
static_assert(offsetof(EffectRecord, reserved1) == 40);
static_assert(offsetof(EffectRecord, reserved2) == 44);
static_assert(offsetof(EffectRecord, initialDelay) == 48);
static_assert(offsetof(EffectRecord, realQualities) == 52);
static_assert(offsetof(EffectRecord, offQualities) == 56);
static_assert(offsetof(EffectRecord, ioRatio) == 60);
static_assert(offsetof(EffectRecord, object) == 64);
static_assert(offsetof(EffectRecord, user) == 68);
static_assert(offsetof(EffectRecord, uniqueId) == 72);
static_assert(offsetof(EffectRecord, version) == 76);
static_assert(offsetof(EffectRecord, processReplacing) == 80);
static_assert(offsetof(EffectRecord, reservedPointer) == 84);
static_assert(sizeof(EffectRecord) == 144);
#else
#error "only 32-bit and 64-bit hosts exist"
#endif

// Bits of EffectRecord::flags.
namespace EffectFlag {
constexpr int32_t hasEditor = 1 << 0;
constexpr int32_t hasClip = 1 << 1;
constexpr int32_t hasVu = 1 << 2;
constexpr int32_t canMono = 1 << 3;
constexpr int32_t canReplace = 1 << 4;
constexpr int32_t programChunks = 1 << 5;
constexpr int32_t isSynth = 1 << 8;
constexpr int32_t noSoundInStop = 1 << 9;
constexpr int32_t asyncOperation = 1 << 10;
constexpr int32_t externalBuffer = 1 << 11;
}  // namespace EffectFlag

// Requests the host sends through the dispatcher entry.
namespace EffectOpcode {
constexpr int32_t open = 0;
constexpr int32_t close = 1;
constexpr int32_t setProgram = 2;
constexpr int32_t getProgram = 3;
constexpr int32_t setProgramName = 4;
constexpr int32_t getProgramName = 5;
constexpr int32_t getParameterLabel = 6;
constexpr int32_t getParameterDisplay = 7;
constexpr int32_t getParameterName = 8;
constexpr int32_t getVuLevel = 9;
constexpr int32_t setSampleRate = 10;
constexpr int32_t setBlockSize = 11;
constexpr int32_t mainsChanged = 12;
constexpr int32_t editorGetRect = 13;
constexpr int32_t editorOpen = 14;
constexpr int32_t editorClose = 15;
constexpr int32_t editorDraw = 16;
constexpr int32_t editorMouse = 17;
constexpr int32_t editorKey = 18;
constexpr int32_t editorIdle = 19;
constexpr int32_t editorTop = 20;
constexpr int32_t editorSleep = 21;
constexpr int32_t identify = 22;
constexpr int32_t getChunk = 23;
constexpr int32_t setChunk = 24;
constexpr int32_t lastBaseOpcode = setChunk;

constexpr int32_t processEvents = 25;
constexpr int32_t canBeAutomated = 26;
constexpr int32_t stringToParameter = 27;
constexpr int32_t getProgramCategoryCount = 28;
constexpr int32_t getProgramNameIndexed = 29;
constexpr int32_t copyProgram = 30;
constexpr int32_t inputConnected = 31;
constexpr int32_t outputConnected = 32;
constexpr int32_t getInputProperties = 33;
constexpr int32_t getOutputProperties = 34;
constexpr int32_t getPlugCategory = 35;
constexpr int32_t getCurrentPosition = 36;
constexpr int32_t getDestinationBuffer = 37;
constexpr int32_t offlineNotify = 38;
constexpr int32_t offlinePrepare = 39;
constexpr int32_t offlineRun = 40;
constexpr int32_t processVariableIo = 41;
constexpr int32_t setSpeakerArrangement = 42;
constexpr int32_t setBlockSizeAndSampleRate = 43;
constexpr int32_t setBypass = 44;
constexpr int32_t getEffectName = 45;
constexpr int32_t getErrorText = 46;
constexpr int32_t getVendorString = 47;
constexpr int32_t getProductString = 48;
constexpr int32_t getVendorVersion = 49;
constexpr int32_t vendorSpecific = 50;
constexpr int32_t canDo = 51;
constexpr int32_t getTailSize = 52;
constexpr int32_t idle = 53;
constexpr int32_t getIcon = 54;
constexpr int32_t setViewPosition = 55;
constexpr int32_t getParameterProperties = 56;
constexpr int32_t keysRequired = 57;
constexpr int32_t getInterfaceVersion = 58;
constexpr int32_t editorKeyDown = 59;
constexpr int32_t editorKeyUp = 60;
constexpr int32_t setEditorKnobMode = 61;
constexpr int32_t getMidiProgramName = 62;
constexpr int32_t getCurrentMidiProgram = 63;
constexpr int32_t getMidiProgramCategory = 64;
constexpr int32_t hasMidiProgramsChanged = 65;
constexpr int32_t getMidiKeyName = 66;
constexpr int32_t beginSetProgram = 67;
constexpr int32_t endSetProgram = 68;
constexpr int32_t getSpeakerArrangement = 69;
constexpr int32_t shellGetNextPlugin = 70;
constexpr int32_t startProcess = 71;
constexpr int32_t stopProcess = 72;
constexpr int32_t setTotalSamplesToProcess = 73;
constexpr int32_t setPanLaw = 74;
constexpr int32_t beginLoadBank = 75;
constexpr int32_t beginLoadProgram = 76;
constexpr int32_t lastExtendedOpcode = beginLoadProgram;
}  // namespace EffectOpcode

// Requests a plug-in sends through the host callback.
namespace HostOpcode {
constexpr int32_t automate = 0;
constexpr int32_t version = 1;
constexpr int32_t currentId = 2;
constexpr int32_t idle = 3;
constexpr int32_t pinConnected = 4;
constexpr int32_t wantMidi = 6;
constexpr int32_t getTime = 7;
constexpr int32_t tempoAt = 10;
constexpr int32_t getNumAutomatableParameters = 11;
constexpr int32_t getParameterQuantization = 12;
constexpr int32_t ioChanged = 13;
constexpr int32_t needIdle = 14;
constexpr int32_t sizeWindow = 15;
constexpr int32_t getSampleRate = 16;
constexpr int32_t getBlockSize = 17;
constexpr int32_t getInputLatency = 18;
constexpr int32_t getOutputLatency = 19;
constexpr int32_t getPreviousPlug = 20;
constexpr int32_t getNextPlug = 21;
constexpr int32_t willReplaceOrAccumulate = 22;
constexpr int32_t getCurrentProcessLevel = 23;
constexpr int32_t getAutomationState = 24;
constexpr int32_t offlineStart = 25;
constexpr int32_t offlineRead = 26;
constexpr int32_t offlineWrite = 27;
constexpr int32_t offlineGetCurrentPass = 28;
constexpr int32_t offlineGetCurrentMetaPass = 29;
constexpr int32_t setOutputSampleRate = 30;
constexpr int32_t getOutputSpeakerArrangement = 31;
constexpr int32_t getVendorString = 32;
constexpr int32_t getProductString = 33;
constexpr int32_t getVendorVersion = 34;
constexpr int32_t vendorSpecific = 35;
constexpr int32_t canDo = 37;
constexpr int32_t getLanguage = 38;
constexpr int32_t openWindow = 39;
constexpr int32_t closeWindow = 40;
constexpr int32_t getDirectory = 41;
constexpr int32_t updateDisplay = 42;
constexpr int32_t beginEdit = 43;
constexpr int32_t endEdit = 44;
constexpr int32_t openFileSelector = 45;
constexpr int32_t getInputSpeakerArrangement = 49;
}  // namespace HostOpcode

// Virtual key codes of the editor key requests.
namespace VirtualKey {
constexpr uint8_t left = 11;
constexpr uint8_t up = 12;
constexpr uint8_t right = 13;
constexpr uint8_t down = 14;
}  // namespace VirtualKey

// Modifier bits of the editor key requests.
namespace KeyModifier {
constexpr uint8_t shift = 1 << 0;
constexpr uint8_t alternate = 1 << 1;
constexpr uint8_t command = 1 << 2;
constexpr uint8_t control = 1 << 3;
}  // namespace KeyModifier

// The key record handed to the editor's key down and key up.
struct KeyRecord {
    int32_t character;
    uint8_t virtualKey;
    uint8_t modifiers;
};

// The editor's size answered to editorGetRect.
struct EditorRect {
    int16_t top;
    int16_t left;
    int16_t bottom;
    int16_t right;
};

// Plug-in categories answered to getPlugCategory.
namespace PlugCategory {
constexpr int32_t unknown = 0;
constexpr int32_t effect = 1;
constexpr int32_t synth = 2;
}  // namespace PlugCategory

// Bounds of the host's text buffers, terminator included.
constexpr size_t kParameterTextSize = 9;    // names, labels, display texts: 8 characters
constexpr size_t kProgramNameSize = 24;     // 23 characters
constexpr size_t kIdentityTextSize = 14;    // effect, vendor, product: 13 characters

}  // namespace fendwick

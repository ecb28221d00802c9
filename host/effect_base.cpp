// The effect object's construction, entry trampolines and default operations.
#include "effect_base.h"

#include "bounded_text.h"
#include "plugin_editor.h"
#include "value_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace fendwick {

namespace {

intptr_t dispatcherEntry(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value, void* pointer,
                         float option)
{
    EffectBase* object = EffectBase::fromRecord(effect);
    if (object == nullptr) {
        return 0;
    }
    const intptr_t answer = object->dispatch(opcode, index, value, pointer, option);
    if (opcode == EffectOpcode::close) {
        delete object;
        return 1;
    }
    return answer;
}

void processAccumulateEntry(EffectRecord* effect, float** inputs, float** outputs, int32_t sampleFrames)
{
    if (EffectBase* object = EffectBase::fromRecord(effect)) {
        object->processAccumulate(inputs, outputs, sampleFrames);
    }
}

void processReplaceEntry(EffectRecord* effect, float** inputs, float** outputs, int32_t sampleFrames)
{
    if (EffectBase* object = EffectBase::fromRecord(effect)) {
        object->processReplace(inputs, outputs, sampleFrames);
    }
}

// A host value outside 0..1 is clamped and a NaN ignored, so that one bad
// value cannot poison the derived coefficients.
void setParameterEntry(EffectRecord* effect, int32_t index, float value)
{
    EffectBase* object = EffectBase::fromRecord(effect);
    if (object == nullptr || std::isnan(value)) {
        return;
    }
    object->setParameter(index, std::clamp(value, 0.0f, 1.0f));
}

float getParameterEntry(EffectRecord* effect, int32_t index)
{
    EffectBase* object = EffectBase::fromRecord(effect);
    return object != nullptr ? object->getParameter(index) : 0.0f;
}

// A parameter without a row gets no text, so that the host's buffer keeps
// what it held; a plug-in without a table answers an empty text. Names and
// labels go out whole (three-band names run to 11 characters).
void copyRowText(const ParameterTable& table, int32_t index, const char* ParameterRow::*field, char* text)
{
    if (const ParameterRow* row = table.find(index)) {
        copyWholeText(text, row->*field);
    } else if (table.size() == 0) {
        copyBoundedText(text, "", 1);
    }
}

// Answers an identity question from the plug-in's row; false without one.
bool copyIdentityText(char* text, const PluginIdentity* identity, const char* PluginIdentity::*field)
{
    if (identity == nullptr) {
        return false;
    }
    copyWholeText(text, identity->*field);
    return true;
}

// A speaker record of the interface: 112 bytes each after an 8-byte header.
constexpr size_t kArrangementHeaderBytes = 8;
constexpr size_t kSpeakerBytes = 112;

}  // namespace

EffectBase::EffectBase(HostCallback callback, int32_t programs, int32_t params)
    : hostCallback(callback), numPrograms(programs), numParams(params)
{
    record.magic = kEffectMagic;
    record.dispatcher = dispatcherEntry;
    record.processAccumulating = processAccumulateEntry;
    record.setParameter = setParameterEntry;
    record.getParameter = getParameterEntry;
    record.numPrograms = numPrograms;
    record.numParams = numParams;
    record.numInputs = 1;
    record.numOutputs = 2;
    record.ioRatio = 1.0f;
    record.object = this;
    record.uniqueId = kDefaultUniqueId;
    record.version = 1;
    record.processReplacing = processReplaceEntry;
}

EffectBase::EffectBase(HostCallback callback, const PluginIdentity& identityRow, ParameterTable table,
                       ProgramBank factoryPrograms)
    : EffectBase(callback, identityRow.numPrograms, identityRow.numParams)
{
    identity = &identityRow;
    parameterTable = table;
    programBank = std::move(factoryPrograms);
    record.numInputs = identityRow.numInputs;
    record.numOutputs = identityRow.numOutputs;
    record.uniqueId = identityRow.uniqueId;
    record.flags |= identityRow.flags;
}

EffectBase::~EffectBase()
{
    delete editor;
}

EffectBase* EffectBase::fromRecord(EffectRecord* effect)
{
    return effect != nullptr ? static_cast<EffectBase*>(effect->object) : nullptr;
}

void EffectBase::setDisplayValue(int32_t index, float value)
{
    if (!displayValues.contains(index)) {
        return;
    }
    displayValues.store(index, value);
    if (editor != nullptr) {
        editor->displayValueChanged(index);
    }
    if (displayValueListener != nullptr) {
        displayValueListener->displayValueChanged(index, value);
    }
}

float EffectBase::getDisplayValue(int32_t index) const { return displayValues.load(index); }

void EffectBase::setEditor(PluginEditor* newEditor)
{
    editor = newEditor;
    setFlag(EffectFlag::hasEditor, newEditor != nullptr);
}

intptr_t EffectBase::askHost(int32_t opcode, int32_t index, intptr_t value, void* pointer, float option,
                             intptr_t fallback)
{
    if (hostCallback == nullptr) {
        return fallback;
    }
    return hostCallback(&record, opcode, index, value, pointer, option);
}

void EffectBase::setFlag(int32_t bit, bool state)
{
    if (state) {
        record.flags |= bit;
    } else {
        record.flags &= ~bit;
    }
}

// Every change is written into the current program, so that a program
// always holds what was last set while it is current; the editor follows it.
void EffectBase::setParameter(int32_t index, float value)
{
    if (!parameterTable.contains(index)) {
        return;
    }
    programBank.store(curProgram, index, value);
    applyParameter(index, value);
    if (editor != nullptr) {
        editor->setParameter(index, value);
    }
}

void EffectBase::applyParameter(int32_t, float) {}
float EffectBase::getParameter(int32_t) { return 0.0f; }

void EffectBase::setParameterAndNotify(int32_t index, float value)
{
    setParameter(index, value);
    askHost(HostOpcode::automate, index, 0, nullptr, value, 0);
}

void EffectBase::processReplace(float**, float**, int32_t) {}
void EffectBase::open() {}
void EffectBase::close() {}

int32_t EffectBase::getProgram() { return curProgram; }

// Applies every value of the program through setParameter, in the order of
// its slots, which writes each one back unchanged and brings the processing
// and editor up to date.
void EffectBase::setProgram(int32_t index)
{
    if (programBank.size() == 0) {
        curProgram = index;
        return;
    }
    if (!programBank.contains(index)) {
        return;
    }
    curProgram = index;
    for (int32_t slot = 0; slot < programBank.valueCount(); ++slot) {
        const int32_t parameter = programBank.parameterInSlot(slot);
        setParameter(parameter, programBank.value(index, parameter));
    }
}

void EffectBase::setProgramName(char* name)
{
    if (programBank.size() == 0) {
        copyBoundedText(name, "", 1);
        return;
    }
    programBank.rename(curProgram, name);
}

void EffectBase::getProgramName(char* name)
{
    if (!programBank.copyName(curProgram, name)) {
        copyBoundedText(name, "", 1);
    }
}

void EffectBase::getParameterLabel(int32_t index, char* label)
{
    copyRowText(parameterTable, index, &ParameterRow::label, label);
}

void EffectBase::getParameterDisplay(int32_t index, char* text)
{
    if (const ParameterRow* row = parameterTable.find(index)) {
        row->hostText(getParameter(index), text, kParameterTextSize);
    } else if (parameterTable.size() == 0) {
        copyBoundedText(text, "", 1);
    }
}

void EffectBase::getParameterName(int32_t index, char* name)
{
    copyRowText(parameterTable, index, &ParameterRow::name, name);
}

float EffectBase::getVu() { return 0.0f; }
int32_t EffectBase::getChunk(void**, bool) { return 0; }
int32_t EffectBase::setChunk(void*, int32_t, bool) { return 0; }

void EffectBase::setSampleRate(float sampleRateHz) { sampleRate = sampleRateHz; }
void EffectBase::setBlockSize(int32_t frames) { blockSize = frames; }
void EffectBase::suspend() {}
void EffectBase::resume() {}

void EffectBase::setUniqueId(int32_t id) { record.uniqueId = id; }
void EffectBase::setNumInputs(int32_t inputs) { record.numInputs = inputs; }
void EffectBase::setNumOutputs(int32_t outputs) { record.numOutputs = outputs; }
void EffectBase::hasVu(bool state) { setFlag(EffectFlag::hasVu, state); }
void EffectBase::hasClip(bool state) { setFlag(EffectFlag::hasClip, state); }
void EffectBase::canMono(bool state) { setFlag(EffectFlag::canMono, state); }
void EffectBase::canProcessReplacing(bool state) { setFlag(EffectFlag::canReplace, state); }
void EffectBase::programsAreChunks(bool state) { setFlag(EffectFlag::programChunks, state); }
void EffectBase::setRealtimeQualities(int32_t qualities) { record.realQualities = qualities; }
void EffectBase::setOfflineQualities(int32_t qualities) { record.offQualities = qualities; }
void EffectBase::setInitialDelay(int32_t delayFrames) { record.initialDelay = delayFrames; }
float EffectBase::getSampleRate() { return sampleRate; }
int32_t EffectBase::getBlockSize() { return blockSize; }

int32_t EffectBase::getHostVersion()
{
    const auto answer = static_cast<int32_t>(askHost(HostOpcode::version, 0, 0, nullptr, 0.0f, 0));
    return answer != 0 ? answer : 1;
}

int32_t EffectBase::getCurrentUniqueId()
{
    return static_cast<int32_t>(askHost(HostOpcode::currentId, 0, 0, nullptr, 0.0f, 0));
}

void EffectBase::hostIdle() { askHost(HostOpcode::idle, 0, 0, nullptr, 0.0f, 0); }

bool EffectBase::isInputConnected(int32_t input)
{
    return askHost(HostOpcode::pinConnected, input, 0, nullptr, 0.0f, 0) == 0;
}

bool EffectBase::isOutputConnected(int32_t output)
{
    return askHost(HostOpcode::pinConnected, output, 1, nullptr, 0.0f, 0) == 0;
}

void EffectBase::dbToText(float value, char* text)
{
    if (value <= 0.0f) {
        copyBoundedText(text, "-oo", kParameterTextSize);
    } else {
        formatValueText(static_cast<float>(20.0 * std::log10(static_cast<double>(value))), text);
    }
}

void EffectBase::hzToText(float samples, char* text)
{
    formatValueText(samples == 0.0f ? 0.0f : sampleRate / samples, text);
}

void EffectBase::msToText(float samples, char* text) { formatValueText(samples * 1000.0f / sampleRate, text); }
void EffectBase::formatValueText(float value, char* text) { fendwick::formatValueText(value, text); }
void EffectBase::integerToText(int32_t value, char* text) { formatIntegerText(value, text); }

PluginEditor* EffectBase::getEditor() { return editor; }

int32_t EffectBase::wantEvents(int32_t filter)
{
    return static_cast<int32_t>(askHost(HostOpcode::wantMidi, 0, filter, nullptr, 0.0f, 0));
}

intptr_t EffectBase::getTimeInfo(int32_t filter) { return askHost(HostOpcode::getTime, 0, filter, nullptr, 0.0f, 0); }

int32_t EffectBase::tempoAt(int32_t position)
{
    return static_cast<int32_t>(askHost(HostOpcode::tempoAt, 0, position, nullptr, 0.0f, 0));
}

int32_t EffectBase::processEvents(void*) { return 0; }

int32_t EffectBase::getNumAutomatableParameters()
{
    return static_cast<int32_t>(askHost(HostOpcode::getNumAutomatableParameters, 0, 0, nullptr, 0.0f, 0));
}

int32_t EffectBase::getParameterQuantization()
{
    return static_cast<int32_t>(askHost(HostOpcode::getParameterQuantization, 0, 0, nullptr, 0.0f, 0));
}

bool EffectBase::canParameterBeAutomated(int32_t) { return true; }
bool EffectBase::stringToParameter(int32_t, char*) { return false; }
float EffectBase::getChannelParameter(int32_t, int32_t) { return 0.0f; }
int32_t EffectBase::getNumCategories() { return 1; }
bool EffectBase::getProgramNameIndexed(int32_t, int32_t index, char* name) { return programBank.copyName(index, name); }
bool EffectBase::copyProgram(int32_t) { return false; }

bool EffectBase::ioChanged() { return askHost(HostOpcode::ioChanged, 0, 0, nullptr, 0.0f, 0) != 0; }
bool EffectBase::needIdle() { return askHost(HostOpcode::needIdle, 0, 0, nullptr, 0.0f, 0) != 0; }

bool EffectBase::sizeWindow(int32_t width, int32_t height)
{
    return askHost(HostOpcode::sizeWindow, width, height, nullptr, 0.0f, 0) != 0;
}

float EffectBase::updateSampleRate()
{
    const intptr_t answer = askHost(HostOpcode::getSampleRate, 0, 0, nullptr, 0.0f, 0);
    if (answer > 0) {
        sampleRate = static_cast<float>(answer);
    }
    return sampleRate;
}

int32_t EffectBase::updateBlockSize()
{
    const intptr_t answer = askHost(HostOpcode::getBlockSize, 0, 0, nullptr, 0.0f, 0);
    if (answer > 0) {
        blockSize = static_cast<int32_t>(answer);
    }
    return blockSize;
}

int32_t EffectBase::getInputLatency()
{
    return static_cast<int32_t>(askHost(HostOpcode::getInputLatency, 0, 0, nullptr, 0.0f, 0));
}

int32_t EffectBase::getOutputLatency()
{
    return static_cast<int32_t>(askHost(HostOpcode::getOutputLatency, 0, 0, nullptr, 0.0f, 0));
}

intptr_t EffectBase::getPreviousPlug(int32_t input)
{
    return askHost(HostOpcode::getPreviousPlug, input, 0, nullptr, 0.0f, 0);
}

intptr_t EffectBase::getNextPlug(int32_t output) { return askHost(HostOpcode::getNextPlug, output, 0, nullptr, 0.0f, 0); }

void EffectBase::inputConnected(int32_t, bool) {}
void EffectBase::outputConnected(int32_t, bool) {}
bool EffectBase::getInputProperties(int32_t, void*) { return false; }
bool EffectBase::getOutputProperties(int32_t, void*) { return false; }

int32_t EffectBase::getPlugCategory()
{
    if (identity != nullptr) {
        return identity->category;
    }
    return (record.flags & EffectFlag::isSynth) != 0 ? PlugCategory::synth : PlugCategory::unknown;
}

int32_t EffectBase::willProcessReplacing()
{
    return static_cast<int32_t>(askHost(HostOpcode::willReplaceOrAccumulate, 0, 0, nullptr, 0.0f, 0));
}

int32_t EffectBase::getCurrentProcessLevel()
{
    return static_cast<int32_t>(askHost(HostOpcode::getCurrentProcessLevel, 0, 0, nullptr, 0.0f, 0));
}

int32_t EffectBase::getAutomationState()
{
    return static_cast<int32_t>(askHost(HostOpcode::getAutomationState, 0, 0, nullptr, 0.0f, 0));
}

void EffectBase::wantAsyncOperation(bool state) { setFlag(EffectFlag::asyncOperation, state); }
void EffectBase::hasExternalBuffer(bool state) { setFlag(EffectFlag::externalBuffer, state); }
int32_t EffectBase::reportCurrentPosition() { return 0; }
float* EffectBase::reportDestinationBuffer() { return nullptr; }

bool EffectBase::offlineRead(void* offline, int32_t option, bool readSource)
{
    return askHost(HostOpcode::offlineRead, readSource ? 1 : 0, option, offline, 0.0f, 0) != 0;
}

bool EffectBase::offlineWrite(void* offline, int32_t option)
{
    return askHost(HostOpcode::offlineWrite, 0, option, offline, 0.0f, 0) != 0;
}

bool EffectBase::offlineStart(void* audioFiles, int32_t numAudioFiles, int32_t numNewAudioFiles)
{
    return askHost(HostOpcode::offlineStart, numNewAudioFiles, numAudioFiles, audioFiles, 0.0f, 0) != 0;
}

int32_t EffectBase::offlineGetCurrentPass()
{
    return static_cast<int32_t>(askHost(HostOpcode::offlineGetCurrentPass, 0, 0, nullptr, 0.0f, 0));
}

int32_t EffectBase::offlineGetCurrentMetaPass()
{
    return static_cast<int32_t>(askHost(HostOpcode::offlineGetCurrentMetaPass, 0, 0, nullptr, 0.0f, 0));
}

bool EffectBase::offlineNotify(void*, int32_t, bool) { return false; }
bool EffectBase::offlinePrepare(void*, int32_t) { return false; }
bool EffectBase::offlineRun(void*, int32_t) { return false; }
int32_t EffectBase::getNumOfflinePasses() { return 0; }
int32_t EffectBase::getNumOfflineMetaPasses() { return 0; }

void EffectBase::setOutputSampleRate(float sampleRateHz)
{
    askHost(HostOpcode::setOutputSampleRate, 0, 0, nullptr, sampleRateHz, 0);
}

intptr_t EffectBase::getInputSpeakerArrangement()
{
    return askHost(HostOpcode::getInputSpeakerArrangement, 0, 0, nullptr, 0.0f, 0);
}

intptr_t EffectBase::getOutputSpeakerArrangement()
{
    return askHost(HostOpcode::getOutputSpeakerArrangement, 0, 0, nullptr, 0.0f, 0);
}

bool EffectBase::getHostVendorString(char* text)
{
    return askHost(HostOpcode::getVendorString, 0, 0, text, 0.0f, 0) != 0;
}

bool EffectBase::getHostProductString(char* text)
{
    return askHost(HostOpcode::getProductString, 0, 0, text, 0.0f, 0) != 0;
}

int32_t EffectBase::getHostVendorVersion()
{
    return static_cast<int32_t>(askHost(HostOpcode::getVendorVersion, 0, 0, nullptr, 0.0f, 0));
}

intptr_t EffectBase::hostVendorSpecific(int32_t index, intptr_t value, void* pointer, float option)
{
    return askHost(HostOpcode::vendorSpecific, index, value, pointer, option, 0);
}

int32_t EffectBase::canHostDo(char* text)
{
    return static_cast<int32_t>(askHost(HostOpcode::canDo, 0, 0, text, 0.0f, 0));
}

void EffectBase::isSynth(bool state) { setFlag(EffectFlag::isSynth, state); }
void EffectBase::noTail(bool state) { setFlag(EffectFlag::noSoundInStop, state); }

int32_t EffectBase::getHostLanguage()
{
    return static_cast<int32_t>(askHost(HostOpcode::getLanguage, 0, 0, nullptr, 0.0f, 0));
}

intptr_t EffectBase::openWindow(void* window) { return askHost(HostOpcode::openWindow, 0, 0, window, 0.0f, 0); }

bool EffectBase::closeWindow(void* window)
{
    return askHost(HostOpcode::closeWindow, 0, 0, window, 0.0f, 0) != 0;
}

intptr_t EffectBase::getDirectory() { return askHost(HostOpcode::getDirectory, 0, 0, nullptr, 0.0f, 0); }
bool EffectBase::updateDisplay() { return askHost(HostOpcode::updateDisplay, 0, 0, nullptr, 0.0f, 0) != 0; }

bool EffectBase::processVariableIo(void*) { return false; }
bool EffectBase::setSpeakerArrangement(void*, void*) { return false; }

bool EffectBase::getSpeakerArrangement(void** input, void** output)
{
    if (input != nullptr) {
        *input = nullptr;
    }
    if (output != nullptr) {
        *output = nullptr;
    }
    return false;
}

// Through the plug-in's own setters, as the separate block size and sample
// rate requests go, so that its processing runs at the rate it reports.
void EffectBase::setBlockSizeAndSampleRate(int32_t frames, float sampleRateHz)
{
    setBlockSize(frames);
    if (isUsableSampleRate(sampleRateHz)) {
        setSampleRate(sampleRateHz);
    }
}

bool EffectBase::setBypass(bool) { return false; }
bool EffectBase::getEffectName(char* name) { return copyIdentityText(name, identity, &PluginIdentity::effectName); }
bool EffectBase::getErrorText(char*) { return false; }

bool EffectBase::getVendorString(char* text)
{
    return copyIdentityText(text, identity, &PluginIdentity::vendorName);
}

bool EffectBase::getProductString(char* text)
{
    return copyIdentityText(text, identity, &PluginIdentity::productName);
}

int32_t EffectBase::getVendorVersion() { return identity != nullptr ? identity->vendorVersion : 0; }
intptr_t EffectBase::vendorSpecific(int32_t, intptr_t, void*, float) { return 0; }
intptr_t EffectBase::canDo(char*) { return 0; }
void* EffectBase::getIcon() { return nullptr; }
bool EffectBase::setViewPosition(int32_t, int32_t) { return false; }
int32_t EffectBase::getTailSize() { return 0; }
int32_t EffectBase::fxIdle() { return 0; }
bool EffectBase::getParameterProperties(int32_t, void*) { return false; }
bool EffectBase::keysRequired() { return false; }
int32_t EffectBase::getInterfaceVersion() { return kInterfaceVersion; }

int32_t EffectBase::getMidiProgramName(int32_t, void*) { return 0; }
int32_t EffectBase::getCurrentMidiProgram(int32_t, void*) { return -1; }
int32_t EffectBase::getMidiProgramCategory(int32_t, void*) { return 0; }
bool EffectBase::hasMidiProgramsChanged(int32_t) { return false; }
bool EffectBase::getMidiKeyName(int32_t, void*) { return false; }
bool EffectBase::beginSetProgram() { return false; }
bool EffectBase::endSetProgram() { return false; }

bool EffectBase::beginEdit(int32_t index) { return askHost(HostOpcode::beginEdit, index, 0, nullptr, 0.0f, 0) != 0; }
bool EffectBase::endEdit(int32_t index) { return askHost(HostOpcode::endEdit, index, 0, nullptr, 0.0f, 0) != 0; }

bool EffectBase::openFileSelector(void* selector)
{
    return selector != nullptr && askHost(HostOpcode::openFileSelector, 0, 0, selector, 0.0f, 0) != 0;
}

int32_t EffectBase::setTotalSamplesToProcess(int32_t value) { return value; }
int32_t EffectBase::getNextShellPlugin(char*) { return 0; }
int32_t EffectBase::startProcess() { return 0; }
int32_t EffectBase::stopProcess() { return 0; }
bool EffectBase::setPanLaw(int32_t, float) { return false; }
int32_t EffectBase::beginLoadBank(void*) { return 0; }
int32_t EffectBase::beginLoadProgram(void*) { return 0; }

bool EffectBase::allocateArrangement(void** arrangement, int32_t numChannels)
{
    if (arrangement == nullptr || numChannels < 0) {
        return false;
    }
    std::free(*arrangement);
    const size_t bytes = kArrangementHeaderBytes + kSpeakerBytes * static_cast<size_t>(numChannels);
    *arrangement = std::calloc(1, bytes);
    if (*arrangement == nullptr) {
        return false;
    }
    std::memcpy(static_cast<char*>(*arrangement) + 4, &numChannels, sizeof numChannels);
    return true;
}

bool EffectBase::deallocateArrangement(void** arrangement)
{
    if (arrangement == nullptr) {
        return false;
    }
    std::free(*arrangement);
    *arrangement = nullptr;
    return true;
}

bool EffectBase::copySpeaker(void* to, const void* from)
{
    if (to == nullptr || from == nullptr) {
        return false;
    }
    std::memcpy(to, from, kSpeakerBytes);
    return true;
}

bool EffectBase::matchArrangement(void** to, const void* from)
{
    if (to == nullptr || from == nullptr) {
        return false;
    }
    int32_t numChannels = 0;
    std::memcpy(&numChannels, static_cast<const char*>(from) + 4, sizeof numChannels);
    if (!allocateArrangement(to, numChannels)) {
        return false;
    }
    std::memcpy(*to, from, kArrangementHeaderBytes + kSpeakerBytes * static_cast<size_t>(numChannels));
    return true;
}

}  // namespace fendwick

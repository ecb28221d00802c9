// The base of every plug-in object: owns the effect record the host holds,
// turns its plain entry points into virtual operations and answers every
// host request with a default that the plug-ins override where they differ.
#pragma once

#include "display_values.h"
#include "parameter_table.h"
#include "plugin_identity.h"
#include "program_bank.h"
#include "vst2_abi.h"

#include <cstdint>

namespace fendwick {

class PluginEditor;

// A rate the host may set: finite and positive; anything else is ignored.
inline bool isUsableSampleRate(float sampleRateHz)
{
    return sampleRateHz > 0.0f && sampleRateHz <= 3.4e38f;
}

// One object per plug-in instance, created by the library's entry and
// deleted by the host's close request. The host calls the processing entries
// on its audio thread and everything else on its other threads; nothing here
// takes a lock.
//
// A family described by tables (its identity, parameter rows and factory
// programs) gets the whole parameter and program model from here and only
// applies values to its processing in applyParameter; it selects its first
// program once its processing is set up.
class EffectBase {
public:
    EffectBase(HostCallback hostCallback, int32_t numPrograms, int32_t numParams);
    EffectBase(HostCallback hostCallback, const PluginIdentity& identityRow, ParameterTable table,
               ProgramBank factoryPrograms);
    virtual ~EffectBase();
    // Display values (meters): the processing publishes a reading, which the
    // editor is told of at once and draws at its next idle; any thread reads
    // it back. Indexes outside the family's run (displayValues) are ignored
    // and read as 0.
    virtual void setDisplayValue(int32_t index, float value);
    virtual float getDisplayValue(int32_t index) const;
    // Hands every stored reading to `listener` as well (null: to nobody);
    // set while the host is not processing.
    void listenToDisplayValues(DisplayValueListener* listener) { displayValueListener = listener; }
    // The family's run of display value indexes; empty when it has none.
    int32_t firstDisplayValue() const { return displayValues.first(); }
    int32_t displayValueCount() const { return displayValues.count(); }

    EffectBase(const EffectBase&) = delete;
    EffectBase& operator=(const EffectBase&) = delete;

    EffectRecord* effectRecord() { return &record; }
    static EffectBase* fromRecord(EffectRecord* effect);

    // Parameters and processing.
    virtual void setParameter(int32_t index, float value);
    virtual float getParameter(int32_t index);
    virtual void setParameterAndNotify(int32_t index, float value);
    virtual void processAccumulate(float** inputs, float** outputs, int32_t sampleFrames) = 0;
    virtual void processReplace(float** inputs, float** outputs, int32_t sampleFrames);
    virtual intptr_t dispatch(int32_t opcode, int32_t index, intptr_t value, void* pointer, float option);

    virtual void open();
    virtual void close();

    // Programs and texts.
    virtual int32_t getProgram();
    virtual void setProgram(int32_t index);
    virtual void setProgramName(char* name);
    virtual void getProgramName(char* name);
    virtual void getParameterLabel(int32_t index, char* label);
    virtual void getParameterDisplay(int32_t index, char* text);
    virtual void getParameterName(int32_t index, char* name);
    virtual float getVu();
    virtual int32_t getChunk(void** data, bool isPreset);
    virtual int32_t setChunk(void* data, int32_t byteSize, bool isPreset);

    // Processing setup.
    virtual void setSampleRate(float sampleRateHz);
    virtual void setBlockSize(int32_t frames);
    virtual void suspend();
    virtual void resume();

    // The record's identity and flags.
    virtual void setUniqueId(int32_t id);
    virtual void setNumInputs(int32_t inputs);
    virtual void setNumOutputs(int32_t outputs);
    virtual void hasVu(bool state);
    virtual void hasClip(bool state);
    virtual void canMono(bool state);
    virtual void canProcessReplacing(bool state);
    virtual void programsAreChunks(bool state);
    virtual void setRealtimeQualities(int32_t qualities);
    virtual void setOfflineQualities(int32_t qualities);
    virtual void setInitialDelay(int32_t delayFrames);
    virtual float getSampleRate();
    virtual int32_t getBlockSize();

    // Questions to the host.
    virtual int32_t getHostVersion();
    virtual int32_t getCurrentUniqueId();
    virtual void hostIdle();
    virtual bool isInputConnected(int32_t input);
    virtual bool isOutputConnected(int32_t output);

    // Value texts of eight characters; a parameter row without a value type
    // shows its normalized value through formatValueText.
    virtual void dbToText(float value, char* text);
    virtual void hzToText(float samples, char* text);
    virtual void msToText(float samples, char* text);
    virtual void formatValueText(float value, char* text);
    virtual void integerToText(int32_t value, char* text);

    virtual PluginEditor* getEditor();

    virtual int32_t wantEvents(int32_t filter);
    virtual intptr_t getTimeInfo(int32_t filter);
    virtual int32_t tempoAt(int32_t position);
    virtual int32_t processEvents(void* events);
    virtual int32_t getNumAutomatableParameters();
    virtual int32_t getParameterQuantization();
    virtual bool canParameterBeAutomated(int32_t index);
    virtual bool stringToParameter(int32_t index, char* text);
    virtual float getChannelParameter(int32_t channel, int32_t index);
    virtual int32_t getNumCategories();
    virtual bool getProgramNameIndexed(int32_t category, int32_t index, char* name);
    virtual bool copyProgram(int32_t destination);
    virtual bool ioChanged();
    virtual bool needIdle();
    virtual bool sizeWindow(int32_t width, int32_t height);
    virtual float updateSampleRate();
    virtual int32_t updateBlockSize();
    virtual int32_t getInputLatency();
    virtual int32_t getOutputLatency();
    virtual intptr_t getPreviousPlug(int32_t input);
    virtual intptr_t getNextPlug(int32_t output);
    virtual void inputConnected(int32_t index, bool state);
    virtual void outputConnected(int32_t index, bool state);
    virtual bool getInputProperties(int32_t index, void* properties);
    virtual bool getOutputProperties(int32_t index, void* properties);
    virtual int32_t getPlugCategory();
    virtual int32_t willProcessReplacing();
    virtual int32_t getCurrentProcessLevel();
    virtual int32_t getAutomationState();
    virtual void wantAsyncOperation(bool state);
    virtual void hasExternalBuffer(bool state);
    virtual int32_t reportCurrentPosition();
    virtual float* reportDestinationBuffer();

    // Offline processing: asked of the host, never offered.
    virtual bool offlineRead(void* offline, int32_t option, bool readSource);
    virtual bool offlineWrite(void* offline, int32_t option);
    virtual bool offlineStart(void* audioFiles, int32_t numAudioFiles, int32_t numNewAudioFiles);
    virtual int32_t offlineGetCurrentPass();
    virtual int32_t offlineGetCurrentMetaPass();
    virtual bool offlineNotify(void* audioFiles, int32_t numAudioFiles, bool start);
    virtual bool offlinePrepare(void* offline, int32_t count);
    virtual bool offlineRun(void* offline, int32_t count);
    virtual int32_t getNumOfflinePasses();
    virtual int32_t getNumOfflineMetaPasses();

    virtual void setOutputSampleRate(float sampleRateHz);
    virtual intptr_t getInputSpeakerArrangement();
    virtual intptr_t getOutputSpeakerArrangement();
    virtual bool getHostVendorString(char* text);
    virtual bool getHostProductString(char* text);
    virtual int32_t getHostVendorVersion();
    virtual intptr_t hostVendorSpecific(int32_t index, intptr_t value, void* pointer, float option);
    virtual int32_t canHostDo(char* text);
    virtual void isSynth(bool state);
    virtual void noTail(bool state);
    virtual int32_t getHostLanguage();
    virtual intptr_t openWindow(void* window);
    virtual bool closeWindow(void* window);
    virtual intptr_t getDirectory();
    virtual bool updateDisplay();

    // Speaker arrangements and bypass: not offered.
    virtual bool processVariableIo(void* variableIo);
    virtual bool setSpeakerArrangement(void* input, void* output);
    virtual bool getSpeakerArrangement(void** input, void** output);
    virtual void setBlockSizeAndSampleRate(int32_t frames, float sampleRateHz);
    virtual bool setBypass(bool state);

    // Identity.
    virtual bool getEffectName(char* name);
    virtual bool getErrorText(char* text);
    virtual bool getVendorString(char* text);
    virtual bool getProductString(char* text);
    virtual int32_t getVendorVersion();
    virtual intptr_t vendorSpecific(int32_t index, intptr_t value, void* pointer, float option);
    virtual intptr_t canDo(char* text);
    virtual void* getIcon();
    virtual bool setViewPosition(int32_t x, int32_t y);
    virtual int32_t getTailSize();
    virtual int32_t fxIdle();
    virtual bool getParameterProperties(int32_t index, void* properties);
    virtual bool keysRequired();
    virtual int32_t getInterfaceVersion();

    // MIDI programs: none.
    virtual int32_t getMidiProgramName(int32_t channel, void* midiProgramName);
    virtual int32_t getCurrentMidiProgram(int32_t channel, void* currentProgram);
    virtual int32_t getMidiProgramCategory(int32_t channel, void* category);
    virtual bool hasMidiProgramsChanged(int32_t channel);
    virtual bool getMidiKeyName(int32_t channel, void* keyName);
    virtual bool beginSetProgram();
    virtual bool endSetProgram();

    // Edits around a mouse drag on a control, for the host's automation.
    virtual bool beginEdit(int32_t index);
    virtual bool endEdit(int32_t index);
    virtual bool openFileSelector(void* selector);

    virtual int32_t setTotalSamplesToProcess(int32_t value);
    virtual int32_t getNextShellPlugin(char* name);
    virtual int32_t startProcess();
    virtual int32_t stopProcess();
    virtual bool setPanLaw(int32_t type, float value);
    virtual int32_t beginLoadBank(void* bank);
    virtual int32_t beginLoadProgram(void* program);

    // Speaker-arrangement records: an 8-byte header and 112 bytes a speaker.
    virtual bool allocateArrangement(void** arrangement, int32_t numChannels);
    virtual bool deallocateArrangement(void** arrangement);
    virtual bool copySpeaker(void* to, const void* from);
    virtual bool matchArrangement(void** to, const void* from);

    // The editor registers itself here when it is constructed.
    void setEditor(PluginEditor* newEditor);
    // How many parameters the host sees: indexes 0 to this minus one.
    int32_t parameterCount() const { return numParams; }

protected:
    // Runs the setter of a parameter of the table, after set parameter has
    // written the value into the current program.
    virtual void applyParameter(int32_t index, float value);

    // Asks the host with the callback; `fallback` when there is none.
    intptr_t askHost(int32_t opcode, int32_t index, intptr_t value, void* pointer, float option,
                     intptr_t fallback);
    void setFlag(int32_t bit, bool state);

    float sampleRate = 44100.0f;
    PluginEditor* editor = nullptr;
    DisplayValues displayValues;  // none unless the family covers a run
    DisplayValueListener* displayValueListener = nullptr;
    HostCallback hostCallback;
    int32_t numPrograms;
    int32_t numParams;
    int32_t curProgram = 0;
    int32_t blockSize = 1024;
    EffectRecord record{};
    const PluginIdentity* identity = nullptr;  // null for a plug-in without tables
    ParameterTable parameterTable;
    ProgramBank programBank;

private:
    intptr_t dispatchBase(int32_t opcode, int32_t index, intptr_t value, void* pointer, float option);
    intptr_t dispatchExtended(int32_t opcode, int32_t index, intptr_t value, void* pointer, float option);
};

}  // namespace fendwick

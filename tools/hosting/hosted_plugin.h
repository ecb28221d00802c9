// One plug-in instance driven through its effect record exactly as a host drives it.
#pragma once

#include "vst2_abi.h"
#include "host_request.h"
#include "plugin_library.h"

#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace fendwick {

// Creates an instance through the library's entry and owns it until
// destruction, which suspends it if it is running and sends close. The
// library must outlive the instance.
//
// With the default constructor the host callback answers every request a
// plug-in may send (interface version 2300, automation notice, begin and end
// edit, idle, sample rate, block size, ...) and records each one; tests read
// the list with requests() and empty it with clearRequests(). A caller-given
// callback answers instead and nothing is recorded.
//
// Lifecycle as a host runs it: open, setSampleRate, setBlockSize, resume,
// process calls, suspend; prepare() does the first four in that order.
// Processing is meant for one thread; requests may come from any thread.
class HostedPlugin {
public:
    // Throws `HostingError` when the entry returns null or a record without
    // the effect magic.
    explicit HostedPlugin(const PluginLibrary& library);
    HostedPlugin(const PluginLibrary& library, HostCallback callback);
    // An instance from an entry linked into this program (named for
    // messages), driven and recorded as any other.
    HostedPlugin(PluginEntry entry, const std::string& name);
    ~HostedPlugin();
    HostedPlugin(const HostedPlugin&) = delete;
    HostedPlugin& operator=(const HostedPlugin&) = delete;

    EffectRecord& record() const { return *effect_; }

    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* pointer = nullptr,
                      float option = 0.0f);
    void setParameter(int32_t index, float value) { effect_->setParameter(effect_, index, value); }
    float getParameter(int32_t index) { return effect_->getParameter(effect_, index); }
    void processReplacing(float** inputs, float** outputs, int32_t frames)
    {
        effect_->processReplacing(effect_, inputs, outputs, frames);
    }
    void processAccumulating(float** inputs, float** outputs, int32_t frames)
    {
        effect_->processAccumulating(effect_, inputs, outputs, frames);
    }

    // Counts and identity read from the record.
    int32_t numInputs() const { return effect_->numInputs; }
    int32_t numOutputs() const { return effect_->numOutputs; }
    int32_t numParameters() const { return effect_->numParams; }
    int32_t numPrograms() const { return effect_->numPrograms; }
    int32_t flags() const { return effect_->flags; }
    int32_t uniqueId() const { return effect_->uniqueId; }
    int32_t version() const { return effect_->version; }
    int32_t initialDelay() const { return effect_->initialDelay; }
    bool canReplace() const { return (effect_->flags & EffectFlag::canReplace) != 0; }

    // Texts asked through the dispatcher, into generous zeroed buffers so that
    // a plug-in writing past the nominal bound cannot hurt the host.
    std::string effectName();
    std::string vendorString();
    std::string productString();
    int32_t vendorVersion();
    std::string parameterName(int32_t index);
    std::string parameterLabel(int32_t index);
    std::string parameterDisplay(int32_t index);
    std::string programName();
    // The name of program `index` without selecting it; nothing when the
    // plug-in refuses the request.
    std::optional<std::string> programNameAt(int32_t index);
    int32_t program();
    void setProgram(int32_t index);

    // The host sequence.
    void open();
    void setSampleRate(float sampleRateHz);
    void setBlockSize(int32_t frames);
    void resume();
    void suspend();
    void prepare(float sampleRateHz, int32_t blockSize);
    bool running() const { return running_; }

    float sampleRate() const { return sampleRateHz_; }
    int32_t blockSize() const { return blockSize_; }

    std::vector<HostRequest> requests() const;
    void clearRequests();

private:
    static intptr_t hostCallback(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value,
                                 void* pointer, float option);
    intptr_t answer(int32_t opcode, int32_t index, intptr_t value, void* pointer, float option);
    void create(PluginEntry entry, const std::string& source, const std::string& entryName, HostCallback callback);
    std::string text(int32_t opcode, int32_t index);

    EffectRecord* effect_ = nullptr;
    bool running_ = false;
    float sampleRateHz_ = 44100.0f;
    int32_t blockSize_ = 1024;
    mutable std::mutex requestsLock_;
    std::vector<HostRequest> requests_;
};

}  // namespace fendwick

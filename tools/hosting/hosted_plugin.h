// One plug-in instance driven through its effect record exactly as a host drives it.
#pragma once

#include "vst2_abi.h"
#include "host_request.h"
#include "plugin_call_scope.h"
#include "plugin_library.h"
#include "request_log.h"

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
// the latest kKeptRequests with requests(), count all with requestCount()
// and empty the record with clearRequests(). A caller-given callback answers
// instead and nothing is recorded.
//
// A plug-in is trusted with nothing: creation refuses counts no host could
// list (see kMostParameters), texts come back cut to the interface's bounds
// whatever the plug-in wrote, and every call into plug-in code runs in a
// PluginCallScope, so that a plug-in's exit() is reported as such.
//
// Lifecycle as a host runs it: open, setSampleRate, setBlockSize, resume,
// process calls, suspend; prepare() does the first four in that order.
// Processing is meant for one thread; requests may come from any thread.
class HostedPlugin {
public:
    // Enough for every request of a host sequence or an editor drag; a
    // plug-in calling in every sample of a render outruns any record.
    static constexpr size_t kKeptRequests = 4096;
    // Far above any real plug-in's count (ours have at most 36 parameters and
    // 32 programs), far below the millions that would keep a listing busy.
    static constexpr int32_t kMostParameters = 10000;
    static constexpr int32_t kMostPrograms = 10000;

    // Throws `HostingError` when the entry returns null, a record without
    // the effect magic, or counts beyond kMostParameters or kMostPrograms.
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
    void setParameter(int32_t index, float value)
    {
        const PluginCallScope scope("setting a parameter");
        effect_->setParameter(effect_, index, value);
    }
    float getParameter(int32_t index)
    {
        const PluginCallScope scope("reading a parameter");
        return effect_->getParameter(effect_, index);
    }
    void processReplacing(float** inputs, float** outputs, int32_t frames)
    {
        const PluginCallScope scope("processing audio");
        effect_->processReplacing(effect_, inputs, outputs, frames);
    }
    void processAccumulating(float** inputs, float** outputs, int32_t frames)
    {
        const PluginCallScope scope("processing audio");
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

    // Texts asked through the dispatcher into a GuardedTextBuffer and cut to
    // the bound hosts keep of each (identity texts 32 or 64 characters,
    // program names 24, parameter texts 64). Throws `HostingError` when the
    // plug-in wrote past even that buffer.
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

    std::vector<HostRequest> requests() const { return requests_.recent(); }
    uint64_t requestCount() const { return requests_.total(); }
    void clearRequests() { requests_.clear(); }

private:
    static intptr_t hostCallback(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value,
                                 void* pointer, float option);
    intptr_t answer(int32_t opcode, int32_t index, intptr_t value, void* pointer, float option);
    void create(PluginEntry entry, const std::string& source, const std::string& entryName, HostCallback callback);
    // Asks for one text; answers the dispatcher's answer, the text in `text`.
    intptr_t askText(int32_t opcode, int32_t index, intptr_t value, std::string& text);
    std::string text(int32_t opcode, int32_t index);

    EffectRecord* effect_ = nullptr;
    bool running_ = false;
    float sampleRateHz_ = 44100.0f;
    int32_t blockSize_ = 1024;
    RequestLog requests_{kKeptRequests};
};

}  // namespace fendwick

// Creating, driving and closing one plug-in instance, and the host callback.
#include "hosted_plugin.h"

#include "hosting_error.h"
#include "instance_registry.h"
#include "plugin_library.h"

#include <array>
#include <cstring>

namespace fendwick {
namespace {

// Host texts for the plug-ins that ask who hosts them.
constexpr char kHostVendor[] = "Fendwick Dynamics";
constexpr char kHostProduct[] = "fendwick";
constexpr intptr_t kHostVendorVersion = 1000;
constexpr intptr_t kEnglish = 1;
constexpr intptr_t kAutomationOff = 1;
constexpr intptr_t kWillReplace = 1;
// Tempo answers are beats per minute times 10000.
constexpr intptr_t kTempo120 = 1200000;

// Far above every bound the interface names, so an overlong text stays inside.
constexpr size_t kTextBufferSize = 256;

intptr_t copyHostText(void* pointer, const char* text)
{
    if (pointer == nullptr) {
        return 0;
    }
    // Hosts hand over 64-byte buffers for these texts.
    constexpr size_t kHostTextSize = 64;
    std::strncpy(static_cast<char*>(pointer), text, kHostTextSize - 1);
    static_cast<char*>(pointer)[kHostTextSize - 1] = '\0';
    return 1;
}

}  // namespace

HostedPlugin::HostedPlugin(const PluginLibrary& library)
{
    create(library.entry(), library.path(), library.entryName(), &HostedPlugin::hostCallback);
}

HostedPlugin::HostedPlugin(const PluginLibrary& library, HostCallback callback)
{
    create(library.entry(), library.path(), library.entryName(), callback);
}

HostedPlugin::HostedPlugin(PluginEntry entry, const std::string& name)
{
    create(entry, name, "entry", &HostedPlugin::hostCallback);
}

void HostedPlugin::create(PluginEntry entry, const std::string& source, const std::string& entryName,
                          HostCallback callback)
{
    {
        const InstanceRegistry::Construction construction(this);
        effect_ = entry(callback);
    }
    if (effect_ == nullptr) {
        throw HostingError(source + ": the plug-in's entry " + entryName + " returned no instance (null)");
    }
    if (effect_->magic != kEffectMagic) {
        effect_ = nullptr;
        throw HostingError(source + ": the plug-in's entry returned a record without the VST 2 magic");
    }
    InstanceRegistry::add(effect_, this);
}

HostedPlugin::~HostedPlugin()
{
    if (running_) {
        suspend();
    }
    // Close deletes the plug-in's object; the record is invalid afterwards.
    effect_->dispatcher(effect_, EffectOpcode::close, 0, 0, nullptr, 0.0f);
    InstanceRegistry::remove(effect_);
}

intptr_t HostedPlugin::dispatch(int32_t opcode, int32_t index, intptr_t value, void* pointer, float option)
{
    return effect_->dispatcher(effect_, opcode, index, value, pointer, option);
}

std::string HostedPlugin::text(int32_t opcode, int32_t index)
{
    std::array<char, kTextBufferSize> buffer{};
    dispatch(opcode, index, 0, buffer.data());
    buffer.back() = '\0';
    return buffer.data();
}

std::string HostedPlugin::effectName() { return text(EffectOpcode::getEffectName, 0); }
std::string HostedPlugin::vendorString() { return text(EffectOpcode::getVendorString, 0); }
std::string HostedPlugin::productString() { return text(EffectOpcode::getProductString, 0); }
std::string HostedPlugin::parameterName(int32_t index) { return text(EffectOpcode::getParameterName, index); }
std::string HostedPlugin::parameterLabel(int32_t index) { return text(EffectOpcode::getParameterLabel, index); }
std::string HostedPlugin::programName() { return text(EffectOpcode::getProgramName, 0); }

std::string HostedPlugin::parameterDisplay(int32_t index)
{
    return text(EffectOpcode::getParameterDisplay, index);
}

int32_t HostedPlugin::vendorVersion()
{
    return static_cast<int32_t>(dispatch(EffectOpcode::getVendorVersion));
}

std::optional<std::string> HostedPlugin::programNameAt(int32_t index)
{
    std::array<char, kTextBufferSize> buffer{};
    // The category (value) is -1: any category.
    if (dispatch(EffectOpcode::getProgramNameIndexed, index, -1, buffer.data()) == 0) {
        return std::nullopt;
    }
    buffer.back() = '\0';
    return std::string(buffer.data());
}

int32_t HostedPlugin::program()
{
    return static_cast<int32_t>(dispatch(EffectOpcode::getProgram));
}

void HostedPlugin::setProgram(int32_t index)
{
    dispatch(EffectOpcode::setProgram, 0, index);
}

void HostedPlugin::open()
{
    dispatch(EffectOpcode::open);
}

void HostedPlugin::setSampleRate(float sampleRateHz)
{
    sampleRateHz_ = sampleRateHz;
    dispatch(EffectOpcode::setSampleRate, 0, 0, nullptr, sampleRateHz);
}

void HostedPlugin::setBlockSize(int32_t frames)
{
    blockSize_ = frames;
    dispatch(EffectOpcode::setBlockSize, 0, frames);
}

void HostedPlugin::resume()
{
    dispatch(EffectOpcode::mainsChanged, 0, 1);
    running_ = true;
}

void HostedPlugin::suspend()
{
    dispatch(EffectOpcode::mainsChanged, 0, 0);
    running_ = false;
}

void HostedPlugin::prepare(float sampleRateHz, int32_t blockSize)
{
    open();
    setSampleRate(sampleRateHz);
    setBlockSize(blockSize);
    resume();
}

std::vector<HostRequest> HostedPlugin::requests() const
{
    const std::lock_guard<std::mutex> guard(requestsLock_);
    return requests_;
}

void HostedPlugin::clearRequests()
{
    const std::lock_guard<std::mutex> guard(requestsLock_);
    requests_.clear();
}

intptr_t HostedPlugin::hostCallback(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value,
                                    void* pointer, float option)
{
    HostedPlugin* instance = InstanceRegistry::find(effect);
    if (instance == nullptr) {
        // A request from an instance we no longer (or never) hosted: only
        // the version question has an answer that matters.
        return opcode == HostOpcode::version ? kInterfaceVersion : 0;
    }
    return instance->answer(opcode, index, value, pointer, option);
}

intptr_t HostedPlugin::answer(int32_t opcode, int32_t index, intptr_t value, void* pointer, float option)
{
    {
        const std::lock_guard<std::mutex> guard(requestsLock_);
        requests_.push_back(HostRequest{opcode, index, value, option});
    }
    switch (opcode) {
    case HostOpcode::version:
        return kInterfaceVersion;
    case HostOpcode::getSampleRate:
        return static_cast<intptr_t>(sampleRateHz_);
    case HostOpcode::getBlockSize:
        return blockSize_;
    case HostOpcode::tempoAt:
        return kTempo120;
    case HostOpcode::willReplaceOrAccumulate:
        return kWillReplace;
    case HostOpcode::getAutomationState:
        return kAutomationOff;
    case HostOpcode::getVendorString:
        return copyHostText(pointer, kHostVendor);
    case HostOpcode::getProductString:
        return copyHostText(pointer, kHostProduct);
    case HostOpcode::getVendorVersion:
        return kHostVendorVersion;
    case HostOpcode::getLanguage:
        return kEnglish;
    case HostOpcode::beginEdit:
    case HostOpcode::endEdit:
    case HostOpcode::updateDisplay:
        return 1;
    default:
        // Automation notices, idle, and everything this host does not offer
        // (time information, windows, offline work, capabilities) answer 0;
        // pin-connected answers 0 too, which means connected.
        return 0;
    }
}

}  // namespace fendwick

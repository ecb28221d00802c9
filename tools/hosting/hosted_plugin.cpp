// Creating, driving and closing one plug-in instance, and the host callback.
#include "hosted_plugin.h"

#include "guarded_text_buffer.h"
#include "hosting_error.h"
#include "instance_registry.h"
#include "plugin_library.h"

#include <algorithm>
#include <cstring>
#include <iterator>

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

// A text request: what messages call it and the most characters hosts
// keep of it. The interface bounds parameter texts at 8 characters, but
// plug-ins write longer names and hosts show them whole, so those keep as
// much as a label may hold.
struct TextBound {
    int32_t opcode;
    const char* name;
    size_t mostCharacters;
};

constexpr TextBound kTextBounds[] = {
    {EffectOpcode::getEffectName, "effect name", 32},
    {EffectOpcode::getVendorString, "vendor string", 64},
    {EffectOpcode::getProductString, "product string", 64},
    {EffectOpcode::getProgramName, "program name", 24},
    {EffectOpcode::getProgramNameIndexed, "program name", 24},
    {EffectOpcode::getParameterName, "parameter name", 64},
    {EffectOpcode::getParameterLabel, "parameter label", 64},
    {EffectOpcode::getParameterDisplay, "parameter display text", 64},
};

// The bound of a text request. Every text the host asks for has a row; any
// other opcode would get the last.
const TextBound& boundOf(int32_t opcode)
{
    return *std::find_if(std::begin(kTextBounds), std::end(kTextBounds) - 1,
                         [opcode](const TextBound& bound) { return bound.opcode == opcode; });
}

// Why the host refuses the counts of `effect`; empty when they are sane.
std::string absurdCount(const EffectRecord& effect)
{
    const auto outside = [](int32_t count, int32_t most) { return count < 0 || count > most; };
    if (outside(effect.numParams, HostedPlugin::kMostParameters)) {
        return "the plug-in reports " + std::to_string(effect.numParams) + " parameters; fendwick takes 0 to " +
               std::to_string(HostedPlugin::kMostParameters);
    }
    if (outside(effect.numPrograms, HostedPlugin::kMostPrograms)) {
        return "the plug-in reports " + std::to_string(effect.numPrograms) + " programs; fendwick takes 0 to " +
               std::to_string(HostedPlugin::kMostPrograms);
    }
    return {};
}

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
    PluginCallScope::armWatch();
    {
        const InstanceRegistry::Construction construction(this);
        const PluginCallScope scope("creating its instance");
        effect_ = entry(callback);
    }
    if (effect_ == nullptr) {
        throw HostingError(source + ": the plug-in's entry " + entryName + " returned no instance (null)");
    }
    if (effect_->magic != kEffectMagic) {
        effect_ = nullptr;
        throw HostingError(source + ": the plug-in's entry returned a record without the VST 2 magic");
    }
    if (const std::string refusal = absurdCount(*effect_); !refusal.empty()) {
        dispatch(EffectOpcode::close);
        effect_ = nullptr;
        throw HostingError(source + ": " + refusal);
    }
    InstanceRegistry::add(effect_, this);
}

HostedPlugin::~HostedPlugin()
{
    if (running_) {
        suspend();
    }
    // Close deletes the plug-in's object; the record is invalid afterwards.
    dispatch(EffectOpcode::close);
    InstanceRegistry::remove(effect_);
}

intptr_t HostedPlugin::dispatch(int32_t opcode, int32_t index, intptr_t value, void* pointer, float option)
{
    const PluginCallScope scope("answering a host request");
    return effect_->dispatcher(effect_, opcode, index, value, pointer, option);
}

intptr_t HostedPlugin::askText(int32_t opcode, int32_t index, intptr_t value, std::string& text)
{
    GuardedTextBuffer buffer;
    const intptr_t answer = dispatch(opcode, index, value, buffer.data());
    const TextBound& bound = boundOf(opcode);
    if (buffer.overrun()) {
        throw HostingError("the plug-in wrote more than " + std::to_string(GuardedTextBuffer::kSize) +
                           " bytes for its " + bound.name + " (" + std::to_string(index) + ")");
    }
    text = buffer.text(bound.mostCharacters);
    return answer;
}

std::string HostedPlugin::text(int32_t opcode, int32_t index)
{
    std::string answered;
    askText(opcode, index, 0, answered);
    return answered;
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
    // The category (value) is -1: any category.
    std::string name;
    if (askText(EffectOpcode::getProgramNameIndexed, index, -1, name) == 0) {
        return std::nullopt;
    }
    return name;
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
    requests_.record(HostRequest{opcode, index, value, option});
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

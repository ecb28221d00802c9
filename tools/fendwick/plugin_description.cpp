// Reading a plug-in's identity, parameters and programs.
#include "plugin_description.h"

#include "plugin_settings.h"
#include "hosted_plugin.h"

#include <utility>

namespace fendwick {
namespace {

constexpr std::pair<int32_t, const char*> kFlagNames[] = {
    {EffectFlag::hasEditor, "hasEditor"},         {EffectFlag::hasClip, "hasClip"},
    {EffectFlag::hasVu, "hasVu"},                 {EffectFlag::canMono, "canMono"},
    {EffectFlag::canReplace, "canReplace"},       {EffectFlag::programChunks, "programChunks"},
    {EffectFlag::isSynth, "isSynth"},             {EffectFlag::noSoundInStop, "noSoundInStop"},
    {EffectFlag::asyncOperation, "asyncOperation"}, {EffectFlag::externalBuffer, "externalBuffer"},
};

}  // namespace

PluginDescription describePlugin(HostedPlugin& plugin, const std::string& path)
{
    PluginDescription description;
    description.path = path;
    description.name = plugin.effectName();
    description.vendor = plugin.vendorString();
    description.product = plugin.productString();
    description.uniqueId = plugin.uniqueId();
    description.version = plugin.version();
    description.vendorVersion = plugin.vendorVersion();
    description.inputs = plugin.numInputs();
    description.outputs = plugin.numOutputs();
    description.flags = plugin.flags();
    description.initialDelay = plugin.initialDelay();
    description.programs = programNames(plugin);
    description.currentProgram = plugin.program();
    for (int32_t i = 0; i < plugin.numParameters(); ++i) {
        description.parameters.push_back(ParameterDescription{
            i, plugin.parameterName(i), plugin.parameterLabel(i), plugin.getParameter(i), plugin.parameterDisplay(i)});
    }
    return description;
}

std::string uniqueIdText(int32_t uniqueId)
{
    static constexpr char kHex[] = "0123456789abcdef";
    const auto bits = static_cast<uint32_t>(uniqueId);
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto byte = static_cast<unsigned char>((bits >> shift) & 0xFFu);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            text += static_cast<char>(byte);
        } else {
            text += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 0xF];
        }
    }
    return text;
}

std::vector<std::string> flagNames(int32_t flags)
{
    std::vector<std::string> names;
    auto remaining = static_cast<uint32_t>(flags);
    for (const auto& flag : kFlagNames) {
        if ((remaining & static_cast<uint32_t>(flag.first)) != 0) {
            names.emplace_back(flag.second);
            remaining &= ~static_cast<uint32_t>(flag.first);
        }
    }
    for (int bit = 0; bit < 32; ++bit) {
        if ((remaining & (1u << bit)) != 0) {
            names.push_back("bit" + std::to_string(bit));
        }
    }
    return names;
}

}  // namespace fendwick

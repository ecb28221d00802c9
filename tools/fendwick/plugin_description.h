// Everything `info` shows about a plug-in, read through the host interface.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fendwick {

class HostedPlugin;

struct ParameterDescription {
    int32_t index = 0;
    std::string name;
    std::string label;
    float value = 0.0f;
    std::string display;
};

struct PluginDescription {
    std::string path;
    std::string name;
    std::string vendor;
    std::string product;
    int32_t uniqueId = 0;
    int32_t version = 0;
    int32_t vendorVersion = 0;
    int32_t inputs = 0;
    int32_t outputs = 0;
    int32_t flags = 0;
    int32_t initialDelay = 0;
    int32_t currentProgram = 0;
    std::vector<ParameterDescription> parameters;
    std::vector<std::string> programs;
};

PluginDescription describePlugin(HostedPlugin& plugin, const std::string& path);

// The four characters of a unique ID, first character from the top byte;
// bytes outside printable ASCII appear as \xNN.
std::string uniqueIdText(int32_t uniqueId);

// The names of the set flag bits ("hasEditor", "canMono", ...); unnamed bits as "bitN".
std::vector<std::string> flagNames(int32_t flags);

}  // namespace fendwick

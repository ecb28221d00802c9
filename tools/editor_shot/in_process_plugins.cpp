// The plug-ins of ours linked into the tool.
#include "in_process_plugins.h"

#include "in_process_table.h"

namespace fendwick {

PluginEntry inProcessEntry(const std::string& name)
{
    for (size_t i = 0; i < kInProcessPluginCount; ++i) {
        if (name == kInProcessPlugins[i].name) {
            return kInProcessPlugins[i].entry;
        }
    }
    return nullptr;
}

std::vector<std::string> inProcessPluginNames()
{
    std::vector<std::string> names;
    for (size_t i = 0; i < kInProcessPluginCount; ++i) {
        names.emplace_back(kInProcessPlugins[i].name);
    }
    return names;
}

}  // namespace fendwick

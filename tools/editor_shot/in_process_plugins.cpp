// The plug-ins of ours linked into the tool.
#include "in_process_plugins.h"

#include "ascarell_effect.h"
#include "plugin_entry.h"

namespace fendwick {

namespace {

EffectRecord* createAscarell(HostCallback callback)
{
    return createEffect<AscarellEffect>(callback, AscarellChannels::stereo);
}

EffectRecord* createAscarellMono(HostCallback callback)
{
    return createEffect<AscarellEffect>(callback, AscarellChannels::mono);
}

struct InProcessPlugin {
    const char* name;
    PluginEntry entry;
};

const InProcessPlugin kPlugins[] = {
    {"ascarell", createAscarell},
    {"ascarell_mono", createAscarellMono},
};

}  // namespace

PluginEntry inProcessEntry(const std::string& name)
{
    for (const InProcessPlugin& plugin : kPlugins) {
        if (name == plugin.name) {
            return plugin.entry;
        }
    }
    return nullptr;
}

std::vector<std::string> inProcessPluginNames()
{
    std::vector<std::string> names;
    for (const InProcessPlugin& plugin : kPlugins) {
        names.emplace_back(plugin.name);
    }
    return names;
}

}  // namespace fendwick

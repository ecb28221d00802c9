// A plug-in library together with one instance of it, torn down in the right order.
#pragma once

#include "hosted_plugin.h"
#include "plugin_library.h"
#include "plugin_locator.h"

#include <string>

namespace fendwick {

// Loads `nameOrPath` (a deliverable name of ours or a path, see
// resolvePluginPath) and creates one instance with the recording host
// callback. The instance is closed before the library is unloaded.
class LoadedPlugin {
public:
    explicit LoadedPlugin(const std::string& nameOrPath, const std::string& pluginDir = {})
        : library_(resolvePluginPath(nameOrPath, pluginDir)), plugin_(library_)
    {
    }

    const PluginLibrary& library() const { return library_; }
    HostedPlugin& plugin() { return plugin_; }

private:
    PluginLibrary library_;
    HostedPlugin plugin_;
};

}  // namespace fendwick

// The plug-ins of ours linked into the tool, so that their editors can be
// drawn without a window system.
#pragma once

#include "plugin_library.h"

#include <string>
#include <vector>

namespace fendwick {

// The entry of the named deliverable ("ascarell"); null for any other name.
PluginEntry inProcessEntry(const std::string& name);

// Every deliverable name inProcessEntry knows, in order.
std::vector<std::string> inProcessPluginNames();

}  // namespace fendwick

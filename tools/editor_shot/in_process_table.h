// The table of our plug-ins linked into the tool, one row per plug-in the
// build adds; the build writes the rows.
#pragma once

#include "plugin_library.h"

#include <cstddef>

namespace fendwick {

struct InProcessPlugin {
    const char* name;  // the deliverable name ("ascarell")
    PluginEntry entry;
};

extern const InProcessPlugin kInProcessPlugins[];
extern const size_t kInProcessPluginCount;

}  // namespace fendwick

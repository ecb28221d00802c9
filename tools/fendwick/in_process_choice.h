// Choosing one of our plug-ins linked into the tool by the name a user gives.
#pragma once

#include "plugin_library.h"

#include <string>

namespace fendwick {

// The in-process entry of the plug-in of ours that `operand` names
// ("tolverin", or a path ending in tolverin.so). Otherwise throws
// `ToolError` with `refusal` ("shot draws the editors of ours only"), the
// names there are and the operand.
PluginEntry inProcessEntryFor(const std::string& operand, const std::string& refusal);

}  // namespace fendwick

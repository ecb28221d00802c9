// Choosing one of our plug-ins linked into the tool.
#include "in_process_choice.h"

#include "in_process_plugins.h"
#include "plugin_locator.h"
#include "tool_error.h"

namespace fendwick {

PluginEntry inProcessEntryFor(const std::string& operand, const std::string& refusal)
{
    const PluginEntry entry = inProcessEntry(pluginNameOfPath(operand));
    if (entry == nullptr) {
        std::string names;
        for (const std::string& name : inProcessPluginNames()) {
            names += (names.empty() ? "" : ", ") + name;
        }
        throw ToolError(refusal + " (" + names + "), not \"" + operand + "\"");
    }
    return entry;
}

}  // namespace fendwick

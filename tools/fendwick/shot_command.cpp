// fendwick shot: draws a plug-in's editor without a display and saves it as PNG.
#include "editor_picture.h"
#include "command_line.h"
#include "commands.h"
#include "pending_output_file.h"
#include "plugin_settings.h"
#include "tool_error.h"
#include "usage_error.h"
#include "hosted_plugin.h"
#include "plugin_locator.h"
#include "in_process_plugins.h"

#include <iostream>

namespace fendwick {

namespace {

std::string knownNames()
{
    std::string names;
    for (const std::string& name : inProcessPluginNames()) {
        names += (names.empty() ? "" : ", ") + name;
    }
    return names;
}

}  // namespace

int runShot(const std::vector<std::string>& arguments)
{
    const CommandLine line(arguments, {{"program", true}, {"set", true}});
    if (line.operands().size() != 2) {
        throw UsageError("shot needs PLUGIN OUT.png");
    }
    const std::string name = pluginNameOfPath(line.operands()[0]);
    const std::string& outPath = line.operands()[1];
    const PluginEntry entry = inProcessEntry(name);
    if (entry == nullptr) {
        throw ToolError("shot draws the editors of ours only (" + knownNames() + "), not \"" +
                        line.operands()[0] + "\"");
    }

    HostedPlugin plugin(entry, name);
    plugin.open();
    if (const std::optional<std::string> program = line.value("program")) {
        plugin.setProgram(findProgram(plugin, *program));
    }
    for (const std::string& assignment : line.values("set")) {
        applySetting(plugin, assignment);
    }
    const PixelSurface picture = drawEditor(plugin);

    PendingOutputFile pending(outPath);
    writePng(picture, pending.descriptor(), outPath);
    pending.commit();
    // With the picture on standard output, the note about it goes to standard error.
    (pending.toStandardOutput() ? std::cerr : std::cout) << outPath << ": " << plugin.effectName() << " editor, " << picture.width << " x " << picture.height
              << ", program " << plugin.program() << " \"" << plugin.programName() << "\"\n";
    return 0;
}

}  // namespace fendwick

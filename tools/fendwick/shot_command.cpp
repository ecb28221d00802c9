// fendwick shot: draws a plug-in's editor without a display and saves it as PNG.
#include "editor_picture.h"
#include "command_line.h"
#include "commands.h"
#include "file_processing.h"
#include "in_process_choice.h"
#include "pending_output_file.h"
#include "plugin_settings.h"
#include "sound_file.h"
#include "usage_error.h"
#include "hosted_plugin.h"
#include "plugin_locator.h"

#include <cmath>
#include <iostream>

namespace fendwick {

namespace {

// Blocks as a host commonly sends them; the meters end where they would in any block size.
constexpr int kInputBlockSize = 512;

}  // namespace

int runShot(const std::vector<std::string>& arguments)
{
    const CommandLine line(arguments, {{"program", true}, {"set", true}, {"input", true}, {"until", true}});
    if (line.operands().size() != 2) {
        throw UsageError("shot needs PLUGIN OUT.png");
    }
    const std::string name = pluginNameOfPath(line.operands()[0]);
    const std::string& outPath = line.operands()[1];
    const PluginEntry entry = inProcessEntryFor(line.operands()[0], "shot draws the editors of ours only");
    std::optional<SoundFile> input;
    if (const std::optional<std::string> inPath = line.value("input")) {
        input.emplace(SoundFile::openForReading(*inPath));
    } else if (line.value("until")) {
        throw UsageError("--until needs --input");
    }

    HostedPlugin plugin(entry, name);
    plugin.open();
    if (input) {
        plugin.setSampleRate(static_cast<float>(input->sampleRate()));
        plugin.setBlockSize(kInputBlockSize);
    }
    if (const std::optional<std::string> program = line.value("program")) {
        plugin.setProgram(findProgram(plugin, *program));
    }
    for (const std::string& assignment : line.values("set")) {
        applySetting(plugin, assignment);
    }
    if (input) {
        // Left running: a suspend would bring the meters back to rest before the picture.
        plugin.resume();
        const double seconds = line.number("until", 1e9, 0.0, 1e9);
        const auto frameLimit = static_cast<uint64_t>(std::llround(seconds * input->sampleRate()));
        processFile(plugin, *input, kInputBlockSize, {}, frameLimit);
    }
    const PixelSurface picture = drawEditor(plugin);

    PendingOutputFile pending(outPath);
    writePng(picture, pending.descriptor(), outPath);
    pending.commit();
    // With the picture on standard output, the note about it goes to standard error.
    (pending.toStandardOutput() ? std::cerr : std::cout) << outPath << ": " << plugin.effectName() << " editor, " << picture.width << " x " << picture.height
              << ", program " << plugin.program() << " \"" << plugin.programName() << "\""
              << (input ? ", after " + std::to_string(input->framesRead()) + " frames of " + *line.value("input") : "")
              << "\n";
    return 0;
}

}  // namespace fendwick

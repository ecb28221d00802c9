// `fendwick render` of the Windows build: a WAV file through a plug-in into a 32-bit float WAV file.
#include "block_processing.h"
#include "channel_routing.h"
#include "command_line.h"
#include "commands.h"
#include "loaded_plugin.h"
#include "plugin_settings.h"
#include "render_arguments.h"
#include "tool_error.h"
#include "wav_file.h"

#include <iostream>

namespace fendwick {

int runRender(const std::vector<std::string>& arguments)
{
    const CommandLine line(arguments, renderOptions({}));
    const RenderArguments render = renderArgumentsOf(line);
    const std::string& inPath = render.inPath;
    const std::string& outPath = render.outPath;
    if (inPath == outPath) {
        throw ToolError("OUT is the input file " + inPath + "; render never overwrites its input");
    }
    const WavAudio in = readWavFile(inPath);

    LoadedPlugin loaded(render.plugin, line.value("plugin-dir").value_or(""));
    HostedPlugin& plugin = loaded.plugin();
    const ChannelRouting routing(in.channels, plugin.numInputs(), render.pickedChannel, line.has("mix"));
    if (plugin.numOutputs() < 1) {
        throw ToolError("the plug-in has no audio output");
    }
    plugin.open();
    plugin.setSampleRate(static_cast<float>(in.sampleRateHz));
    plugin.setBlockSize(render.blockSize);
    if (const std::optional<std::string> program = line.value("program")) {
        plugin.setProgram(findProgram(plugin, *program));
    }
    for (const std::string& assignment : line.values("set")) {
        applySetting(plugin, assignment);
    }
    plugin.resume();
    AudioBuffer inputs(plugin.numInputs(), in.frames());
    routing.route(in.interleaved.data(), in.frames(), inputs);
    AudioBuffer outputs(plugin.numOutputs(), in.frames());
    processReplacingInBlocks(plugin, inputs, outputs, render.blockSize);
    plugin.suspend();

    WavAudio out;
    out.channels = plugin.numOutputs();
    out.sampleRateHz = in.sampleRateHz;
    out.interleaved.resize(in.frames() * static_cast<size_t>(out.channels));
    for (int c = 0; c < out.channels; ++c) {
        const float* channel = outputs.channel(c);
        for (size_t i = 0; i < in.frames(); ++i) {
            out.interleaved[i * static_cast<size_t>(out.channels) + static_cast<size_t>(c)] = channel[i];
        }
    }
    writeFloatWavFile(outPath, out);
    std::cout << "rendered " << inPath << " through " << plugin.effectName() << " into " << outPath << "; "
              << routing.description() << "\n";
    return 0;
}

}  // namespace fendwick

// `fendwick render`: an audio file through a plug-in into a new file.
#include "channel_routing.h"
#include "command_line.h"
#include "commands.h"
#include "interrupt_guard.h"
#include "number_text.h"
#include "pending_output_file.h"
#include "plugin_settings.h"
#include "render_arguments.h"
#include "progress_bar.h"
#include "signal_statistics.h"
#include "sound_file.h"
#include "sound_format.h"
#include "text_table.h"
#include "tool_error.h"
#include "loaded_plugin.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <sys/stat.h>

namespace fendwick {
namespace {


using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

bool sameFile(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

std::string levelRowDb(double db)
{
    return formatFixed(db, 2);
}

// What the summary reports once the output is in place.
struct RenderReport {
    std::string programText;
    int32_t latencyFrames = 0;
    SignalStatistics input;
    SignalStatistics output;
    uint64_t frames = 0;
    double seconds = 0.0;
    double pluginSeconds = 0.0;
};

// Reads, processes and writes block by block; throws on the first failure or
// once Ctrl-C has raised the flag of the output file's interrupt guard.
void renderStream(HostedPlugin& plugin, SoundFile& reader, SoundFile& writer, const ChannelRouting& routing,
                  int blockSize, RenderReport& report)
{
    const int fileChannels = reader.channels();
    const int outputChannels = plugin.numOutputs();
    const auto block = static_cast<size_t>(blockSize);
    std::vector<float> interleavedIn(block * static_cast<size_t>(fileChannels));
    std::vector<float> interleavedOut(block * static_cast<size_t>(outputChannels));
    AudioBuffer inputs(plugin.numInputs(), block);
    AudioBuffer outputs(outputChannels, block);
    std::vector<float*> inputPointers;
    std::vector<float*> outputPointers;
    for (int c = 0; c < inputs.channels(); ++c) {
        inputPointers.push_back(inputs.channel(c));
    }
    for (int c = 0; c < outputs.channels(); ++c) {
        outputPointers.push_back(outputs.channel(c));
    }
    const bool replacing = plugin.canReplace();
    ProgressBar progress("rendering", static_cast<uint64_t>(std::max<int64_t>(reader.frames(), 0)),
                         ProgressBar::standardErrorIsTerminal());
    const auto start = Clock::now();
    Clock::duration inPlugin{};
    while (const size_t frames = reader.read(interleavedIn.data(), block)) {
        report.input.add(interleavedIn.data(), frames * static_cast<size_t>(fileChannels));
        routing.route(interleavedIn.data(), frames, inputs);
        const auto before = Clock::now();
        if (replacing) {
            plugin.processReplacing(inputPointers.data(), outputPointers.data(), static_cast<int32_t>(frames));
        } else {
            // A plug-in without the replacing entry adds into silence.
            for (int c = 0; c < outputChannels; ++c) {
                std::fill(outputs.channel(c), outputs.channel(c) + frames, 0.0f);
            }
            plugin.processAccumulating(inputPointers.data(), outputPointers.data(), static_cast<int32_t>(frames));
        }
        inPlugin += Clock::now() - before;
        for (int c = 0; c < outputChannels; ++c) {
            const float* channel = outputs.channel(c);
            for (size_t i = 0; i < frames; ++i) {
                interleavedOut[i * static_cast<size_t>(outputChannels) + static_cast<size_t>(c)] = channel[i];
            }
        }
        report.output.add(interleavedOut.data(), frames * static_cast<size_t>(outputChannels));
        writer.write(interleavedOut.data(), frames);
        report.frames += frames;
        progress.update(report.frames);
        if (InterruptGuard::interrupted()) {
            throw ToolError("interrupted");
        }
    }
    progress.finish();
    report.seconds = secondsSince(start);
    report.pluginSeconds = std::chrono::duration<double>(inPlugin).count();
}

void printSummary(const std::string& pluginName, const std::string& inPath, const std::string& outPath,
                  int inFormat, int outFormat, int sampleRateHz, const ChannelRouting& routing,
                  const RenderReport& report)
{
    std::cout << "rendered " << inPath << " through " << pluginName << " into " << outPath << "\n";
    std::cout << "  " << describeFormat(inFormat) << " -> " << describeFormat(outFormat) << "; " << sampleRateHz
              << " Hz; " << routing.description() << report.programText << "\n";
    if (report.latencyFrames > 0) {
        // Written as the plug-in gives it: the output starts that late.
        std::cout << "  the plug-in delays its output by " << report.latencyFrames << " frames\n";
    }
    TextTable levels({"", "peak dBFS", "RMS dBFS", "at full scale"},
                     {TextTable::Align::left, TextTable::Align::right, TextTable::Align::right,
                      TextTable::Align::right});
    levels.addRow({"input", levelRowDb(report.input.peakDb()), levelRowDb(report.input.rmsDb()),
                   std::to_string(report.input.fullScaleCount())});
    levels.addRow({"output", levelRowDb(report.output.peakDb()), levelRowDb(report.output.rmsDb()),
                   std::to_string(report.output.fullScaleCount())});
    std::cout << levels.text("  ");
    for (const SignalStatistics* statistics : {&report.input, &report.output}) {
        if (statistics->nonFiniteCount() > 0) {
            std::cout << "  the " << (statistics == &report.input ? "input" : "output") << " holds "
                      << describeNonFinite(*statistics, sampleRateHz) << "; the levels leave them out\n";
        }
    }
    const double audioSeconds = static_cast<double>(report.frames) / sampleRateHz;
    std::cout << "  " << formatFixed(audioSeconds, 2) << " s of audio in " << formatFixed(report.seconds, 2)
              << " s (" << formatFixed(report.seconds > 0.0 ? audioSeconds / report.seconds : 0.0, 0)
              << "x realtime), " << formatFixed(report.pluginSeconds, 2) << " s of it in the plug-in\n";
}

// NaN or infinity in a file plays as full-scale DC (16-bit) or poisons
// whatever reads it next, so such output is an error, never a result.
std::string badOutputMessage(const RenderReport& report, int sampleRateHz, const std::string& outPath, bool kept)
{
    return "the plug-in put out " + describeNonFinite(report.output, sampleRateHz) + "; " + outPath +
           (kept ? " was kept as asked" : " was not written (--keep-bad-output keeps it)");
}

}  // namespace

int runRender(const std::vector<std::string>& arguments)
{
    const CommandLine line(arguments,
                           renderOptions({{"format", true}, {"encoding", true}, {"keep-bad-output", false}}));
    const RenderArguments render = renderArgumentsOf(line);
    const std::string& pluginArgument = render.plugin;
    const std::string& inPath = render.inPath;
    const std::string& outPath = render.outPath;
    const int blockSize = render.blockSize;
    const std::optional<int> pickedChannel = render.pickedChannel;

    SoundFile reader = SoundFile::openForReading(inPath);
    if (inPath == outPath || sameFile(inPath, outPath)) {
        throw ToolError("OUT is the input file " + inPath + "; render never overwrites its input");
    }

    LoadedPlugin loaded(pluginArgument, line.value("plugin-dir").value_or(""));
    HostedPlugin& plugin = loaded.plugin();
    // Asked before any output exists, so a plug-in that fails at it leaves nothing behind.
    const std::string pluginName = plugin.effectName();
    const ChannelRouting routing(reader.channels(), plugin.numInputs(), pickedChannel, line.has("mix"));
    if (plugin.numOutputs() < 1) {
        throw ToolError("the plug-in has no audio output");
    }
    const std::optional<std::string> container =
        line.has("format") ? line.value("format") : containerNamedBy(outPath);
    const int outFormat =
        chooseOutputFormat(reader.format(), container, line.value("encoding"), plugin.numOutputs(), reader.sampleRate());

    plugin.open();
    plugin.setSampleRate(static_cast<float>(reader.sampleRate()));
    plugin.setBlockSize(blockSize);
    RenderReport report;
    report.input = SignalStatistics(reader.channels());
    report.output = SignalStatistics(plugin.numOutputs());
    if (const std::optional<std::string> program = line.value("program")) {
        const int index = findProgram(plugin, *program);
        plugin.setProgram(index);
        report.programText = "; program " + std::to_string(index) + " \"" + plugin.programName() + "\"";
    }
    for (const std::string& assignment : line.values("set")) {
        applySetting(plugin, assignment);
    }
    plugin.resume();
    report.latencyFrames = plugin.initialDelay();

    PendingOutputFile pending(outPath);
    SoundFile writer = SoundFile::createOnDescriptor(pending.descriptor(), outPath, outFormat, plugin.numOutputs(),
                                                     reader.sampleRate());
    renderStream(plugin, reader, writer, routing, blockSize, report);
    plugin.suspend();
    writer.close();
    const bool badOutput = report.output.nonFiniteCount() > 0;
    const bool keepBadOutput = line.has("keep-bad-output");
    if (badOutput && !keepBadOutput) {
        throw ToolError(badOutputMessage(report, reader.sampleRate(), outPath, false));
    }
    pending.commit();
    if (reader.endedEarly()) {
        std::cerr << "warning: " << inPath << " ends early, after " << reader.framesRead()
                  << " frames (the file is cut off or damaged); rendered what is there\n";
    }

    // With the sound on standard output, the summary goes to standard error.
    std::streambuf* const summaryBuffer = pending.toStandardOutput() ? std::cerr.rdbuf() : std::cout.rdbuf();
    std::streambuf* const standardBuffer = std::cout.rdbuf(summaryBuffer);
    printSummary(pluginName, inPath, outPath, reader.format(), outFormat, reader.sampleRate(), routing, report);
    std::cout.rdbuf(standardBuffer);
    if (badOutput) {
        throw ToolError(badOutputMessage(report, reader.sampleRate(), outPath, true));
    }
    return 0;
}

}  // namespace fendwick

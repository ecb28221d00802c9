// `fendwick demo`: a test signal through every plug-in of ours, written out and summed up.
#include "command_line.h"
#include "commands.h"
#include "demo_programs.h"
#include "demo_signal.h"
#include "gain_reduction.h"
#include "number_text.h"
#include "pending_output_file.h"
#include "plugin_settings.h"
#include "signal_statistics.h"
#include "sound_file.h"
#include "text_table.h"
#include "tool_error.h"
#include "usage_error.h"
#include "block_processing.h"
#include "hosted_plugin.h"
#include "plugin_library.h"
#include "plugin_locator.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <iostream>
#include <sys/stat.h>

namespace fendwick {
namespace {

constexpr double kDemoSampleRateHz = 44100.0;
constexpr double kDemoSeconds = 6.0;
constexpr int kDemoBlockSize = 512;
// 10 ms windows: short enough to see a compressor grab a transient.
constexpr size_t kGainReductionWindow = 441;

// Makes the folder and any missing parents, as "mkdir -p" does.
void makeFolder(const std::string& path)
{
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::string parent = path.substr(0, slash);
        if (mkdir(parent.c_str(), 0777) != 0 && errno != EEXIST) {
            throw ToolError("cannot make " + parent + ": " + std::strerror(errno));
        }
    }
    if (mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) {
        throw ToolError("cannot make " + path + ": " + std::strerror(errno));
    }
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        throw ToolError("cannot write into " + path + ": it is no folder");
    }
}

void writeWav(const std::string& path, const AudioBuffer& audio, int channels)
{
    PendingOutputFile pending(path);
    SoundFile writer = SoundFile::createOnDescriptor(pending.descriptor(), path, SF_FORMAT_WAV | SF_FORMAT_FLOAT,
                                                     channels, static_cast<int>(kDemoSampleRateHz));
    std::vector<float> interleaved(audio.frames() * static_cast<size_t>(channels));
    for (int c = 0; c < channels; ++c) {
        for (size_t i = 0; i < audio.frames(); ++i) {
            interleaved[i * static_cast<size_t>(channels) + static_cast<size_t>(c)] = audio.channel(c)[i];
        }
    }
    writer.write(interleaved.data(), audio.frames());
    writer.close();
    pending.commit();
}

// "Vocal Enhance" becomes "vocal-enhance".
std::string slug(const std::string& name)
{
    std::string out;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0) {
            out += static_cast<char>(std::tolower(byte));
        } else if (!out.empty() && out.back() != '-') {
            out += '-';
        }
    }
    while (!out.empty() && out.back() == '-') {
        out.pop_back();
    }
    return out.empty() ? "program" : out;
}

// The demo signal as the plug-in's inputs: a mono plug-in gets the mix of
// both channels, inputs beyond the second get silence.
AudioBuffer inputsFor(const AudioBuffer& stereo, int inputs)
{
    AudioBuffer routed(inputs, stereo.frames());
    if (inputs == 1) {
        for (size_t i = 0; i < stereo.frames(); ++i) {
            routed.channel(0)[i] = 0.5f * (stereo.channel(0)[i] + stereo.channel(1)[i]);
        }
        return routed;
    }
    for (int c = 0; c < std::min(inputs, 2); ++c) {
        std::copy(stereo.channel(c), stereo.channel(c) + stereo.frames(), routed.channel(c));
    }
    return routed;
}

struct DemoRow {
    std::string plugin;
    std::string program;
    double peakDb = 0.0;
    double rmsDb = 0.0;
    double gainReductionDb = 0.0;
    double realtimeFactor = 0.0;
    std::string file;
};

DemoRow renderProgram(const PluginLibrary& library, const std::string& name, int program,
                      const AudioBuffer& signal, const std::string& folder)
{
    HostedPlugin plugin(library);
    if (plugin.numInputs() < 1 || plugin.numOutputs() < 1) {
        throw ToolError("the plug-in has " + std::to_string(plugin.numInputs()) + " inputs and " +
                        std::to_string(plugin.numOutputs()) + " outputs");
    }
    plugin.open();
    plugin.setSampleRate(static_cast<float>(kDemoSampleRateHz));
    plugin.setBlockSize(kDemoBlockSize);
    plugin.setProgram(program);
    plugin.resume();
    AudioBuffer input = inputsFor(signal, plugin.numInputs());
    AudioBuffer output(plugin.numOutputs(), signal.frames());
    const auto start = std::chrono::steady_clock::now();
    processReplacingInBlocks(plugin, input, output, kDemoBlockSize);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    plugin.suspend();

    DemoRow row;
    row.plugin = name;
    row.program = std::to_string(program) + " " + plugin.programName();
    SignalStatistics statistics;
    for (int c = 0; c < output.channels(); ++c) {
        statistics.add(output.channel(c), output.frames());
    }
    row.peakDb = statistics.peakDb();
    row.rmsDb = statistics.rmsDb();
    // Compared channel for channel, so a silent side-chain input does not count.
    const int compared = std::min(input.channels(), output.channels());
    row.gainReductionDb = largestGainReductionDb(input, compared, output, compared, kGainReductionWindow);
    row.realtimeFactor = seconds > 0.0 ? kDemoSeconds / seconds : 0.0;
    row.file = folder + "/" + name + "-" + std::to_string(program) + "-" + slug(plugin.programName()) + ".wav";
    writeWav(row.file, output, output.channels());
    return row;
}

}  // namespace

int runDemo(const std::vector<std::string>& arguments)
{
    const CommandLine line(arguments, {{"plugin-dir", true}});
    if (line.operands().size() > 1) {
        throw UsageError("demo takes at most one OUTDIR");
    }
    const std::string folder = line.operands().empty() ? "fendwick-demo" : line.operands()[0];
    const std::string pluginDir = pluginDirectory(line.value("plugin-dir").value_or(""));
    const std::vector<std::string> plugins = listPluginFiles(pluginDir);
    if (plugins.empty()) {
        throw ToolError("no plug-ins of ours in " + pluginDir);
    }
    makeFolder(folder);
    const AudioBuffer signal = makeDemoSignal(kDemoSampleRateHz, kDemoSeconds);
    writeWav(folder + "/input.wav", signal, 2);

    std::vector<DemoRow> rows;
    int failures = 0;
    for (const std::string& path : plugins) {
        const std::string name = pluginNameOfPath(path);
        try {
            const PluginLibrary library(path);
            std::vector<int> programs = {0};
            {
                HostedPlugin probe(library);
                const int characteristic = characteristicProgram(name, programNames(probe));
                if (characteristic != 0) {
                    programs.push_back(characteristic);
                }
            }
            for (const int program : programs) {
                rows.push_back(renderProgram(library, name, program, signal, folder));
            }
        } catch (const std::exception& error) {
            std::cerr << "fendwick demo: " << name << ": " << error.what() << "\n";
            ++failures;
        }
    }

    std::cout << "demo signal: " << formatShortest(kDemoSeconds)
              << " s, stereo, 44.1 kHz, drums over a chord, peak -1 dBFS (" << folder << "/input.wav)\n";
    TextTable table({"plug-in", "program", "peak dBFS", "RMS dBFS", "max GR dB", "realtime", "file"},
                    {TextTable::Align::left, TextTable::Align::left, TextTable::Align::right,
                     TextTable::Align::right, TextTable::Align::right, TextTable::Align::right,
                     TextTable::Align::left});
    for (const DemoRow& row : rows) {
        table.addRow({row.plugin, row.program, formatFixed(row.peakDb, 2), formatFixed(row.rmsDb, 2),
                      formatFixed(row.gainReductionDb, 2), formatFixed(row.realtimeFactor, 0) + "x", row.file});
    }
    std::cout << table.text();
    return failures == 0 ? 0 : 1;
}

}  // namespace fendwick

// `fendwick bench`: plug-ins timed against each other and a baseline.
#include "bench_runner.h"
#include "command_line.h"
#include "commands.h"
#include "number_text.h"
#include "peer_plugins.h"
#include "text_table.h"
#include "tool_error.h"
#include "hosted_plugin.h"
#include "plugin_library.h"
#include "plugin_locator.h"

#include <algorithm>
#include <iostream>

namespace fendwick {
namespace {

// Keeps the plug-ins found without being named that load and create an
// instance; tells about the others on standard error.
std::vector<std::string> usableOnes(const std::vector<std::string>& found)
{
    std::vector<std::string> usable;
    for (const std::string& path : found) {
        try {
            const PluginLibrary library(path);
            const HostedPlugin probe(library);
            usable.push_back(path);
        } catch (const std::exception& error) {
            std::cerr << "fendwick bench: skipping " << path << ": " << error.what() << "\n";
        }
    }
    return usable;
}

// PLUGIN or PLUGIN@PROGRAM, the program by number or name.
BenchEntry benchEntry(const std::string& operand, const std::string& pluginDir)
{
    const size_t at = operand.rfind('@');
    if (at == std::string::npos || at == 0 || at + 1 == operand.size()) {
        return {resolvePluginPath(operand, pluginDir), ""};
    }
    return {resolvePluginPath(operand.substr(0, at), pluginDir), operand.substr(at + 1)};
}

}  // namespace

int runBench(const std::vector<std::string>& arguments)
{
    const CommandLine line(arguments, {{"rate", true},
                                       {"block", true},
                                       {"seconds", true},
                                       {"rounds", true},
                                       {"baseline", true},
                                       {"silence", false},
                                       {"plugin-dir", true}});
    BenchSettings settings;
    settings.sampleRateHz = line.number("rate", settings.sampleRateHz, 8000.0, 768000.0);
    settings.blockSize = static_cast<int>(line.integer("block", settings.blockSize, 1, 1 << 16));
    settings.seconds = line.number("seconds", settings.seconds, 0.01, 3600.0);
    settings.rounds = static_cast<int>(line.integer("rounds", settings.rounds, 1, 1000));
    settings.silence = line.has("silence");
    const std::string pluginDir = line.value("plugin-dir").value_or("");

    std::vector<BenchEntry> entries;
    for (const std::string& operand : line.operands()) {
        entries.push_back(benchEntry(operand, pluginDir));
    }
    if (entries.empty()) {
        std::vector<std::string> found = listPluginFiles(pluginDirectory(pluginDir));
        for (const std::string& peer : installedPeerPlugins()) {
            found.push_back(peer);
        }
        for (const std::string& path : usableOnes(found)) {
            entries.push_back({path, ""});
        }
        if (entries.empty()) {
            throw ToolError("no plug-ins to time in " + pluginDirectory(pluginDir) + " or /usr/lib/vst");
        }
    }
    size_t baseline = 0;
    if (const std::optional<std::string> named = line.value("baseline")) {
        const BenchEntry wanted = benchEntry(*named, pluginDir);
        const auto found = std::find_if(entries.begin(), entries.end(), [&](const BenchEntry& e) {
            return e.path == wanted.path && e.program == wanted.program;
        });
        baseline = static_cast<size_t>(found - entries.begin());
        if (found == entries.end()) {
            entries.push_back(wanted);
        }
    }

    std::cout << "timing the replacing process on " << formatShortest(settings.seconds)
              << (settings.silence ? " s of digital silence at " : " s of noise under a 2 Hz envelope at ")
              << formatShortest(settings.sampleRateHz) << " Hz, blocks of "
              << settings.blockSize << " frames; median of " << settings.rounds
              << " rounds, the plug-ins taking turns\n";
    const std::vector<BenchResult> results = runBench(entries, baseline, settings);

    TextTable table({"plug-in", "ns/frame", "spread", "realtime", "create ms", "vs baseline"},
                    {TextTable::Align::left, TextTable::Align::right, TextTable::Align::right,
                     TextTable::Align::right, TextTable::Align::right, TextTable::Align::left});
    for (size_t i = 0; i < results.size(); ++i) {
        const BenchResult& r = results[i];
        table.addRow({r.label, formatFixed(r.nsPerFrame, 2), formatFixed(r.spreadPercent, 1) + " %",
                      formatFixed(r.realtimeFactor, 0) + "x", formatFixed(r.creationMs, 3),
                      i == baseline ? "1.00 (baseline)" : formatFixed(r.ratioToBaseline, 2)});
    }
    std::cout << table.text();
    return 0;
}

}  // namespace fendwick

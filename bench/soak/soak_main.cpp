// fendwick_soak: each plug-in run for an hour of automated audio, faster than real time, its output and block times reported.
#include "command_line.h"
#include "hosting_error.h"
#include "plugin_locator.h"
#include "soak_run.h"
#include "soak_table.h"
#include "usage_error.h"

#include <iostream>
#include <random>

namespace {

using namespace fendwick;

const char kUsage[] =
    "usage: fendwick_soak [PLUGIN...] [--minutes N] [--start N] [--plugin-dir DIR]\n"
    "  Runs each PLUGIN (default: every plug-in in our plug-in folder) for N minutes of audio (default 60)\n"
    "  at 48 kHz in blocks of 512, a random parameter automated every block and a random\n"
    "  program every few seconds; --start N replays the same run. Reports non-finite\n"
    "  output, the peak, the limiter's ceiling where the parameters tell it, and the\n"
    "  time per block minute by minute.\n";

int soak(const std::vector<std::string>& arguments)
{
    const CommandLine line(arguments, {{"minutes", true}, {"start", true}, {"plugin-dir", true}});
    SoakSettings settings;
    settings.minutes = line.number("minutes", settings.minutes, 0.001, 24.0 * 60.0);
    settings.start = static_cast<uint32_t>(
        line.integer("start", static_cast<long long>(std::random_device()()), 0, UINT32_MAX));
    const std::string pluginDir = line.value("plugin-dir").value_or("");
    std::vector<std::string> plugins = line.operands();
    if (plugins.empty()) {
        plugins = listPluginFiles(pluginDirectory(pluginDir));
    }
    std::cout << "soak: " << settings.minutes << " minutes each, --start " << settings.start << std::endl;
    std::vector<SoakReport> reports;
    for (const std::string& plugin : plugins) {
        const std::string path = resolvePluginPath(plugin, pluginDir);
        reports.push_back(runSoak(path, settings, [&](size_t done, size_t all) {
            std::cerr << "\r" << pluginNameOfPath(path) << ": " << done * 100 / all << " %" << (done == all ? "\n" : "")
                      << std::flush;
        }));
    }
    std::cout << soakTable(reports);
    bool healthy = true;
    for (const SoakReport& report : reports) {
        healthy = healthy && report.nonFinite == 0 && report.blocksOverCeiling == 0;
    }
    return healthy ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return soak(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& error) {
        std::cerr << "fendwick_soak: " << error.what() << "\n" << kUsage;
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "fendwick_soak: " << error.what() << "\n";
        return 1;
    }
}

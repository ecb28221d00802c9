// `fendwick meters`: every meter reading a plug-in of ours publishes while it processes a file, at its frame.
#include "command_line.h"
#include "commands.h"
#include "file_processing.h"
#include "in_process_choice.h"
#include "number_text.h"
#include "plugin_settings.h"
#include "sound_file.h"
#include "tool_error.h"
#include "usage_error.h"
#include "effect_base.h"
#include "hosted_plugin.h"
#include "plugin_locator.h"

#include <cmath>
#include <iostream>

namespace fendwick {
namespace {

// Keeps the readings published during one process call of one frame, in
// the order they came; each display value publishes at most once a frame.
class PublicationCatcher : public DisplayValueListener {
public:
    struct Reading {
        int32_t index;
        float value;
    };

    void displayValueChanged(int32_t index, float value) override
    {
        if (count_ < DisplayValues::kMostValues) {
            readings_[count_++] = Reading{index, value};
        }
    }
    const Reading* begin() const { return readings_; }
    const Reading* end() const { return readings_ + count_; }
    void clear() { count_ = 0; }

private:
    Reading readings_[DisplayValues::kMostValues] = {};
    int32_t count_ = 0;
};

std::string padded(const std::string& text, size_t width)
{
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

void printReading(uint64_t frame, const PublicationCatcher::Reading& reading, bool csv)
{
    if (csv) {
        std::cout << frame << ',' << reading.index << ',' << formatShortest(reading.value) << '\n';
        return;
    }
    std::cout << padded(std::to_string(frame), 10) << padded(std::to_string(reading.index), 7)
              << padded(formatFixed(reading.value, 6), 11)
              << padded(formatFixed(20.0 * std::log10(static_cast<double>(reading.value)), 2), 9) << '\n';
}

}  // namespace

int runMeters(const std::vector<std::string>& arguments)
{
    const CommandLine line(arguments, {{"program", true}, {"set", true}, {"csv", false}});
    if (line.operands().size() != 2) {
        throw UsageError("meters needs PLUGIN IN");
    }
    const std::string name = pluginNameOfPath(line.operands()[0]);
    const std::string& inPath = line.operands()[1];
    const PluginEntry entry = inProcessEntryFor(line.operands()[0], "meters reads the plug-ins of ours only");
    SoundFile input = SoundFile::openForReading(inPath);
    const bool csv = line.has("csv");

    // Made before the plug-in, so that it outlives the publications of the plug-in's last suspend.
    PublicationCatcher catcher;
    HostedPlugin plugin(entry, name);
    EffectBase& effect = *EffectBase::fromRecord(&plugin.record());
    if (effect.displayValueCount() == 0) {
        throw ToolError(name + " has no meters: it publishes no display values");
    }
    // One frame a call, so that each reading comes with the frame it was published at.
    plugin.open();
    plugin.setSampleRate(static_cast<float>(input.sampleRate()));
    plugin.setBlockSize(1);
    if (const std::optional<std::string> program = line.value("program")) {
        plugin.setProgram(findProgram(plugin, *program));
    }
    for (const std::string& assignment : line.values("set")) {
        applySetting(plugin, assignment);
    }
    plugin.resume();

    const int32_t first = effect.firstDisplayValue();
    const int32_t last = first + effect.displayValueCount() - 1;
    if (csv) {
        std::cout << "frame,meter,value\n";
    } else {
        std::cout << name << ": meters " << first << " to " << last << ", program " << plugin.program() << " \""
                  << plugin.programName() << "\", " << inPath << " at " << input.sampleRate() << " Hz\n"
                  << "     frame  meter      value       dB\n";
    }
    effect.listenToDisplayValues(&catcher);
    processFile(plugin, input, 1, [&](uint64_t frame) {
        for (const PublicationCatcher::Reading& reading : catcher) {
            printReading(frame, reading, csv);
        }
        catcher.clear();
    });
    effect.listenToDisplayValues(nullptr);
    return 0;
}

}  // namespace fendwick

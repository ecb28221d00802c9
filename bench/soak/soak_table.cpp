// Rows of soak figures: output health first, then the block times.
#include "soak_table.h"

#include "number_text.h"
#include "text_table.h"

#include <cmath>

namespace fendwick {
namespace {

std::string decibels(float linear)
{
    return linear > 0.0f ? formatFixed(20.0 * std::log10(static_cast<double>(linear)), 1) + " dB" : "silent";
}

std::string nonFinite(const SoakReport& report)
{
    if (report.nonFinite == 0) {
        return "none";
    }
    return std::to_string(report.nonFinite) + " from frame " + std::to_string(report.firstNonFiniteFrame.value_or(0));
}

std::string ceiling(const SoakReport& report)
{
    if (!report.ceilingKnown) {
        return "no limiter: peak only";
    }
    if (report.blocksOverCeiling == 0) {
        return "held in " + std::to_string(report.limitedBlocks) + " blocks";
    }
    return "over in " + std::to_string(report.blocksOverCeiling) + " of " + std::to_string(report.limitedBlocks) +
           " blocks, by up to " + formatShortest(report.worstOverCeiling);
}

std::string microseconds(double seconds)
{
    return formatFixed(seconds * 1e6, 1);
}

std::string flags(const TimingSummary& timing)
{
    std::string text;
    if (timing.drifts) {
        text += "drift ";
    }
    if (!timing.slowMinutes.empty()) {
        text += std::to_string(timing.slowMinutes.size()) + " slow minutes from minute " +
                std::to_string(timing.slowMinutes.front()) + " ";
    }
    return text.empty() ? "none" : text.substr(0, text.size() - 1);
}

}  // namespace

std::string soakTable(const std::vector<SoakReport>& reports)
{
    using Align = TextTable::Align;
    TextTable table({"plug-in", "minutes", "channels", "programs", "non-finite", "peak", "ceiling", "us/block min", "median",
                     "max", "worst block", "last/first 10", "x real time", "flags"},
                    {Align::left, Align::right, Align::right, Align::right, Align::left, Align::right, Align::left, Align::right,
                     Align::right, Align::right, Align::right, Align::right, Align::right, Align::left});
    for (const SoakReport& report : reports) {
        const TimingSummary& timing = report.timing;
        table.addRow({report.plugin, formatFixed(report.audioSeconds / 60.0, 2), std::to_string(report.channels),
                      std::to_string(report.programChanges),
                      nonFinite(report), decibels(report.peak), ceiling(report), microseconds(timing.fastestMinute),
                      microseconds(timing.medianMinute), microseconds(timing.slowestMinute),
                      formatFixed(timing.worstBlockRatio, 1) + "x", formatFixed(timing.driftRatio, 2) + "x",
                      formatFixed(report.audioSeconds / report.processSeconds, 0), flags(timing)});
    }
    return table.text();
}

}  // namespace fendwick

// Input no signal should hold (NaN, infinities, denormals, absurd levels), and what it leaves behind.
#include "check_groups.h"
#include "checked_instance.h"
#include "signal_checks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>

namespace fendwick {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();
// Smaller than the smallest normal float (1.18e-38).
constexpr float kDenormal = 1e-39f;

// The shape of a stretch of hostile input.
enum class Shape { constant, alternating, square };

// A stretch of input a plug-in must survive: `value` throughout, with
// alternating signs, or as a square wave of 100 Hz.
struct HostileInput {
    const char* what;
    float value;
    Shape shape;
    double seconds;
};

constexpr HostileInput kHostileInputs[] = {
    {"NaN", kNaN, Shape::constant, 0.01},
    {"+infinity", kInfinity, Shape::constant, 0.01},
    {"-infinity", -kInfinity, Shape::constant, 0.01},
    {"alternating infinity", kInfinity, Shape::alternating, 0.01},
    {"denormal", kDenormal, Shape::alternating, 0.25},
    {"1e30", 1e30f, Shape::constant, 0.01},
    {"alternating 1e30", 1e30f, Shape::alternating, 0.01},
    {"full-scale square", 1.0f, Shape::square, 0.25},
};
constexpr const HostileInput& kDenormalInput = kHostileInputs[4];

constexpr double kLeadSeconds = 0.2;
constexpr double kRecoverySeconds = 2.0;
constexpr double kQuickRecoverySeconds = 1.0;
// The end of the recovery whose level is compared with a fresh instance's.
constexpr double kJudgedSeconds = 0.1;
// Recovered: within 20 dB of what a fresh instance puts out there.
constexpr double kRecoveredLevelRatio = 0.1;
constexpr float kSignalPeak = 0.3f;
constexpr float kSquareHz = 100.0f;

size_t framesOf(double seconds)
{
    return static_cast<size_t>(seconds * kCheckRateHz);
}

void fillHostile(AudioBuffer& signal, size_t from, size_t to, const HostileInput& input)
{
    const auto squarePeriod = static_cast<size_t>(kCheckRateHz / kSquareHz);
    for (int c = 0; c < signal.channels(); ++c) {
        for (size_t i = from; i < to; ++i) {
            const bool negative = input.shape == Shape::alternating   ? i % 2 == 1
                                  : input.shape == Shape::square ? i % squarePeriod >= squarePeriod / 2
                                                                      : false;
            signal.channel(c)[i] = negative ? -input.value : input.value;
        }
    }
}

void checkHostileInput(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    const auto probe = library.instance();
    const size_t lead = framesOf(kLeadSeconds);
    const size_t recovery = framesOf(settings.quick ? kQuickRecoverySeconds : kRecoverySeconds);
    const size_t judged = framesOf(kJudgedSeconds);
    for (const HostileInput& input : kHostileInputs) {
        const size_t burst = framesOf(input.seconds);
        const size_t total = lead + burst + recovery;
        const AudioBuffer clean = noiseSignal(probe->numInputs(), total, kSignalPeak, 11);
        AudioBuffer hostile = clean;
        fillHostile(hostile, lead, lead + burst, input);
        findings.attempt(std::string("processing ") + input.what + " input and a clean signal after it");
        auto plugin = library.prepared();
        const AudioBuffer out = processed(*plugin, hostile, kCheckBlockSize);
        const std::string after = "after " + std::to_string(burst) + " frames of " + input.what + " input";
        if (const auto frame = firstNonFinite(out, lead + burst)) {
            findings.fail(after + ", the output is not finite at frame " + std::to_string(*frame - lead - burst) +
                          " of the clean signal that follows");
            continue;
        }
        auto fresh = library.prepared();
        const AudioBuffer expected = processed(*fresh, clean, kCheckBlockSize);
        const double level = rootMeanSquare(out, total - judged, total);
        const double freshLevel = rootMeanSquare(expected, total - judged, total);
        if (level < kRecoveredLevelRatio * freshLevel || level > freshLevel / kRecoveredLevelRatio) {
            char text[160];
            std::snprintf(text, sizeof(text),
                          ", the output has not recovered %.1f s later: RMS %.3g where a fresh instance gives %.3g",
                          static_cast<double>(recovery) / kCheckRateHz, level, freshLevel);
            findings.fail(after + text);
        }
    }
}

// Rounds of the cost comparison, and the seconds of signal timed per kind and round.
constexpr int kCostRounds = 9;
constexpr int kQuickCostRounds = 5;
constexpr double kCostSeconds = 0.5;
constexpr double kQuickCostSeconds = 0.25;
// What silence after loud input and denormal input may cost, times the loud cost.
constexpr double kMostCostRatio = 1.5;

double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

double timedRun(HostedPlugin& plugin, const AudioBuffer& input)
{
    const double start = threadSeconds();
    processed(plugin, input, kCheckBlockSize);
    return threadSeconds() - start;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Compares processor time of the same process, loud against quiet, side by
// side in every round: a check of the plug-in's tails, made by the tool.
void checkTailCost(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = library.prepared();
    const size_t frames = framesOf(settings.quick ? kQuickCostSeconds : kCostSeconds);
    const AudioBuffer loud = noiseSignal(plugin->numInputs(), frames, 0.9f, 21);
    const AudioBuffer silence(plugin->numInputs(), frames);
    AudioBuffer denormal(plugin->numInputs(), frames);
    fillHostile(denormal, 0, frames, kDenormalInput);
    std::vector<double> loudCost;
    std::vector<double> silenceCost;
    std::vector<double> denormalCost;
    for (int round = 0; round < (settings.quick ? kQuickCostRounds : kCostRounds); ++round) {
        loudCost.push_back(timedRun(*plugin, loud));
        silenceCost.push_back(timedRun(*plugin, silence));
        processed(*plugin, loud, kCheckBlockSize);
        denormalCost.push_back(timedRun(*plugin, denormal));
    }
    const double loudMedian = median(loudCost);
    const std::pair<const char*, double> kinds[] = {{"silence after loud input", median(silenceCost)},
                                                    {"denormal input", median(denormalCost)}};
    for (const auto& kind : kinds) {
        if (kind.second > kMostCostRatio * loudMedian) {
            char text[160];
            std::snprintf(text, sizeof(text), "%s costs %.2f times as much processor time as loud input", kind.first,
                          kind.second / loudMedian);
            findings.fail(text);
        }
    }
}

}  // namespace

std::vector<Check> hostileInputChecks()
{
    return {{"processing.hostile-input",
             "after NaN, infinite, denormal, 1e30 and full-scale square input the output is finite and recovers to "
             "a fresh instance's level",
             checkHostileInput},
            {"processing.tail-cost",
             "silence after loud input and denormal input cost at most 1.5 times the processor time of loud input",
             checkTailCost}};
}

}  // namespace fendwick

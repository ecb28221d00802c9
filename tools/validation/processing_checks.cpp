// Processing at every block size and sample rate a host may use, through both process entries.
#include "check_groups.h"
#include "checked_instance.h"
#include "signal_checks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace fendwick {
namespace {

constexpr int kBlockSizes[] = {0, 1, 2, 3, 63, 512, 4096, 65536, -1, -512};
// Calls per block size: enough for state carried from call to call to matter.
constexpr int kCallsPerBlockSize = 3;
// Guard samples around every channel of a block, and what they hold.
constexpr size_t kGuardFrames = 64;
constexpr float kGuardSample = 1234.5f;

constexpr float kSampleRatesHz[] = {8000.0f,  11025.0f, 22050.0f,  32000.0f,  44100.0f,  48000.0f,
                                    88200.0f, 96000.0f, 176400.0f, 192000.0f, 352800.0f, 384000.0f};
constexpr float kOddSampleRatesHz[] = {0.0f, -44100.0f, std::numeric_limits<float>::quiet_NaN(),
                                       std::numeric_limits<float>::infinity()};

// Seconds of signal per rate or block plan, full and quick.
constexpr double kSignalSeconds = 0.5;
constexpr double kQuickSignalSeconds = 0.1;

// Block plans compared with the usual one: tiny, odd, large, and a changing size.
const std::vector<std::vector<int>> kOtherBlockPlans = {{1}, {3}, {63}, {4096}, {65536}, {1, 700, 64, 5, 333}};

size_t framesFor(const CheckSettings& settings, float rateHz = kCheckRateHz)
{
    return static_cast<size_t>((settings.quick ? kQuickSignalSeconds : kSignalSeconds) * rateHz);
}

std::string rateText(float rateHz)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%g Hz", static_cast<double>(rateHz));
    return text;
}

// One call of `frames` frames into channels framed by guard samples; a
// fault when the plug-in wrote outside the block or put out a non-finite sample.
std::string oneFramedCall(HostedPlugin& plugin, int frames, uint32_t noiseStart)
{
    const size_t count = static_cast<size_t>(std::max(frames, 0));
    const AudioBuffer signal = noiseSignal(plugin.numInputs(), count + 2 * kGuardFrames, 0.5f, noiseStart);
    AudioBuffer in = signal;
    AudioBuffer out(plugin.numOutputs(), count + 2 * kGuardFrames);
    std::vector<float*> inputs(static_cast<size_t>(std::max(in.channels(), 1)), nullptr);
    std::vector<float*> outputs(static_cast<size_t>(std::max(out.channels(), 1)), nullptr);
    for (int c = 0; c < in.channels(); ++c) {
        inputs[static_cast<size_t>(c)] = in.channel(c) + kGuardFrames;
    }
    for (int c = 0; c < out.channels(); ++c) {
        std::fill(out.channel(c), out.channel(c) + out.frames(), kGuardSample);
        outputs[static_cast<size_t>(c)] = out.channel(c) + kGuardFrames;
    }
    plugin.processReplacing(inputs.data(), outputs.data(), frames);
    for (int c = 0; c < out.channels(); ++c) {
        for (size_t i = 0; i < out.frames(); ++i) {
            const bool inBlock = i >= kGuardFrames && i < kGuardFrames + count;
            const float sample = out.channel(c)[i];
            if (!inBlock && sample != kGuardSample) {
                const long fromStart = static_cast<long>(i) - static_cast<long>(kGuardFrames);
                return "wrote outside the block of " + std::to_string(frames) + " frames (channel " +
                       std::to_string(c + 1) + ", " + std::to_string(fromStart) + " from its start)";
            }
            if (inBlock && !std::isfinite(sample)) {
                return "put out a non-finite sample in a block of " + std::to_string(frames) + " frames";
            }
        }
    }
    return {};
}

void checkBlockSizes(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = library.prepared();
    uint32_t noiseStart = 1;
    for (const int blockSize : kBlockSizes) {
        findings.attempt("processing blocks of " + std::to_string(blockSize) + " frames");
        plugin->suspend();
        plugin->setBlockSize(blockSize);
        plugin->resume();
        for (int call = 0; call < kCallsPerBlockSize; ++call) {
            const std::string fault = oneFramedCall(*plugin, blockSize, ++noiseStart);
            if (!fault.empty()) {
                findings.fail("block size " + std::to_string(blockSize) + ": " + fault);
                break;
            }
        }
    }
}

// Processes a fresh stretch of noise; a fault when the output is not finite.
std::string runAtRate(HostedPlugin& plugin, const CheckSettings& settings, float rateHz)
{
    const float framesRate = std::isfinite(rateHz) && rateHz > 0.0f ? rateHz : kCheckRateHz;
    const AudioBuffer out =
        processed(plugin, noiseSignal(plugin.numInputs(), framesFor(settings, framesRate), 0.5f, 3), kCheckBlockSize);
    if (const auto frame = firstNonFinite(out)) {
        return "at " + rateText(rateHz) + " the output is not finite from frame " + std::to_string(*frame);
    }
    return {};
}

void checkSampleRates(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = library.prepared();
    for (const float rateHz : kSampleRatesHz) {
        findings.attempt("processing at " + rateText(rateHz));
        plugin->suspend();
        plugin->setSampleRate(rateHz);
        plugin->resume();
        findings.failOn(runAtRate(*plugin, settings, rateHz));
    }
    for (const float rateHz : kOddSampleRatesHz) {
        // Told through either request, while suspended and while running.
        findings.attempt("setting the sample rate to " + rateText(rateHz) + " and processing");
        plugin->suspend();
        plugin->setSampleRate(rateHz);
        plugin->resume();
        plugin->dispatch(EffectOpcode::setBlockSizeAndSampleRate, 0, kCheckBlockSize, nullptr, rateHz);
        findings.failOn(runAtRate(*plugin, settings, rateHz));
        plugin->setSampleRate(rateHz);
    }
    // Back at a usual rate, the instance works as a fresh one does.
    findings.attempt("processing at 44100 Hz after odd rates");
    plugin->suspend();
    plugin->setSampleRate(kCheckRateHz);
    plugin->dispatch(EffectOpcode::setBlockSizeAndSampleRate, 0, kCheckBlockSize, nullptr, kCheckRateHz);
    plugin->resume();
    auto fresh = library.prepared();
    const AudioBuffer signal = noiseSignal(plugin->numInputs(), framesFor(settings), 0.5f, 4);
    const std::string difference =
        outputDifference(processed(*fresh, signal, kCheckBlockSize), processed(*plugin, signal, kCheckBlockSize));
    if (!difference.empty()) {
        findings.fail("back at 44100 Hz after odd rates, the output differs from a fresh instance's: " + difference);
    }
}

void checkAccumulating(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto replacing = library.prepared();
    if (replacing->record().processAccumulating == nullptr) {
        findings.skip("the plug-in has no accumulating entry");
        return;
    }
    findings.attempt("the accumulating entry");
    auto accumulating = library.prepared();
    const AudioBuffer signal = noiseSignal(replacing->numInputs(), framesFor(settings), 0.5f, 5);
    const AudioBuffer replaced = processed(*replacing, signal, BlockPlan{{kCheckBlockSize}, false, 0.0f});
    const AudioBuffer added = processed(*accumulating, signal, BlockPlan{{kCheckBlockSize}, true, 0.0f});
    const std::string onZeros = outputDifference(replaced, added);
    if (!onZeros.empty()) {
        findings.fail("accumulating onto zeros differs from replacing: " + onZeros);
    }
    // Onward from the same state, onto a signal already in the buffer.
    constexpr float kAlreadyThere = 0.25f;
    const AudioBuffer next = noiseSignal(replacing->numInputs(), framesFor(settings), 0.5f, 6);
    AudioBuffer expected = processed(*replacing, next, BlockPlan{{kCheckBlockSize}, false, 0.0f});
    for (int c = 0; c < expected.channels(); ++c) {
        for (size_t i = 0; i < expected.frames(); ++i) {
            expected.channel(c)[i] += kAlreadyThere;
        }
    }
    const std::string onSignal =
        outputDifference(expected, processed(*accumulating, next, BlockPlan{{kCheckBlockSize}, true, kAlreadyThere}));
    if (!onSignal.empty()) {
        findings.fail("accumulating onto 0.25 is not 0.25 plus the replacing output: " + onSignal);
    }
}

std::string planText(const std::vector<int>& sizes)
{
    std::string text;
    for (const int size : sizes) {
        text += (text.empty() ? "" : ", ") + std::to_string(size);
    }
    return "blocks of " + text;
}

void checkBlockIndependence(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto reference = library.prepared();
    // Loud and quiet stretches with a silent gap, so that level detectors and
    // silence gates change state at places no block boundary knows.
    AudioBuffer signal = noiseSignal(reference->numInputs(), framesFor(settings), 0.8f, 7);
    for (int c = 0; c < signal.channels(); ++c) {
        for (size_t i = signal.frames() / 3; i < signal.frames() / 2; ++i) {
            signal.channel(c)[i] = i < signal.frames() * 5 / 12 ? 0.0f : signal.channel(c)[i] * 0.01f;
        }
    }
    const AudioBuffer expected = processed(*reference, signal, kCheckBlockSize);
    for (const std::vector<int>& plan : kOtherBlockPlans) {
        findings.attempt("processing in " + planText(plan));
        auto plugin = library.instance();
        plugin->prepare(kCheckRateHz, *std::max_element(plan.begin(), plan.end()));
        const std::string difference = outputDifference(expected, processed(*plugin, signal, BlockPlan{plan}));
        if (!difference.empty()) {
            findings.fail("in " + planText(plan) + " the output differs from blocks of 512: " + difference);
        }
    }
}

}  // namespace

std::vector<Check> processingChecks()
{
    return {{"processing.block-sizes",
             "blocks of 0 to 65536 frames and negative counts: nothing written outside the block, finite output",
             checkBlockSizes},
            {"processing.sample-rates",
             "8 kHz to 384 kHz give finite output; 0, negative, NaN and infinite rates through both rate requests "
             "leave nothing behind once a usual rate is back",
             checkSampleRates},
            {"processing.accumulating",
             "the accumulating entry adds exactly what the replacing entry puts out", checkAccumulating},
            {"processing.block-independence", "any block size, fixed or changing, gives the same samples",
             checkBlockIndependence}};
}

}  // namespace fendwick

// The call sequences of real Linux hosts that catch plug-ins out: a scanner, a presets list, a program carried over.
#include "check_groups.h"
#include "checked_instance.h"
#include "interface_sizes.h"
#include "signal_checks.h"
#include "watched_buffer.h"

namespace fendwick {
namespace {

constexpr const char* kScannerQuestions[] = {"receiveVstEvents", "receiveVstMidiEvent", "sendVstEvents",
                                             "sendVstMidiEvent", "bypass", "1in1out", "2in2out", "1in2out"};

// A scanner's callback: it knows the interface version, and answers 0 to
// everything else (the sample rate and block size included).
intptr_t scannerCallback(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    return opcode == HostOpcode::version ? kInterfaceVersion : 0;
}

void checkScanner(const CheckSettings& settings, Findings& findings)
{
    const PluginLibrary library(settings.pluginPath);
    findings.attempt("a scan with a host that answers 0");
    HostedPlugin plugin(library, scannerCallback);
    plugin.open();
    plugin.dispatch(EffectOpcode::getInterfaceVersion);
    const std::pair<int32_t, size_t> texts[] = {{EffectOpcode::getEffectName, kEffectNameBytes},
                                                {EffectOpcode::getProductString, kVendorTextBytes},
                                                {EffectOpcode::getVendorString, kVendorTextBytes}};
    for (const auto& text : texts) {
        WatchedBuffer buffer;
        plugin.dispatch(text.first, 0, 0, buffer.data());
        findings.failOn(textFault(buffer, text.second, "opcode " + std::to_string(text.first) + " during a scan"));
    }
    plugin.dispatch(EffectOpcode::getPlugCategory);
    for (const char* question : kScannerQuestions) {
        std::string asked = question;
        plugin.dispatch(EffectOpcode::canDo, 0, 0, asked.data());
    }
    plugin.suspend();
}

void checkPresetsList(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto working = library.prepared();
    auto untouched = library.prepared();
    const size_t frames = settings.quick ? 4410 : 22050;
    const AudioBuffer first = noiseSignal(working->numInputs(), frames, 0.7f, 51);
    const AudioBuffer second = noiseSignal(working->numInputs(), frames, 0.7f, 52);
    processed(*working, first, kCheckBlockSize);
    processed(*untouched, first, kCheckBlockSize);
    {
        // The list: a second instance asked every name, suspended without
        // ever having been resumed, closed.
        findings.attempt("a presets list on a second instance");
        auto lister = library.instance();
        lister->open();
        for (int32_t index = 0; index < lister->numPrograms(); ++index) {
            WatchedBuffer buffer;
            lister->dispatch(EffectOpcode::getProgramNameIndexed, index, -1, buffer.data());
            findings.failOn(textFault(buffer, kProgramNameBytes, "name of program " + std::to_string(index)));
        }
        lister->suspend();
    }
    const std::string difference =
        outputDifference(processed(*untouched, second, kCheckBlockSize), processed(*working, second, kCheckBlockSize));
    if (!difference.empty()) {
        findings.fail("a running instance's output changed while a presets list came and went: " + difference);
    }
}

// The way an audio editor applies a factory program: it reads the values
// on one instance and sets them on a fresh one, which it set up at 44.1 kHz,
// resumed, and then moved to 48 kHz while running.
constexpr float kEditorFirstRateHz = 44100.0f;
constexpr float kEditorRateHz = 48000.0f;
constexpr int32_t kEditorBlockSize = 8192;

void checkProgramCarriedOver(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    const auto probe = library.instance();
    // A shorter last block, as at the end of a selection.
    const size_t frames = static_cast<size_t>(settings.quick ? 2 : 5) * kEditorBlockSize + 1000;
    const AudioBuffer signal = noiseSignal(probe->numInputs(), frames, 0.7f, 61);
    for (int32_t program = 0; program < probe->numPrograms(); ++program) {
        if (settings.quick && program > 0 && program != probe->numPrograms() - 1) {
            continue;
        }
        findings.attempt("carrying program " + std::to_string(program) + " over as parameter values");
        auto source = library.instance();
        source->setProgram(program);
        auto carried = library.instance();
        carried->open();
        carried->setSampleRate(kEditorFirstRateHz);
        carried->setBlockSize(kEditorBlockSize);
        carried->resume();
        for (int32_t index = 0; index < source->numParameters(); ++index) {
            carried->setParameter(index, source->getParameter(index));
        }
        carried->setSampleRate(kEditorRateHz);
        carried->setBlockSize(kEditorBlockSize);
        auto selected = library.instance();
        selected->setProgram(program);
        selected->prepare(kEditorRateHz, kEditorBlockSize);
        const std::string difference = outputDifference(processed(*selected, signal, kEditorBlockSize),
                                                        processed(*carried, signal, kEditorBlockSize),
                                                        kInaudibleDifference);
        if (!difference.empty()) {
            findings.fail("program " + std::to_string(program) +
                          " carried over as parameter values sounds different from the program selected: " +
                          difference);
        }
    }
}

}  // namespace

std::vector<Check> hostSequenceChecks()
{
    return {{"hosts.scanner",
             "a scanner's calls, with a host that answers 0 to the sample rate and everything else, pass unharmed",
             checkScanner},
            {"hosts.presets-list",
             "a temporary instance asked every program name and suspended without a resume leaves a running "
             "instance's output as it was",
             checkPresetsList},
            {"hosts.program-carried-over",
             "every program carried onto a fresh instance as parameter values, with the rate changed while "
             "running, sounds as the program selected does",
             checkProgramCarriedOver}};
}

}  // namespace fendwick

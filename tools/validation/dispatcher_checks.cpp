// Every dispatcher request with zero, odd and out-of-range arguments: no crash, no write past the host's buffer.
#include "check_groups.h"
#include "checked_instance.h"
#include "interface_sizes.h"
#include "signal_checks.h"
#include "watched_buffer.h"

#include <climits>

namespace fendwick {
namespace {

// The highest opcode the interface names, and a few beyond it that no
// plug-in knows.
constexpr int32_t kLastKnownOpcode = 80;
constexpr int32_t kUnknownOpcodes[] = {81, 90, 128, 1000, INT_MAX, -1, INT_MIN};

// How a request uses its pointer, and so what the host hands over.
enum class Pointer {
    // The plug-in writes a text of at most `bound` bytes.
    text,
    // The plug-in fills a record of `bound` bytes.
    record,
    // The plug-in reads a text the host wrote.
    inputText,
    // The plug-in reads an empty record (an event list of none, a chunk of
    // `value` bytes); the value then only takes sizes within the buffer.
    inputRecord,
};

struct PointerUse {
    int32_t opcode;
    Pointer use;
    size_t bound;
};

constexpr PointerUse kPointerUses[] = {
    {EffectOpcode::setProgramName, Pointer::inputText, 0},
    {EffectOpcode::getProgramName, Pointer::text, kProgramNameBytes},
    {EffectOpcode::getParameterLabel, Pointer::text, kParameterTextBytes},
    {EffectOpcode::getParameterDisplay, Pointer::text, kParameterTextBytes},
    {EffectOpcode::getParameterName, Pointer::text, kParameterTextBytes},
    {EffectOpcode::editorGetRect, Pointer::record, kPointerSlotBytes},
    {EffectOpcode::getChunk, Pointer::record, kPointerSlotBytes},
    {EffectOpcode::setChunk, Pointer::inputRecord, 0},
    {EffectOpcode::processEvents, Pointer::inputRecord, 0},
    {EffectOpcode::stringToParameter, Pointer::inputText, 0},
    {EffectOpcode::getProgramNameIndexed, Pointer::text, kProgramNameBytes},
    {EffectOpcode::getInputProperties, Pointer::record, kPinPropertiesBytes},
    {EffectOpcode::getOutputProperties, Pointer::record, kPinPropertiesBytes},
    {EffectOpcode::offlineNotify, Pointer::inputRecord, 0},
    {EffectOpcode::offlinePrepare, Pointer::inputRecord, 0},
    {EffectOpcode::offlineRun, Pointer::inputRecord, 0},
    {EffectOpcode::getEffectName, Pointer::text, kEffectNameBytes},
    {EffectOpcode::getErrorText, Pointer::text, kErrorTextBytes},
    {EffectOpcode::getVendorString, Pointer::text, kVendorTextBytes},
    {EffectOpcode::getProductString, Pointer::text, kVendorTextBytes},
    {EffectOpcode::canDo, Pointer::inputText, 0},
    {EffectOpcode::getParameterProperties, Pointer::record, kParameterPropertiesBytes},
    {EffectOpcode::getMidiProgramName, Pointer::record, kMidiNameRecordBytes},
    {EffectOpcode::getCurrentMidiProgram, Pointer::record, kMidiNameRecordBytes},
    {EffectOpcode::getMidiProgramCategory, Pointer::record, kMidiNameRecordBytes},
    {EffectOpcode::getMidiKeyName, Pointer::record, kMidiNameRecordBytes},
    {EffectOpcode::shellGetNextPlugin, Pointer::text, kShellNameBytes},
    {EffectOpcode::beginLoadBank, Pointer::inputRecord, 0},
    {EffectOpcode::beginLoadProgram, Pointer::inputRecord, 0},
};

// Requests left out, each because only a real host can supply what it
// carries: close ends the instance (it comes last, from the instance's
// owner); editor open needs a parent window (the editor checks open one);
// variable I/O and the speaker arrangements carry pointers to the host's
// own records in value and pointer, which no argument of a test can fake.
constexpr int32_t kLeftOut[] = {EffectOpcode::close, EffectOpcode::editorOpen, EffectOpcode::processVariableIo,
                                EffectOpcode::setSpeakerArrangement, EffectOpcode::getSpeakerArrangement};

// Anything the table does not name gets an empty record it may fill, but
// nothing may go beyond the buffer.
constexpr PointerUse kUnknownUse = {0, Pointer::record, WatchedBuffer::kSize};

const PointerUse& pointerUse(int32_t opcode)
{
    for (const PointerUse& use : kPointerUses) {
        if (use.opcode == opcode) {
            return use;
        }
    }
    return kUnknownUse;
}

bool leftOut(int32_t opcode)
{
    for (const int32_t skipped : kLeftOut) {
        if (skipped == opcode) {
            return true;
        }
    }
    return false;
}

// Index and value pairs: zero, one, odd, negative, just past the counts,
// and the extremes of the type.
std::vector<intptr_t> oddArguments(const HostedPlugin& plugin)
{
    return {0, 1, 3, -1, plugin.numParameters(), plugin.numPrograms(), 1 << 20, INT_MAX, INT_MIN};
}

std::string callText(int32_t opcode, int32_t index, intptr_t value)
{
    return "opcode " + std::to_string(opcode) + " (index " + std::to_string(index) + ", value " +
           std::to_string(value) + ")";
}

void sendOne(HostedPlugin& plugin, int32_t opcode, int32_t index, intptr_t value, Findings& findings)
{
    const PointerUse& use = pointerUse(opcode);
    const bool input = use.use == Pointer::inputText || use.use == Pointer::inputRecord;
    // Records of unknown requests start empty: a plug-in may read them as its input.
    const bool unknown = &use == &kUnknownUse;
    WatchedBuffer buffer(input || unknown ? WatchedBuffer::Start::zeros : WatchedBuffer::Start::pattern);
    if (use.use == Pointer::inputText) {
        std::snprintf(buffer.data(), WatchedBuffer::kSize, "%s", "bypass");
    }
    if (use.use == Pointer::inputRecord && (value < 0 || value > static_cast<intptr_t>(WatchedBuffer::kSize))) {
        // A host passes the size of the data it points to, never more.
        value = 0;
    }
    const std::string call = callText(opcode, index, value);
    findings.attempt(call);
    plugin.dispatch(opcode, index, value, buffer.data(), static_cast<float>(value));
    if (use.use == Pointer::text) {
        findings.failOn(textFault(buffer, use.bound, call));
    } else if (!input && buffer.writtenExtent() > use.bound) {
        findings.fail(call + ": wrote " + std::to_string(buffer.writtenExtent()) + " bytes into a record of " +
                      std::to_string(use.bound));
    }
}

void checkOpcodes(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = library.prepared();
    std::vector<int32_t> opcodes;
    for (int32_t opcode = 0; opcode <= kLastKnownOpcode; ++opcode) {
        opcodes.push_back(opcode);
    }
    opcodes.insert(opcodes.end(), std::begin(kUnknownOpcodes), std::end(kUnknownOpcodes));
    const std::vector<intptr_t> arguments = oddArguments(*plugin);
    for (const int32_t opcode : opcodes) {
        if (leftOut(opcode)) {
            continue;
        }
        for (size_t i = 0; i < arguments.size(); ++i) {
            // Quick: each argument once as index and value together; else every pair.
            for (size_t j = settings.quick ? i : 0; j < (settings.quick ? i + 1 : arguments.size()); ++j) {
                sendOne(*plugin, opcode, static_cast<int32_t>(arguments[i]), arguments[j], findings);
            }
        }
    }
    // Whatever the requests did, a host that sets the instance up again can use it.
    plugin->suspend();
    plugin->prepare(kCheckRateHz, kCheckBlockSize);
    const AudioBuffer out = processed(*plugin, noiseSignal(plugin->numInputs(), 4096, 0.5f, 1), kCheckBlockSize);
    if (const auto frame = firstNonFinite(out)) {
        findings.fail("after the requests, set up again, the output is not finite at frame " + std::to_string(*frame));
    }
}

}  // namespace

std::vector<Check> dispatcherChecks()
{
    return {{"dispatcher.requests",
             "every opcode 0 to 80 and beyond with odd arguments: no crash, texts terminated within the host's buffer, "
             "records within their size, the instance still works",
             checkOpcodes}};
}

}  // namespace fendwick

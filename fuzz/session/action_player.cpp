// Each host action as the calls a host makes for it, with the checks after them.
#include "action_player.h"

#include "guarded_text_buffer.h"
#include "hosted_plugin.h"
#include "output_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace fendwick {
namespace {

// Copies `text` into the buffer with a terminator, cut to fit.
void fill(GuardedTextBuffer& buffer, const std::string& text)
{
    const size_t length = std::min(text.size(), GuardedTextBuffer::kSize - 1);
    std::memcpy(buffer.data(), text.data(), length);
    buffer.data()[length] = '\0';
}

std::optional<std::string> dispatch(HostedPlugin& plugin, const HostAction& action)
{
    if (action.opcode == EffectOpcode::close) {
        return std::nullopt;
    }
    GuardedTextBuffer buffer;
    fill(buffer, action.text);
    std::array<void*, 2> pointerSlots{};
    intptr_t value = action.value;
    void* pointer = buffer.data();
    switch (action.opcode) {
    case EffectOpcode::setSpeakerArrangement:
    case EffectOpcode::getSpeakerArrangement: value = reinterpret_cast<intptr_t>(pointerSlots.data()); break;
    case EffectOpcode::setChunk: value = std::clamp<intptr_t>(value, 0, GuardedTextBuffer::kSize); break;
    case EffectOpcode::editorOpen: pointer = nullptr; break;
    default: break;
    }
    plugin.dispatch(action.opcode, action.index, value, pointer, action.number);
    if (buffer.overrun()) {
        return "wrote past the host's buffer answering opcode " + std::to_string(action.opcode);
    }
    return std::nullopt;
}

std::optional<std::string> process(HostedPlugin& plugin, const HostAction& action)
{
    const auto frames = static_cast<size_t>(action.frames);
    // Exactly as long as the call, so that a sanitizer sees a write past it.
    std::vector<std::vector<float>> inputs(static_cast<size_t>(plugin.numInputs()));
    std::vector<std::vector<float>> outputs(static_cast<size_t>(plugin.numOutputs()), std::vector<float>(frames));
    std::vector<float*> inputPointers;
    std::vector<float*> outputPointers;
    for (size_t c = 0; c < inputs.size(); ++c) {
        const auto first = action.samples.begin() + static_cast<ptrdiff_t>(c % HostAction::kChannels * frames);
        inputs[c].assign(first, first + static_cast<ptrdiff_t>(frames));
        inputPointers.push_back(inputs[c].data());
    }
    for (std::vector<float>& output : outputs) {
        outputPointers.push_back(output.data());
    }
    if (action.kind == HostAction::Kind::processReplacing) {
        plugin.processReplacing(inputPointers.data(), outputPointers.data(), action.frames);
    } else {
        plugin.processAccumulating(inputPointers.data(), outputPointers.data(), action.frames);
    }
    if (auto found = nonFiniteOutput(outputPointers.data(), plugin.numOutputs(), action.frames)) {
        return *found + " after a " +
               (action.kind == HostAction::Kind::processReplacing ? "replacing" : "accumulating") + " call of " +
               std::to_string(frames) + " frames";
    }
    return std::nullopt;
}

std::optional<std::string> play(HostedPlugin& plugin, const HostAction& action)
{
    switch (action.kind) {
    case HostAction::Kind::dispatch: return dispatch(plugin, action);
    case HostAction::Kind::setParameter: plugin.setParameter(action.index, action.number); break;
    case HostAction::Kind::getParameter:
        if (const float value = plugin.getParameter(action.index); !std::isfinite(value)) {
            return "parameter " + std::to_string(action.index) + " reads back as " + std::to_string(value);
        }
        break;
    case HostAction::Kind::setProgram: plugin.dispatch(EffectOpcode::setProgram, 0, action.value); break;
    case HostAction::Kind::renameProgram: {
        HostAction rename = action;
        rename.opcode = EffectOpcode::setProgramName;
        return dispatch(plugin, rename);
    }
    case HostAction::Kind::setSampleRate: plugin.dispatch(EffectOpcode::setSampleRate, 0, 0, nullptr, action.number); break;
    case HostAction::Kind::setBlockSize: plugin.dispatch(EffectOpcode::setBlockSize, 0, action.value); break;
    case HostAction::Kind::resume: plugin.dispatch(EffectOpcode::mainsChanged, 0, 1); break;
    case HostAction::Kind::suspend: plugin.dispatch(EffectOpcode::mainsChanged, 0, 0); break;
    case HostAction::Kind::processReplacing:
    case HostAction::Kind::processAccumulating: return process(plugin, action);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> playActions(HostedPlugin& plugin, const std::vector<HostAction>& actions)
{
    for (size_t step = 0; step < actions.size(); ++step) {
        if (auto found = play(plugin, actions[step])) {
            return "step " + std::to_string(step) + ": " + *found;
        }
    }
    return std::nullopt;
}

}  // namespace fendwick

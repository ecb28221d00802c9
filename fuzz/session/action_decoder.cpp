// The byte layout of a fuzzed host session.
#include "action_decoder.h"

#include "byte_reader.h"

namespace fendwick {
namespace {

// Opcode bytes below this are taken modulo kOpcodeSpan, the rest read a full integer.
constexpr uint8_t kPlainOpcodeTags = 250;
constexpr int32_t kOpcodeSpan = 96;

int32_t readOpcode(ByteReader& reader)
{
    const uint8_t tag = reader.byte();
    return tag < kPlainOpcodeTags ? tag % kOpcodeSpan : reader.integer();
}

void readAudio(ByteReader& reader, HostAction& action)
{
    action.frames = reader.byte() % (HostAction::kMostFrames + 1);
    action.samples.resize(static_cast<size_t>(action.frames) * HostAction::kChannels);
    for (float& sample : action.samples) {
        sample = reader.sample();
    }
}

HostAction readAction(ByteReader& reader)
{
    HostAction action;
    action.kind = static_cast<HostAction::Kind>(reader.byte() % HostAction::kKindCount);
    switch (action.kind) {
    case HostAction::Kind::dispatch:
        action.opcode = readOpcode(reader);
        action.index = reader.integer();
        action.value = reader.integer();
        action.number = reader.number();
        action.text = reader.text();
        break;
    case HostAction::Kind::setParameter:
        action.index = reader.integer();
        action.number = reader.number();
        break;
    case HostAction::Kind::getParameter: action.index = reader.integer(); break;
    case HostAction::Kind::setProgram:
    case HostAction::Kind::setBlockSize: action.value = reader.integer(); break;
    case HostAction::Kind::renameProgram: action.text = reader.text(); break;
    case HostAction::Kind::setSampleRate: action.number = reader.number(); break;
    case HostAction::Kind::resume:
    case HostAction::Kind::suspend: break;
    case HostAction::Kind::processReplacing:
    case HostAction::Kind::processAccumulating: readAudio(reader, action); break;
    }
    return action;
}

}  // namespace

std::vector<HostAction> decodeActions(const uint8_t* data, size_t size)
{
    ByteReader reader(data, size);
    std::vector<HostAction> actions;
    while (!reader.empty() && actions.size() < kMostActions) {
        actions.push_back(readAction(reader));
    }
    return actions;
}

}  // namespace fendwick

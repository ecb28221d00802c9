// Drives one plug-in instance through a decoded host session and watches what it does wrong.
#pragma once

#include "host_action.h"

#include <optional>
#include <string>
#include <vector>

namespace fendwick {

class HostedPlugin;

// Plays `actions` in order on `plugin` and answers the first finding, in
// words, or nothing. Findings: an output sample that is NaN or infinite
// after a process call, a parameter that reads back as no number, a text
// written past the host's buffer. Crashes are the sanitizers' to catch.
//
// Every pointer the plug-in gets is valid: texts and structures go into a
// guarded buffer, the opcodes whose value is a pointer (speaker
// arrangements) get a pair of pointer slots, chunk sizes stay within the
// buffer. Close (opcode 1) is left to the instance's end, since it deletes
// the plug-in, and an editor opens with no parent window, which a window
// system refuses and the headless backend accepts.
std::optional<std::string> playActions(HostedPlugin& plugin, const std::vector<HostAction>& actions);

}  // namespace fendwick

// Turns a fuzzer's bytes into the host session they stand for.
#pragma once

#include "host_action.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fendwick {

// Every byte string is a session: a kind byte, then that kind's arguments,
// until the bytes run out or kMostActions steps are read. Opcodes are
// mostly 0..95 (all the interface names and some beyond), sometimes any
// int32. Process calls take 0..kMostFrames frames of one sample byte per
// channel and frame.
std::vector<HostAction> decodeActions(const uint8_t* data, size_t size);

// Long enough for any session worth having, short enough that one input
// stays quick.
constexpr size_t kMostActions = 4096;

}  // namespace fendwick

// The sizes of the buffers and records a host hands a plug-in, which no answer may write beyond.
#pragma once

#include "vst2_abi.h"

#include <cstddef>

namespace fendwick {

// Bytes, terminator included. The interface asks 8 characters of parameter
// names, labels and display texts, but hosts hand over 64-byte buffers for
// them and show longer names whole, so only writing past 64 bytes harms a
// host.
constexpr size_t kParameterTextBytes = 64;
constexpr size_t kProgramNameBytes = kProgramNameSize;
constexpr size_t kEffectNameBytes = 32;
constexpr size_t kVendorTextBytes = 64;
constexpr size_t kErrorTextBytes = 256;
constexpr size_t kShellNameBytes = 64;

// Records a plug-in fills in: a pointer written into the host's slot, the
// pin and parameter properties, and the three MIDI name records.
constexpr size_t kPointerSlotBytes = sizeof(void*);
constexpr size_t kPinPropertiesBytes = 128;
constexpr size_t kParameterPropertiesBytes = 152;
constexpr size_t kMidiNameRecordBytes = 80;

}  // namespace fendwick

// The character compressor's meters: their kinds and staggered start counts.
#include "character_meters.h"

namespace fendwick {

CharacterMeters::CharacterMeters(CharacterChannels channels, int32_t firstIndex)
    : first(firstIndex),
      meterCount(2 + 2 * static_cast<int32_t>(channels)),
      meters{meterInSlot(channels, 0), meterInSlot(channels, 1), meterInSlot(channels, 2),
             meterInSlot(channels, 3), meterInSlot(channels, 4), meterInSlot(channels, 5)}
{
}

// The compressor meters start at 3 and 13, the first channel's output and
// limiter meters at 23 and 33, the second channel's three frames after
// those: no two meters publish on the same frame.
MeterChannel CharacterMeters::meterInSlot(CharacterChannels channels, int32_t slot)
{
    const int32_t channelCount = static_cast<int32_t>(channels);
    if (slot == kCompressorGainSlot) {
        return MeterChannel(MeterKind::gain, 3);
    }
    if (slot == kCompressedLevelSlot) {
        return MeterChannel(MeterKind::level, 13);
    }
    const int32_t output = slot - outputSlot(0);
    if (output < channelCount) {
        return MeterChannel(MeterKind::level, 23 + 3 * output);
    }
    return MeterChannel(MeterKind::gain, 33 + 3 * (output - channelCount));
}

void CharacterMeters::reset()
{
    for (MeterChannel& meter : meters) {
        meter.reset();
    }
}

}  // namespace fendwick

// The three-band character compressor's meters: their kinds and staggered start counts.
#include "multiband_character_meters.h"

namespace fendwick {

// Band meters three frames apart, the gains from 3, the levels from 13, the
// output at 23 and the limiter at 33: no two publish on the same frame.
MultibandCharacterMeters::MultibandCharacterMeters()
    : meters{MeterChannel(MeterKind::gain, 3),   MeterChannel(MeterKind::gain, 6),
             MeterChannel(MeterKind::gain, 9),   MeterChannel(MeterKind::level, 13),
             MeterChannel(MeterKind::level, 16), MeterChannel(MeterKind::level, 19),
             MeterChannel(MeterKind::level, 23), MeterChannel(MeterKind::gain, 33)}
{
}

void MultibandCharacterMeters::reset()
{
    for (MeterChannel& meter : meters) {
        meter.reset();
    }
}

}  // namespace fendwick

// The three-band character compressor's meters: their kinds and staggered start counts.
#include "multiband_character_meters.h"

namespace fendwick {

// Band meters three frames apart, the gains from 3, the levels from 13, the
// output at 23 and the limiter at 33: no two publish on the same frame.
MultibandCharacterMeters::MultibandCharacterMeters()
    : meters{MeterChannel(kKinds[0], 3),  MeterChannel(kKinds[1], 6),  MeterChannel(kKinds[2], 9),
             MeterChannel(kKinds[3], 13), MeterChannel(kKinds[4], 16), MeterChannel(kKinds[5], 19),
             MeterChannel(kKinds[6], 23), MeterChannel(kKinds[7], 33)}
{
}

void MultibandCharacterMeters::reset()
{
    for (MeterChannel& meter : meters) {
        meter.reset();
    }
}

}  // namespace fendwick

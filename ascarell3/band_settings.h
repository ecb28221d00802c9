// One band's settings of the three-band compressor, as its setters leave them.
#pragma once

#include "ratio_slope.h"

namespace fendwick {

// Written by the parameter setters on the host's or the editor's thread,
// read once per block by the processing. The normalized values are kept so
// that the host reads back what it set.
struct BandSettings {
    float threshold = 1.0f;    // T, linear amplitude
    float slope = 1.0f;        // S: output level T + S (m - T) above T; 1 no compression
    float inputGain = 1.0f;    // linear, weighs the band in the mix
    float power = 1.0f;        // PW: 1.0 band on, 0.0 off
    float compression = 1.0f;  // Comp: 1.0 compressed, 0.0 passed at unity
    float thresholdParam = 0.0f;
    float ratioParam = 0.0f;
    float inputParam = 0.0f;
    float attackParam = 0.0f;
    float releaseParam = 0.0f;
    float kneeParam = 0.0f;
    float arcParam = 0.0f;
};

}  // namespace fendwick

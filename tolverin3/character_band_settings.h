// One band's settings of the three-band character compressor, as its setters leave them.
#pragma once

namespace fendwick {

// Written by the parameter setters on the host's or the editor's thread and
// copied once per block for the processing. The normalized values the host
// reads back are kept by the effect.
struct CharacterBandSettings {
    float threshold = 1.0f;    // T, linear amplitude
    float slope = 1.0f;        // k: output level T + k (m - T) above T; 1 no compression
    float inputGain = 1.0f;    // linear, twice "_In": weighs the band in the mix
    float power = 1.0f;        // PW: 1.0 band on, 0.0 silent
    float compression = 1.0f;  // Comp: 1.0 compressed, 0.0 passed at unity
    float type = 0.0f;         // normalized: below 0.5 the gentle gain curve, else the plain gain
};

}  // namespace fendwick

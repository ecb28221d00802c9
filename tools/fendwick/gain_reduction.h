// How far a plug-in pulled the level down, measured from its input and output.
#pragma once

#include "audio_buffer.h"

#include <cstddef>

namespace fendwick {

// The plug-ins do not report their gain reduction, so it is measured: the
// RMS of all input channels against that of all output channels in windows
// of `windowFrames`; answers the largest input-to-output drop in dB over the
// windows whose input is above -60 dBFS (0 when there are none). Static
// gains (input or output level) count too.
double largestGainReductionDb(const AudioBuffer& input, int inputChannels, const AudioBuffer& output,
                              int outputChannels, size_t windowFrames);

}  // namespace fendwick

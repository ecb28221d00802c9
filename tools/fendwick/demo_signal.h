// The demo's short piece of music, made in memory.
#pragma once

#include "audio_buffer.h"

namespace fendwick {

// Stereo: kick on one and three, snare on two and four, hi-hat on the eighths
// (a little to the right) at 120 beats per minute, over a sustained minor
// seventh chord detuned between the channels; peaks at -1 dBFS, so that a
// compressor has transients to catch and a bed to breathe on.
AudioBuffer makeDemoSignal(double sampleRateHz, double seconds);

}  // namespace fendwick

// The signal every speed comparison of ours runs on.
#pragma once

#include "audio_buffer.h"

namespace fendwick {

// Envelope rate and peak of the benchmark signal: loud enough at its peaks
// that a compressor works, never silent so that no silence gate skips work.
constexpr double kBenchmarkEnvelopeHz = 2.0;
constexpr double kBenchmarkPeakDb = -3.0;
constexpr double kBenchmarkFloorDb = -40.0;

// Deterministic white noise times a raised-cosine envelope of 2 Hz between
// -40 dBFS and -3 dBFS, starting at its floor; each channel has its own noise.
AudioBuffer makeBenchmarkSignal(double sampleRateHz, double seconds, int channels);

}  // namespace fendwick

// The three-band character compressor's frame loop one frame at a time, in
// standard C++ alone: the reference every faster loop must match.
#pragma once

#include "character_band_compressor.h"
#include "multiband_character_state.h"
#include "sample_guards.h"
#include "silence_gate.h"

#include <cstdint>

namespace fendwick {

// What a block reads from the band settings, copied once, so that a setter
// running meanwhile changes the next block, never half of this one.
struct MultibandCharacterBlockSettings {
    CharacterBandSettings bands[kMultibandBandCount];  // Hi, Mid, Lo
    int32_t meterInterval;                             // frames each meter gathers before it publishes
};

// Processes frames of the mono input into the output (replacing, or adding
// to it when accumulating), moving the state on and handing every due meter
// reading to publish(index, value). A skipped frame steps no filter or
// detector; the replacing loop writes 0.0 for it. Audio thread; no
// allocation, no lock, no system call.
//
// Per frame, all linear amplitude:
//   v      the usable input, then after the low cut
//   band   the crossover's Hi, Mid and Lo samples of v, which add up to it
//   share  each band's compressor output times its band gain
//   u      the band mix, the sum of the shares
//   o      the output: u through the SonicFilter, the output level, the limiter
template <bool Accumulate, class Publish>
void runScalarMultibandCharacterFrames(const MultibandCharacterBlockSettings& s, MultibandCharacterState& state,
                                       Publish& publish, const float* input, float* output, int32_t frames)
{
    constexpr auto kHi = static_cast<int32_t>(MultibandBand::hi);
    constexpr auto kMid = static_cast<int32_t>(MultibandBand::mid);
    constexpr auto kLo = static_cast<int32_t>(MultibandBand::lo);

    SilenceGate gate(state.silenceCount, state.processingActive);
    for (int32_t i = 0; i < frames; ++i) {
        float v = usableInput(input[i]);
        if (!gate.step(SilenceGate::nearSilent<uint32_t>(v))) {
            state.meters.skip(s.meterInterval, publish);
            output[i] = Accumulate ? output[i] : 0.0f;
            continue;
        }

        v = state.loCut.step(v);
        CrossoverBands split;
        state.crossover.split(&v, &split);
        float band[kMultibandBandCount] = {};
        band[kHi] = split.hi;
        band[kMid] = split.mid;
        band[kLo] = split.lo;

        MultibandCharacterReadings readings{};
        for (int32_t b = kLo; b >= kHi; --b) {
            const BandOutput out = compressCharacterBand(s.bands[b], state.detectors[b], band[b]);
            readings.bandShare[b] = out.sample * s.bands[b].inputGain;
            readings.bandGain[b] = out.gain;
        }
        const float u = flushToZero(readings.bandShare[kHi] + readings.bandShare[kMid] + readings.bandShare[kLo]);
        const OutputSample o = state.output.step(state.sonicFilter.step(u));
        readings.output = o.output;
        readings.limiterGain = o.limiterGain;
        output[i] = Accumulate ? output[i] + o.output : o.output;
        state.meters.gather(readings, s.meterInterval, publish);
    }
    state.silenceCount = gate.silenceCount();
    state.processingActive = gate.processingActive();
}

}  // namespace fendwick

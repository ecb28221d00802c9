// The character compressor's frame loop one frame at a time, in standard C++ alone.
#pragma once

#include "character_block_settings.h"
#include "character_channel.h"
#include "character_meters.h"
#include "compressor_gain.h"
#include "gain_softening.h"
#include "peak_limiter.h"
#include "sample_guards.h"
#include "silence_gate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace fendwick {

// Processes frames of the inputs into the outputs (replacing, or adding to
// them when accumulating), moving the channels' histories, the gate and the
// meters on and handing every due meter reading to publish(index, value).
// Audio thread; no allocation, no lock, no system call.
//
// Per frame, all linear amplitude:
//   x      the usable input, then after the low cut and the enhancer
//   level  the compressor detector's level; g its gain, h that gain softened
//   y      the compressed sample; m the character gain of the louder channel
//   z      the characterised sample at the output level
//   e      the limiter gain; o the output under the limiter and the ceiling
template <int Channels, bool Accumulate, class Publish>
void runScalarCharacterFrames(const CharacterBlockSettings& s, CharacterChannel* channels, CharacterMeters& meters,
                              CharacterGateState& gateState, Publish& publish, float* const* inputs,
                              float* const* outputs, int32_t frames)
{
    SilenceGate gate(gateState.silenceCount, gateState.processingActive);
    for (int32_t i = 0; i < frames; ++i) {
        float x[2] = {};
        bool quiet = true;
        for (int c = 0; c < Channels; ++c) {
            x[c] = usableInput(inputs[c][i]);
            quiet = quiet && SilenceGate::nearSilent<uint32_t>(x[c]);
        }
        if (!gate.step(quiet)) {
            // A bypassed frame leaves every history where it was; only the meters count on.
            meters.skip<Channels>(s.meterInterval, publish);
            for (int c = 0; c < Channels; ++c) {
                outputs[c][i] = Accumulate ? outputs[c][i] : 0.0f;
            }
            continue;
        }

        for (int c = 0; c < Channels; ++c) {
            if (s.loCut) {
                x[c] = channels[c].loCut.step(x[c]);
            } else {
                channels[c].loCut.bypass();
            }
        }
        if (Channels == 2 && s.enhancer) {
            const StereoPair wide = s.stereoEnhancer.step(x[0], x[1]);
            x[0] = wide.left;
            x[1] = wide.right;
        }

        float level[2] = {};
        float g[2] = {1.0f, 1.0f};
        for (int c = 0; c < Channels; ++c) {
            level[c] = channels[c].level.step(x[c]);
            g[c] = compressorGain(s.threshold, s.slope, level[c]);
        }
        if (Channels == 2 && s.linked) {
            // The louder channel's gain for both, the left one's when they are level.
            g[0] = g[1] = level[0] >= level[1] ? g[0] : g[1];
        }

        float h[2] = {};
        float y[2] = {};
        float m = 1.0f;
        for (int c = 0; c < Channels; ++c) {
            h[c] = s.softened ? reductionGain(g[c]) : g[c];
            y[c] = flushToZero(x[c] * h[c]);
            const float a = characterGain(s.curve, channels[c].character.step(y[c]));
            m = c == 0 ? a : std::min(m, a);
        }

        float z[2] = {};
        float e[2] = {1.0f, 1.0f};
        float limiterLevel[2] = {};
        for (int c = 0; c < Channels; ++c) {
            z[c] = flushToZero(m * y[c]) * s.outputGain;
            if (s.limiter) {
                limiterLevel[c] = channels[c].limiter.step(z[c]);
                e[c] = limiterGain(limiterLevel[c]);
            }
        }
        if (Channels == 2 && s.linked && s.limiter) {
            e[0] = e[1] = limiterLevel[0] >= limiterLevel[1] ? e[0] : e[1];
        }

        MeterReadings readings{h[0], std::fabs(y[0]), {}, {e[0], e[1]}};
        for (int c = 0; c < Channels; ++c) {
            const float o = s.limiter ? limitedOutput(e[c], z[c], s.ceiling) : z[c];
            readings.outputLevel[c] = std::fabs(o);
            outputs[c][i] = Accumulate ? outputs[c][i] + o : o;
        }
        if (Channels == 2) {
            readings.compressorGain = std::min(h[0], h[1]);
            readings.compressedLevel = std::max(std::fabs(y[0]), std::fabs(y[1]));
        }
        meters.gather<Channels>(readings, s.meterInterval, publish);
    }
    gateState.silenceCount = gate.silenceCount();
    gateState.processingActive = gate.processingActive();
}

}  // namespace fendwick

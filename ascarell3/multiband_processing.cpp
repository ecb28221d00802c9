// The three-band compressor's processing routines, replacing and
// accumulating, stereo and mono: the fields in, the frame loop, the state out.
#include "multiband_compressor.h"

#include "gain_law.h"
#include "sample_guards.h"
#include "silence_gate.h"

namespace fendwick {

namespace {

using BandGain = GainOutput<float, int32_t, uint32_t>;

constexpr auto kHi = static_cast<int32_t>(MultibandBand::hi);
constexpr auto kMid = static_cast<int32_t>(MultibandBand::mid);
constexpr auto kLo = static_cast<int32_t>(MultibandBand::lo);

}  // namespace

void MultibandCompressor::processReplace(float** inputs, float** outputs, int32_t sampleFrames)
{
    processBlock<false>(inputs, outputs, sampleFrames);
}

void MultibandCompressor::processAccumulate(float** inputs, float** outputs, int32_t sampleFrames)
{
    processBlock<true>(inputs, outputs, sampleFrames);
}

template <bool Accumulate>
void MultibandCompressor::processBlock(float** inputs, float** outputs, int32_t sampleFrames)
{
    if (inputs == nullptr || outputs == nullptr) {
        return;
    }
    if (isStereo()) {
        process<2, Accumulate>(inputs, outputs, sampleFrames);
    } else {
        process<1, Accumulate>(inputs, outputs, sampleFrames);
    }
}

// State of the loop:
//   envelopes  the detector envelopes (linear amplitude), per band and channel
//   gate       near-silent frames in a row and whether frames are processed
//   crossover  the sections' last inputs and outputs, kept while muted
//   weighted   each band's output times its input gain, per channel
template <int Channels, bool Accumulate>
void MultibandCompressor::process(float** inputs, float** outputs, int32_t sampleFrames)
{
    EnvelopeDetector::Coefficients coefficients[kMultibandBandCount][2];
    EnvelopeDetector::Envelope envelopes[kMultibandBandCount][2];
    BandSettings settings[kMultibandBandCount];
    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        settings[b] = bands[b];
        for (int c = 0; c < Channels; ++c) {
            coefficients[b][c] = detectors[b][c].coefficients();
            envelopes[b][c] = detectors[b][c].state();
        }
    }
    const float gainOut = outParam + outParam;
    SilenceGate gate(silenceCount, processingActive);

    for (int32_t i = 0; i < sampleFrames; ++i) {
        float x[ThreeBandCrossover::kMaxChannels] = {};
        bool quiet = true;
        for (int c = 0; c < Channels; ++c) {
            x[c] = usableInput(inputs[c][i]);
            quiet = quiet && SilenceGate::nearSilent<uint32_t>(x[c]);
        }
        if (!gate.step(quiet)) {
            // Muted frames let the detectors decay and leave the crossover as it was.
            for (int32_t b = 0; b < kMultibandBandCount; ++b) {
                for (int c = 0; c < Channels; ++c) {
                    EnvelopeDetector::step(coefficients[b][c], envelopes[b][c], 0.0f);
                }
            }
            for (int c = 0; c < Channels; ++c) {
                outputs[c][i] = Accumulate ? outputs[c][i] : 0.0f;
            }
            continue;
        }

        CrossoverBands split[ThreeBandCrossover::kMaxChannels];
        crossover.split(x, split);
        float weighted[kMultibandBandCount][2] = {};
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            const BandSettings& s = settings[b];
            float sample[2] = {};
            float level[2] = {};
            for (int c = 0; c < Channels; ++c) {
                sample[c] = b == kLo ? split[c].lo : b == kMid ? split[c].mid : split[c].hi;
                // Stepped with Comp off too, so that switching it on finds the envelope where it is.
                level[c] = EnvelopeDetector::step(coefficients[b][c], envelopes[b][c], sample[c]);
            }
            float gain = 1.0f;
            BandGain::linkedGain<Channels>(s.threshold, s.slope, level, gain);
            for (int c = 0; c < Channels; ++c) {
                const float out = s.compression > 0.5f ? flushToZero(gain * sample[c]) : sample[c];
                weighted[b][c] = (s.power > 0.5f ? out : 0.0f) * s.inputGain;
            }
        }
        for (int c = 0; c < Channels; ++c) {
            const float y = flushToZero(weighted[kLo][c] + weighted[kHi][c] + weighted[kMid][c]) * gainOut;
            outputs[c][i] = Accumulate ? outputs[c][i] + y : y;
        }
    }

    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        for (int c = 0; c < Channels; ++c) {
            detectors[b][c].setState(envelopes[b][c]);
        }
    }
    silenceCount = gate.silenceCount();
    processingActive = gate.processingActive();
}

}  // namespace fendwick

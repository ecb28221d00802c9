// The three-band clean compressor: crossover, one envelope detector per band
// and channel, per-band threshold, ratio, power and compression switches,
// input gains, silence gate and output level, for stereo and mono.
#pragma once

#include "ascarell3_parameters.h"
#include "band_settings.h"
#include "crossover_handoff.h"
#include "crossover_split_points.h"
#include "effect_base.h"
#include "envelope_detector.h"
#include "three_band_crossover.h"

#include <cstdint>

namespace fendwick {

enum class MultibandChannels : int32_t { mono = 1, stereo = 2 };

// Parameter setters run on the host's or the editor's thread and recompute
// derived values at once, but for the crossover's, which the audio thread
// recomputes from the newest split points at the start of a block; the
// processing reads them once per block on the audio thread. Suspend and resume clear the crossover, the envelopes and
// the silence gate and keep every setting. Names, programs and identity are
// the tables' (ascarell3_tables.h). Moving one crossover point past the
// other pushes it along; the program keeps the value set for each.
class MultibandCompressor : public EffectBase {
public:
    MultibandCompressor(HostCallback callback, MultibandChannels channels);

    float getParameter(int32_t index) override;
    void setSampleRate(float sampleRateHz) override;
    void suspend() override;
    void resume() override;
    void processAccumulate(float** inputs, float** outputs, int32_t sampleFrames) override;
    void processReplace(float** inputs, float** outputs, int32_t sampleFrames) override;

    void resetState();
    bool isStereo() const { return channelCount == MultibandChannels::stereo; }

protected:
    void applyParameter(int32_t index, float value) override;

private:
    void applyBandParameter(int32_t band, int32_t offset, float x);
    template <class Action>
    void forEachDetector(Action action)
    {
        for (EnvelopeDetector (&bandDetectors)[2] : detectors) {
            for (EnvelopeDetector& d : bandDetectors) {
                action(d);
            }
        }
    }
    template <int Channels, bool Accumulate>
    void process(float** inputs, float** outputs, int32_t sampleFrames);

    MultibandChannels channelCount;
    ThreeBandCrossover crossover;
    CrossoverSplitPoints splitPoints;  // as the setters coupled them
    CrossoverHandoff splitHandoff;     // the same, for the audio thread
    BandSettings bands[kMultibandBandCount];            // Hi, Mid, Lo
    EnvelopeDetector detectors[kMultibandBandCount][2];  // per band: left (or mono), right
    float outParam = 0.0f;                               // the output gain is twice it
    int32_t silenceCount = 0;
    int32_t processingActive = 0;
};

}  // namespace fendwick

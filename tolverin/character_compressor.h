// The single-band character compressor: low cut, stereo enhancer, level
// detector with threshold, ratio and stereo link, Reduction softening,
// character stage, output level, peak limiter with ceiling, silence gate and
// meters, for the stereo and the mono build.
#pragma once

#include "character_block_settings.h"
#include "character_channel.h"
#include "character_channels.h"
#include "character_meters.h"
#include "effect_base.h"
#include "stereo_enhancer.h"
#include "tolverin_parameters.h"

#include <cstdint>

namespace fendwick {

// Parameter setters run on the host's or the editor's thread and recompute
// derived values at once; the processing reads them once per block on the
// audio thread and publishes the meters as display values from the first
// index after the parameters. Suspend and resume clear every filter and
// detector history, the silence gate and the meters, set the meter interval
// back to 4410 frames and keep every setting; a sample-rate change keeps the
// histories and recomputes coefficients and the meter interval. Names,
// programs and identity are the tables' (tolverin_tables.h).
class CharacterCompressor : public EffectBase {
public:
    CharacterCompressor(HostCallback callback, CharacterChannels channels);

    float getParameter(int32_t index) override;
    void setSampleRate(float sampleRateHz) override;
    void suspend() override;
    void resume() override;
    void processAccumulate(float** inputs, float** outputs, int32_t sampleFrames) override;
    void processReplace(float** inputs, float** outputs, int32_t sampleFrames) override;

    void resetState();
    bool isStereo() const { return channelCount == CharacterChannels::stereo; }
    int32_t meterInterval() const { return meterFrames; }

protected:
    void applyParameter(int32_t index, float value) override;

private:
    // The stereo index of a parameter of this build.
    TolverinParam::Index stereoParameter(int32_t index) const;
    void publishMeters();
    CharacterBlockSettings blockSettings() const;
    template <int Channels, bool Accumulate>
    void process(float** inputs, float** outputs, int32_t sampleFrames);

    CharacterChannels channelCount;
    CharacterChannel channelBlocks[2];  // left (or mono), right
    StereoEnhancer enhancer;
    CharacterMeters meters;
    float parameters[TolverinParam::count] = {};  // by stereo index, as the host reads them back
    float threshold = 1.0f;                       // T, linear amplitude
    float slope = 1.0f;                           // k; 1 no compression
    int32_t meterFrames = kResetMeterInterval;
    CharacterGateState gate{0, 0};
};

}  // namespace fendwick

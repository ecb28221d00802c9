// The three-band character compressor: switched low cut, crossover, three
// band compressors with Type, PW and Comp, band mix, SonicFilter, output
// level, peak limiter with ceiling, silence gate and eight meters, mono.
#pragma once

#include "effect_base.h"
#include "multiband_character_parameters.h"
#include "multiband_character_state.h"
#include "tolverin3_parameters.h"

#include <cstdint>

namespace fendwick {

// Parameter setters run on the host's or the editor's thread and recompute
// derived values at once, but for the crossover's, which the audio thread
// recomputes from the newest split points at the start of a block; the
// processing copies the band settings once per
// block on the audio thread and publishes the meters as display values
// from Tolverin3Meter::hiGain on. Every setter changes its own parameter
// only: ParamLink is kept and read back, but linking the bands is the
// editor's work where the user moves a control, and ParamLink is never
// written into a program, so that every program keeps it off. Suspend and
// resume clear every history, the silence gate and the meters, set the
// meter interval back to 4410 frames and keep every setting; a sample-rate
// change keeps the histories and recomputes coefficients and the meter
// interval. Names, programs and identity are the tables' (tolverin3_tables.h).
class MultibandCharacterCompressor : public EffectBase {
public:
    explicit MultibandCharacterCompressor(HostCallback callback);

    void setParameter(int32_t index, float value) override;
    float getParameter(int32_t index) override;
    void setSampleRate(float sampleRateHz) override;
    void suspend() override;
    void resume() override;
    void processAccumulate(float** inputs, float** outputs, int32_t sampleFrames) override;
    void processReplace(float** inputs, float** outputs, int32_t sampleFrames) override;

    void resetState();
    int32_t meterInterval() const { return meterFrames; }

protected:
    void applyParameter(int32_t index, float value) override;

private:
    void publishMeters();
    template <bool Accumulate>
    void process(float** inputs, float** outputs, int32_t sampleFrames);

    MultibandCharacterState state;
    MultibandCharacterParameters parameters;
    int32_t meterFrames = kResetMeterInterval;
};

}  // namespace fendwick

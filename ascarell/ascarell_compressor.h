// The single-band clean compressor: input gain, one envelope detector per
// channel, threshold, ratio through the gain blend, knee, ARC, silence gate
// and output level, for the stereo and the mono build.
#pragma once

#include "ascarell_parameters.h"
#include "effect_base.h"
#include "envelope_detector.h"
#include "program.h"

#include <cstdint>

namespace fendwick {

enum class AscarellChannels : int32_t { mono = 1, stereo = 2 };

// Parameter setters run on the host's or the editor's thread and recompute
// derived values at once; the processing reads them once per block on the
// audio thread. Suspend and resume clear the envelopes and the silence gate.
class AscarellCompressor : public EffectBase {
public:
    using AscarellProgram = Program<AscarellParam::count>;

    AscarellCompressor(HostCallback callback, AscarellChannels channels);

    void setParameter(int32_t index, float value) override;
    float getParameter(int32_t index) override;
    void setSampleRate(float sampleRateHz) override;
    void suspend() override;
    void resume() override;
    void processAccumulate(float** inputs, float** outputs, int32_t sampleFrames) override;
    void processReplace(float** inputs, float** outputs, int32_t sampleFrames) override;

    void setProgram(int32_t index) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    bool getProgramNameIndexed(int32_t category, int32_t index, char* name) override;
    void getParameterLabel(int32_t index, char* label) override;
    void getParameterDisplay(int32_t index, char* text) override;
    void getParameterName(int32_t index, char* name) override;
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    int32_t getVendorVersion() override;
    int32_t getPlugCategory() override;

    virtual void fillPrograms();
    virtual void resetState();
    virtual void setArc(float x);
    virtual float getArc();
    virtual void setThresh(float x);
    virtual float getThresh();
    virtual void setAttack(float x);
    virtual float getAttack();
    virtual void setRelease(float x);
    virtual float getRelease();
    virtual void setKnee(float x);
    virtual float getKnee();
    virtual void setRatio(float x);
    virtual float getRatio();

    float thresholdLinear() const { return threshold; }
    float gainBlendValue() const { return gainBlend; }
    const EnvelopeDetector& detector(int32_t channel) const { return detectors[channel]; }
    bool isStereo() const { return channelCount == AscarellChannels::stereo; }

private:
    void recomputeGainBlend();
    template <bool Accumulate>
    void processStereo(float** inputs, float** outputs, int32_t sampleFrames);
    template <bool Accumulate>
    void processMono(float** inputs, float** outputs, int32_t sampleFrames);

    AscarellChannels channelCount;
    AscarellProgram programs[kAscarellProgramCount];
    EnvelopeDetector detectors[2];
    float knee = 0.0f;
    float threshold = 1.0f;       // linear amplitude
    float threshParam = 0.0f;
    float attackParam = 0.0f;
    float ratioParam = 0.0f;
    float inputParam = 0.0f;
    float outParam = 0.0f;
    float releaseParam = 0.0f;
    float gainBlend = 1.0f;       // 1: no gain change; 0: level held at the threshold
    int32_t silenceCount = 0;
    int32_t processingActive = 0;
    float arcParam = 0.0f;
};

}  // namespace fendwick

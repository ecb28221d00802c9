// The character compressor's parameter setters, read-back, sample rate,
// reset and meter publication.
#include "character_compressor.h"

#include "ratio_slope.h"
#include "threshold_law.h"
#include "tolverin_tables.h"

namespace fendwick {

namespace {

const PluginIdentity& identityOf(CharacterChannels channels)
{
    return channels == CharacterChannels::stereo ? kTolverinStereoIdentity : kTolverinMonoIdentity;
}

ParameterTable tableOf(CharacterChannels channels)
{
    return channels == CharacterChannels::stereo ? ParameterTable(kTolverinParameterRows)
                                                 : ParameterTable(kTolverinMonoParameterRows);
}

ProgramBank programsOf(CharacterChannels channels)
{
    return channels == CharacterChannels::stereo ? ProgramBank(kTolverinFactoryPrograms)
                                                 : ProgramBank(kTolverinMonoFactoryPrograms);
}

int32_t firstMeterOf(CharacterChannels channels)
{
    if (channels == CharacterChannels::stereo) {
        return TolverinMeter::compressorGain;
    }
    return TolverinMonoMeter::compressorGain;
}

float switchValue(float x) { return x < 0.5f ? 0.0f : 1.0f; }

}  // namespace

CharacterCompressor::CharacterCompressor(HostCallback callback, CharacterChannels channels)
    : EffectBase(callback, identityOf(channels), tableOf(channels), programsOf(channels)),
      channelCount(channels),
      meters(channels, firstMeterOf(channels))
{
    displayValues.cover(meters.firstIndex(), meters.count());
    publishMeters();
    setProgram(0);
}

// The mono build lacks StereoLink, the first stereo parameter, and the two
// enhancer parameters, the last two: every other one sits one lower.
TolverinParam::Index CharacterCompressor::stereoParameter(int32_t index) const
{
    return static_cast<TolverinParam::Index>(isStereo() ? index : index + 1);
}

void CharacterCompressor::applyParameter(int32_t index, float value)
{
    const TolverinParam::Index p = stereoParameter(index);
    const bool snapped = p == TolverinParam::stereoLink || p == TolverinParam::stereoEnhSwitch;
    parameters[p] = snapped ? switchValue(value) : value;
    switch (p) {
    case TolverinParam::thresh:
        threshold = thresholdAmplitude(value);
        slope = ratioSlope(threshold, parameters[TolverinParam::ratio]);
        break;
    case TolverinParam::ratio: slope = ratioSlope(threshold, value); break;
    case TolverinParam::attack:
        for (CharacterChannel& c : channelBlocks) {
            c.level.setAttack(value);
        }
        break;
    case TolverinParam::release:
        for (CharacterChannel& c : channelBlocks) {
            c.level.setRelease(value);
        }
        break;
    case TolverinParam::arc:
        for (CharacterChannel& c : channelBlocks) {
            c.level.setReleaseMode(value);
        }
        break;
    case TolverinParam::stereoEnh: enhancer.setAmount(value); break;
    default: break;
    }
}

float CharacterCompressor::getParameter(int32_t index)
{
    return parameterTable.contains(index) ? parameters[stereoParameter(index)] : 0.0f;
}

void CharacterCompressor::setSampleRate(float sampleRateHz)
{
    EffectBase::setSampleRate(sampleRateHz);
    meterFrames = meterIntervalFor(sampleRateHz);
    for (CharacterChannel& c : channelBlocks) {
        c.setSampleRate(sampleRateHz);
    }
}

void CharacterCompressor::suspend() { resetState(); }
void CharacterCompressor::resume() { resetState(); }

void CharacterCompressor::resetState()
{
    gate = CharacterGateState{0, 0};
    meterFrames = kResetMeterInterval;
    meters.reset();
    publishMeters();
    for (CharacterChannel& c : channelBlocks) {
        c.reset();
    }
}

// The meters' rest values, for the editor to show from the start.
void CharacterCompressor::publishMeters()
{
    for (int32_t slot = 0; slot < meters.count(); ++slot) {
        setDisplayValue(meters.firstIndex() + slot, meters.value(slot));
    }
}

CharacterBlockSettings CharacterCompressor::blockSettings() const
{
    using P = TolverinParam::Index;
    const float* x = parameters;
    return CharacterBlockSettings{threshold,
                                  slope,
                                  x[P::stereoLink] >= 0.5f,
                                  x[P::loCut] >= 0.5f,
                                  x[P::stereoEnhSwitch] > 0.5f,
                                  x[P::reduction] < 0.5f,
                                  x[P::peakLimiter] >= 0.5f,
                                  characterCurveFor(x[P::character], x[P::characterMode]),
                                  enhancer,
                                  2.0f * x[P::outLevel],
                                  x[P::outCeiling],
                                  meterFrames};
}

}  // namespace fendwick

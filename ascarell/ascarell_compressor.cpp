// The single-band compressor's parameter setters and reset.
#include "ascarell_compressor.h"

#include "ascarell_tables.h"
#include "threshold_law.h"

#include <cmath>

namespace fendwick {

namespace {

const PluginIdentity& identityOf(AscarellChannels channels)
{
    return channels == AscarellChannels::stereo ? kAscarellStereoIdentity : kAscarellMonoIdentity;
}

}  // namespace

AscarellCompressor::AscarellCompressor(HostCallback callback, AscarellChannels channels)
    : EffectBase(callback, identityOf(channels), ParameterTable(kAscarellParameterRows),
                 ProgramBank(kAscarellFactoryPrograms)),
      channelCount(channels)
{
    setProgram(0);
}

void AscarellCompressor::applyParameter(int32_t index, float value)
{
    switch (index) {
    case AscarellParam::input: inputParam = value; break;
    case AscarellParam::ratio: setRatio(value); break;
    case AscarellParam::knee: setKnee(value); break;
    case AscarellParam::attack: setAttack(value); break;
    case AscarellParam::release: setRelease(value); break;
    case AscarellParam::arc: setArc(value); break;
    case AscarellParam::thresh: setThresh(value); break;
    case AscarellParam::outLevel: outParam = value; break;
    default: break;
    }
}

float AscarellCompressor::getParameter(int32_t index)
{
    switch (index) {
    case AscarellParam::input: return inputParam;
    case AscarellParam::ratio: return getRatio();
    case AscarellParam::knee: return getKnee();
    case AscarellParam::attack: return getAttack();
    case AscarellParam::release: return getRelease();
    case AscarellParam::arc: return getArc();
    case AscarellParam::thresh: return getThresh();
    case AscarellParam::outLevel: return outParam;
    default: return 0.0f;
    }
}

void AscarellCompressor::setArc(float x)
{
    arcParam = x;
    for (EnvelopeDetector& d : detectors) {
        d.setReleaseMode(x);
    }
}

float AscarellCompressor::getArc() { return arcParam; }

void AscarellCompressor::setThresh(float x)
{
    threshParam = x;
    threshold = thresholdAmplitude(x);
    recomputeGainBlend();
}

float AscarellCompressor::getThresh() { return threshParam; }

void AscarellCompressor::setAttack(float x)
{
    attackParam = x;
    for (EnvelopeDetector& d : detectors) {
        d.setAttack(x);
    }
}

float AscarellCompressor::getAttack() { return attackParam; }

void AscarellCompressor::setRelease(float x)
{
    releaseParam = x;
    for (EnvelopeDetector& d : detectors) {
        d.setRelease(x);
    }
}

float AscarellCompressor::getRelease() { return releaseParam; }

void AscarellCompressor::setKnee(float x)
{
    knee = x;
    for (EnvelopeDetector& d : detectors) {
        d.setKnee(x);
    }
}

float AscarellCompressor::getKnee() { return knee; }

void AscarellCompressor::setRatio(float x)
{
    ratioParam = x;
    recomputeGainBlend();
}

float AscarellCompressor::getRatio() { return ratioParam; }

// The blend (T^x - T) / (1 - T) of the threshold T and the ratio value x,
// taken through decibels: 1 leaves the level alone, 0 holds it at T.
void AscarellCompressor::recomputeGainBlend()
{
    const double thresholdDb = 20.0 * std::log10(static_cast<double>(threshold));
    const double scaledDb = thresholdDb * static_cast<double>(ratioParam);
    const auto t = static_cast<double>(threshold);
    gainBlend = static_cast<float>((std::pow(10.0, scaledDb * 0.05) - t) / (1.0 - t));
}

void AscarellCompressor::setSampleRate(float sampleRateHz)
{
    EffectBase::setSampleRate(sampleRateHz);
    for (EnvelopeDetector& d : detectors) {
        d.setSampleRate(sampleRateHz);
    }
}

void AscarellCompressor::suspend() { resetState(); }
void AscarellCompressor::resume() { resetState(); }

void AscarellCompressor::resetState()
{
    silenceCount = 0;
    processingActive = 0;
    for (EnvelopeDetector& d : detectors) {
        d.reset();
    }
}

}  // namespace fendwick

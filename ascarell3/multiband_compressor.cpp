// The three-band compressor's parameter setters, read-back and reset.
#include "multiband_compressor.h"

#include "ascarell3_tables.h"
#include "threshold_law.h"

namespace fendwick {

namespace {

const PluginIdentity& identityOf(MultibandChannels channels)
{
    return channels == MultibandChannels::stereo ? kAscarell3StereoIdentity : kAscarell3MonoIdentity;
}

float switchValue(float x) { return x < 0.5f ? 0.0f : 1.0f; }

bool isCrossover(int32_t index) { return index == Ascarell3Param::loMid || index == Ascarell3Param::midHi; }
bool isKnee(int32_t index) { return index >= Ascarell3Param::hiKnee && index <= Ascarell3Param::loKnee; }
bool isBandParameter(int32_t index) { return index >= Ascarell3Param::hiThresh && index < Ascarell3Param::count; }

// The band of a per-band parameter and its place in the band's eight.
int32_t bandOf(int32_t index) { return (index - Ascarell3Param::hiThresh) / BandParam::count; }
int32_t offsetOf(int32_t index) { return (index - Ascarell3Param::hiThresh) % BandParam::count; }

}  // namespace

MultibandCompressor::MultibandCompressor(HostCallback callback, MultibandChannels channels)
    : EffectBase(callback, identityOf(channels), ParameterTable(kAscarell3ParameterRows),
                 ProgramBank(kAscarell3FactoryPrograms, kAscarell3ParameterInSlot)),
      channelCount(channels),
      crossover(static_cast<int>(channels))
{
    setProgram(0);
}

void MultibandCompressor::applyParameter(int32_t index, float value)
{
    if (isCrossover(index)) {
        splitPoints = index == Ascarell3Param::loMid ? withLoMid(splitPoints, value) : withMidHi(splitPoints, value);
        splitHandoff.post(splitPoints);
    } else if (isKnee(index)) {
        const int32_t band = index - Ascarell3Param::hiKnee;
        bands[band].kneeParam = value;
        for (EnvelopeDetector& d : detectors[band]) {
            d.setKnee(value);
        }
    } else if (index == Ascarell3Param::outLevel) {
        outParam = value;
    } else if (isBandParameter(index)) {
        applyBandParameter(bandOf(index), offsetOf(index), value);
    }
}

void MultibandCompressor::applyBandParameter(int32_t band, int32_t offset, float x)
{
    BandSettings& settings = bands[band];
    for (EnvelopeDetector& d : detectors[band]) {
        switch (offset) {
        case BandParam::attack: d.setAttack(x); break;
        case BandParam::release: d.setRelease(x); break;
        case BandParam::arc: d.setReleaseMode(x); break;
        default: break;
        }
    }
    switch (offset) {
    case BandParam::thresh:
        settings.thresholdParam = x;
        settings.threshold = thresholdAmplitude(x);
        settings.slope = ratioSlope(settings.threshold, settings.ratioParam);
        break;
    case BandParam::ratio:
        settings.ratioParam = x;
        settings.slope = ratioSlope(settings.threshold, settings.ratioParam);
        break;
    case BandParam::attack: settings.attackParam = x; break;
    case BandParam::release: settings.releaseParam = x; break;
    case BandParam::arc: settings.arcParam = x; break;
    case BandParam::in:
        settings.inputParam = x;
        settings.inputGain = x + x;
        break;
    case BandParam::power: settings.power = switchValue(x); break;
    case BandParam::comp: settings.compression = switchValue(x); break;
    default: break;
    }
}

// The crossover points as coupled, the switches as 0.0 or 1.0, everything
// else as last set.
float MultibandCompressor::getParameter(int32_t index)
{
    if (isCrossover(index)) {
        return index == Ascarell3Param::loMid ? splitPoints.loMid : splitPoints.midHi;
    }
    if (isKnee(index)) {
        return bands[index - Ascarell3Param::hiKnee].kneeParam;
    }
    if (index == Ascarell3Param::outLevel) {
        return outParam;
    }
    if (!isBandParameter(index)) {
        return 0.0f;
    }
    const BandSettings& s = bands[bandOf(index)];
    const float values[BandParam::count] = {s.thresholdParam, s.ratioParam, s.attackParam, s.releaseParam,
                                            s.arcParam,       s.inputParam, s.power,       s.compression};
    return values[offsetOf(index)];
}

void MultibandCompressor::setSampleRate(float sampleRateHz)
{
    EffectBase::setSampleRate(sampleRateHz);
    crossover.setSampleRate(sampleRateHz);
    forEachDetector([sampleRateHz](EnvelopeDetector& d) { d.setSampleRate(sampleRateHz); });
}

void MultibandCompressor::suspend() { resetState(); }
void MultibandCompressor::resume() { resetState(); }

void MultibandCompressor::resetState()
{
    silenceCount = 0;
    processingActive = 0;
    crossover.reset();
    forEachDetector([](EnvelopeDetector& d) { d.reset(); });
}

}  // namespace fendwick

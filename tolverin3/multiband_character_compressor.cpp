// The three-band character compressor's parameter setters, read-back,
// sample rate, reset and meter publication.
#include "multiband_character_compressor.h"

#include "plugin_editor.h"
#include "ratio_slope.h"
#include "threshold_law.h"
#include "tolverin3_tables.h"

namespace fendwick {

namespace {

using P = Tolverin3Param::Index;

float switchValue(float x) { return x < 0.5f ? 0.0f : 1.0f; }

bool isBandParameter(int32_t index) { return index >= P::hiThresh && index < P::count; }
bool isBandType(int32_t index) { return index >= P::hiType && index <= P::loType; }

// The band of a per-band parameter and its place in the band's eight.
int32_t bandOf(int32_t index) { return (index - P::hiThresh) / BandParam::count; }
int32_t offsetOf(int32_t index) { return (index - P::hiThresh) % BandParam::count; }

bool isSwitch(int32_t index)
{
    const bool bandSwitch =
        isBandParameter(index) && (offsetOf(index) == BandParam::power || offsetOf(index) == BandParam::comp);
    return bandSwitch || index == P::paramLink;
}

}  // namespace

MultibandCharacterCompressor::MultibandCharacterCompressor(HostCallback callback)
    : EffectBase(callback, kTolverin3MonoIdentity, ParameterTable(kTolverin3ParameterRows),
                 ProgramBank(kTolverin3FactoryPrograms, kTolverin3ParameterInSlot))
{
    displayValues.cover(MultibandCharacterMeters::kFirstIndex, MultibandCharacterMeters::kCount);
    publishMeters();
    setProgram(0);
}

// ParamLink never enters a program: a program change turns it off first,
// and whatever is set later stays out of the program's record.
void MultibandCharacterCompressor::setParameter(int32_t index, float value)
{
    if (index != P::paramLink) {
        EffectBase::setParameter(index, value);
        return;
    }
    applyParameter(index, value);
    if (editor != nullptr) {
        editor->setParameter(index, value);
    }
}

void MultibandCharacterCompressor::applyParameter(int32_t index, float value)
{
    values[index] = isSwitch(index) ? switchValue(value) : value;
    if (isBandParameter(index)) {
        applyBandParameter(bandOf(index), offsetOf(index), value);
    } else if (isBandType(index)) {
        bands[index - P::hiType].type = value;
    }
    switch (index) {
    case P::loMid:
    case P::midHi:
        splitPoints = index == P::loMid ? withLoMid(splitPoints, value) : withMidHi(splitPoints, value);
        state.crossover.setCutoffs(splitPoints.loMid, splitPoints.midHi);
        break;
    case P::peakLimiter: state.output.setLimiter(value); break;
    case P::sonicFilter: state.sonicFilter.setCurve(value); break;
    case P::sonicFilterAmount: state.sonicFilter.setCurveSet(value); break;
    case P::outLevel: state.output.setOutLevel(value); break;
    case P::outCeiling: state.output.setCeiling(value); break;
    case P::loCut: state.loCut.setSwitch(value); break;
    default: break;
    }
}

void MultibandCharacterCompressor::applyBandParameter(int32_t band, int32_t offset, float x)
{
    CharacterBandSettings& settings = bands[band];
    LevelDetector& detector = state.detectors[band];
    switch (offset) {
    case BandParam::thresh:
        settings.threshold = thresholdAmplitude(x);
        // Every band's slope follows its threshold, Hi first, then Mid, then Lo.
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            const float ratio = values[tolverin3BandParameter(static_cast<MultibandBand>(b), BandParam::ratio)];
            bands[b].slope = ratioSlope(bands[b].threshold, ratio);
        }
        break;
    case BandParam::ratio: settings.slope = ratioSlope(settings.threshold, x); break;
    case BandParam::attack: detector.setAttack(x); break;
    case BandParam::release: detector.setRelease(x); break;
    case BandParam::arc: detector.setReleaseMode(x); break;
    case BandParam::in: settings.inputGain = x + x; break;
    case BandParam::power: settings.power = switchValue(x); break;
    case BandParam::comp: settings.compression = switchValue(x); break;
    default: break;
    }
}

// The crossover points as coupled, the switches as 0.0 or 1.0, everything
// else as last set.
float MultibandCharacterCompressor::getParameter(int32_t index)
{
    if (!parameterTable.contains(index)) {
        return 0.0f;
    }
    if (index == P::loMid || index == P::midHi) {
        return index == P::loMid ? splitPoints.loMid : splitPoints.midHi;
    }
    return values[index];
}

void MultibandCharacterCompressor::setSampleRate(float sampleRateHz)
{
    EffectBase::setSampleRate(sampleRateHz);
    meterFrames = meterIntervalFor(sampleRateHz);
    state.setSampleRate(sampleRateHz);
}

void MultibandCharacterCompressor::suspend() { resetState(); }
void MultibandCharacterCompressor::resume() { resetState(); }

void MultibandCharacterCompressor::resetState()
{
    meterFrames = kResetMeterInterval;
    state.reset();
    publishMeters();
}

// The meters' rest values, for the editor to show from the start.
void MultibandCharacterCompressor::publishMeters()
{
    for (int32_t slot = 0; slot < MultibandCharacterMeters::kCount; ++slot) {
        setDisplayValue(MultibandCharacterMeters::kFirstIndex + slot, state.meters.value(slot));
    }
}

}  // namespace fendwick

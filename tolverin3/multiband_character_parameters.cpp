// The three-band character compressor's parameter mapping: switches, band
// settings with their coupled slopes, crossover points and chain settings.
#include "multiband_character_parameters.h"

#include "ratio_slope.h"
#include "threshold_law.h"

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

void MultibandCharacterParameters::apply(int32_t index, float x, MultibandCharacterState& state)
{
    values[index] = isSwitch(index) ? switchValue(x) : x;
    if (isBandParameter(index)) {
        applyBand(bandOf(index), offsetOf(index), x, state);
    } else if (isBandType(index)) {
        bands[index - P::hiType].type = x;
    }
    switch (index) {
    case P::loMid:
    case P::midHi:
        splitPoints = index == P::loMid ? withLoMid(splitPoints, x) : withMidHi(splitPoints, x);
        splitHandoff.post(splitPoints);
        break;
    case P::peakLimiter: state.output.setLimiter(x); break;
    case P::sonicFilter: state.sonicFilter.setCurve(x); break;
    case P::sonicFilterAmount: state.sonicFilter.setCurveSet(x); break;
    case P::outLevel: state.output.setOutLevel(x); break;
    case P::outCeiling: state.output.setCeiling(x); break;
    case P::loCut: state.loCut.setSwitch(x); break;
    default: break;
    }
}

void MultibandCharacterParameters::applyBand(int32_t band, int32_t offset, float x, MultibandCharacterState& state)
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

float MultibandCharacterParameters::value(int32_t index) const
{
    if (index == P::loMid || index == P::midHi) {
        return index == P::loMid ? splitPoints.loMid : splitPoints.midHi;
    }
    return values[index];
}

}  // namespace fendwick

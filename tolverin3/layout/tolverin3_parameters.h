// Parameter and meter indexes of the three-band character plug-in, shared
// by the processing, the texts, the programs, the editor and the tests.
#pragma once

#include "ascarell3_parameters.h"

#include <cstdint>

namespace fendwick {

// All 36 are declared to the host, "Lo_Comp" included, so that hosts list
// and save every band switch.
namespace Tolverin3Param {
enum Index : int32_t {
    loMid,
    midHi,
    peakLimiter,
    hiType,
    midType,
    loType,
    sonicFilter,
    sonicFilterAmount,
    outLevel,
    outCeiling,
    paramLink,
    loCut,
    hiThresh,
    hiRatio,
    hiAttack,
    hiRelease,
    hiArc,
    hiIn,
    hiPower,
    hiComp,
    midThresh,
    midRatio,
    midAttack,
    midRelease,
    midArc,
    midIn,
    midPower,
    midComp,
    loThresh,
    loRatio,
    loAttack,
    loRelease,
    loArc,
    loIn,
    loPower,
    loComp,
    count
};
}  // namespace Tolverin3Param

// The bands run Hi, Mid, Lo with their eight parameters in the order of the
// clean three-band line (MultibandBand, BandParam); each band's Type switch
// sits apart, among the shared settings.
constexpr int32_t tolverin3BandParameter(MultibandBand band, BandParam::Offset offset)
{
    return Tolverin3Param::hiThresh + static_cast<int32_t>(band) * BandParam::count + offset;
}

constexpr int32_t tolverin3BandType(MultibandBand band)
{
    return Tolverin3Param::hiType + static_cast<int32_t>(band);
}

static_assert(Tolverin3Param::paramLink == 10, "ParamLink keeps index 10");
static_assert(tolverin3BandParameter(MultibandBand::mid, BandParam::thresh) == Tolverin3Param::midThresh);
static_assert(tolverin3BandParameter(MultibandBand::lo, BandParam::comp) == Tolverin3Param::loComp);
static_assert(tolverin3BandType(MultibandBand::lo) == Tolverin3Param::loType);

// The meters the processing publishes as display values, numbered on from
// the last parameter.
namespace Tolverin3Meter {
enum Index : int32_t {
    hiGain = Tolverin3Param::count,
    midGain,
    loGain,
    hiLevel,
    midLevel,
    loLevel,
    outputLevel,
    limiterGain,
    end
};
}  // namespace Tolverin3Meter

constexpr int32_t kTolverin3ProgramCount = 14;

}  // namespace fendwick

// Parameter indexes of the three-band plug-ins, shared by the processing,
// the texts, the programs and the tests.
#pragma once

#include <cstdint>

namespace fendwick {

namespace Ascarell3Param {
enum Index : int32_t {
    loMid,
    midHi,
    hiKnee,
    midKnee,
    loKnee,
    outLevel,
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
}  // namespace Ascarell3Param

// The bands in the order their parameters run: each band's eight
// parameters follow one another from its first, in the order of BandParam.
enum class MultibandBand : int32_t { hi, mid, lo };
constexpr int32_t kMultibandBandCount = 3;

namespace BandParam {
enum Offset : int32_t { thresh, ratio, attack, release, arc, in, power, comp, count };
}  // namespace BandParam

constexpr int32_t bandParameter(MultibandBand band, BandParam::Offset offset)
{
    return Ascarell3Param::hiThresh + static_cast<int32_t>(band) * BandParam::count + offset;
}

static_assert(bandParameter(MultibandBand::mid, BandParam::thresh) == Ascarell3Param::midThresh);
static_assert(bandParameter(MultibandBand::lo, BandParam::comp) == Ascarell3Param::loComp);

constexpr int32_t kAscarell3ProgramCount = 14;

}  // namespace fendwick

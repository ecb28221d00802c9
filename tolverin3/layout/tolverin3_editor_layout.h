// What the three-band character editor shows where: its pictures, meters,
// controls and value fields, and which parameter or meter each follows.
#pragma once

#include "editor_layout.h"
#include "tolverin3_parameters.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace fendwick {

namespace Tolverin3Pictures {
constexpr LayoutPicture background{10001, 474, 502, 1};
constexpr LayoutPicture gainMeter{10002, 9, 82, 1};
constexpr LayoutPicture bandLevelMeter{10003, 13, 82, 1};
constexpr LayoutPicture outputMeter{10004, 15, 82, 1};
constexpr LayoutPicture titleStrip{10005, 462, 31, 2};  // the product plate, front and back
constexpr LayoutPicture largeKnob{10006, 51, 51, 81};
constexpr LayoutPicture smallKnob{10007, 32, 32, 81};
constexpr LayoutPicture ceilingKnob{10008, 32, 32, 81};
constexpr LayoutPicture field{10009, 50, 11, 1};
constexpr LayoutPicture crossoverField{10010, 66, 11, 1};
constexpr LayoutPicture ceilingField{10011, 50, 11, 1};
constexpr LayoutPicture arcSwitch{10012, 29, 11, 2};
constexpr LayoutPicture hiPower{10013, 31, 11, 2};
constexpr LayoutPicture loPower{10014, 31, 11, 2};
constexpr LayoutPicture midPower{10015, 31, 11, 2};
constexpr LayoutPicture sonicFilterSwitch{10016, 156, 11, 3};
constexpr LayoutPicture compSwitch{10017, 31, 11, 2};
constexpr LayoutPicture limiterSwitch{10018, 55, 11, 2};
constexpr LayoutPicture paramLinkSwitch{10019, 69, 15, 2};
constexpr LayoutPicture loCutSwitch{10020, 39, 11, 2};
constexpr LayoutPicture amountSwitch{10021, 35, 11, 2};
constexpr LayoutPicture typeSwitch{10022, 72, 11, 2};
}  // namespace Tolverin3Pictures

namespace Tolverin3Layout {

using P = Tolverin3Param::Index;
using M = Tolverin3Meter::Index;
namespace S = Tolverin3Pictures;
constexpr auto knob = LayoutControlKind::knob;
constexpr auto button = LayoutControlKind::button;
constexpr auto positions = LayoutControlKind::positions;

// The band rows run Hi (top), Mid and Lo, this far apart.
constexpr int32_t bandSpacing = 103;

// The value fields of the crossover write in cyan on their dark pictures.
constexpr LayoutColour kCrossoverText{0, 255, 255};

namespace detail {

// A control of the Hi band; the Mid and Lo bands repeat it lower down, their
// parameters one band's run of parameters further on (a Type switch: the
// next index). The power switches name their band in their pictures.
struct BandControl {
    int32_t hiTag;
    int32_t tagStep;
    LayoutControlKind kind;
    LayoutPicture picture;
    LayoutPlace hiPlace;
    const char* label;
};

constexpr LayoutPicture powerPictures[kMultibandBandCount] = {S::hiPower, S::midPower, S::loPower};

constexpr BandControl bandControls[] = {
    {P::hiPower, BandParam::count, button, S::hiPower, {13, 17}, nullptr},
    {P::hiComp, BandParam::count, button, S::compSwitch, {48, 17}, nullptr},
    {P::hiType, 1, positions, S::typeSwitch, {167, 21}, "TYPE"},
    {P::hiRatio, BandParam::count, knob, S::smallKnob, {42, 59}, "Ratio"},
    {P::hiAttack, BandParam::count, knob, S::smallKnob, {104, 59}, "Attack"},
    {P::hiRelease, BandParam::count, knob, S::smallKnob, {166, 59}, "Release"},
    {P::hiArc, BandParam::count, button, S::arcSwitch, {204, 83}, "ARC"},
    {P::hiIn, BandParam::count, knob, S::smallKnob, {258, 60}, "Level"},
    {P::hiThresh, BandParam::count, knob, S::largeKnob, {340, 41}, "Threshold"},
};

constexpr LayoutValueField bandFields[] = {
    {P::hiRatio, {33, 41, 83, 52}, S::field, false},   {P::hiAttack, {95, 41, 145, 52}, S::field, false},
    {P::hiRelease, {157, 41, 207, 52}, S::field, false}, {P::hiIn, {249, 42, 299, 53}, S::field, false},
    {P::hiThresh, {341, 18, 391, 29}, S::field, false},
};

// Meters of the Hi band: its gain and its level.
constexpr LayoutMeter bandMeters[] = {
    {M::hiGain, LayoutMeterKind::gain, S::gainMeter, {435, 19}},
    {M::hiLevel, LayoutMeterKind::level, S::bandLevelMeter, {421, 19}},
};

constexpr LayoutControl sharedControls[] = {
    {P::loMid, knob, S::smallKnob, {33, 404}, "Lo-Mid"},
    {P::midHi, knob, S::smallKnob, {103, 404}, "Mid-Hi"},
    {P::paramLink, button, S::paramLinkSwitch, {55, 328}, nullptr},
    {P::loCut, button, S::loCutSwitch, {154, 330}, nullptr},
    {P::sonicFilter, positions, S::sonicFilterSwitch, {296, 323}, "SONICFILTER"},
    {P::sonicFilterAmount, button, S::amountSwitch, {416, 338}, nullptr},
    {P::peakLimiter, button, S::limiterSwitch, {320, 372}, nullptr},
    {P::outLevel, knob, S::largeKnob, {205, 392}, "Output"},
    {P::outCeiling, knob, S::ceilingKnob, {331, 412}, "Ceiling"},
};

constexpr LayoutValueField sharedFields[] = {
    {P::loMid, {16, 377, 82, 388}, S::crossoverField, false, kCrossoverText},
    {P::midHi, {86, 377, 152, 388}, S::crossoverField, false, kCrossoverText},
    {P::outLevel, {206, 368, 256, 379}, S::field, false},
    {P::outCeiling, {322, 393, 372, 404}, S::ceilingField, false},
};

constexpr LayoutMeter outputMeters[] = {
    {M::outputLevel, LayoutMeterKind::level, S::outputMeter, {408, 370}},
    {M::limiterGain, LayoutMeterKind::gain, S::gainMeter, {428, 370}},
};

constexpr LayoutPlace lower(const LayoutPlace& at, int32_t band) { return {at.left, at.top + band * bandSpacing}; }

constexpr LayoutArea lower(const LayoutArea& at, int32_t band)
{
    return {at.left, at.top + band * bandSpacing, at.right, at.bottom + band * bandSpacing};
}

// Band by band, each band's controls in the order of the Hi band's; then the
// shared controls.
constexpr std::array<LayoutControl, kMultibandBandCount * std::size(bandControls) + std::size(sharedControls)>
makeControls()
{
    std::array<LayoutControl, kMultibandBandCount * std::size(bandControls) + std::size(sharedControls)> rows{};
    size_t next = 0;
    for (int32_t band = 0; band < kMultibandBandCount; ++band) {
        for (const BandControl& c : bandControls) {
            const bool power = c.hiTag == P::hiPower;
            rows[next++] = {c.hiTag + band * c.tagStep, c.kind, power ? powerPictures[band] : c.picture,
                            lower(c.hiPlace, band), c.label};
        }
    }
    for (const LayoutControl& c : sharedControls) {
        rows[next++] = c;
    }
    return rows;
}

constexpr std::array<LayoutValueField, kMultibandBandCount * std::size(bandFields) + std::size(sharedFields)>
makeFields()
{
    std::array<LayoutValueField, kMultibandBandCount * std::size(bandFields) + std::size(sharedFields)> rows{};
    size_t next = 0;
    for (int32_t band = 0; band < kMultibandBandCount; ++band) {
        for (const LayoutValueField& f : bandFields) {
            rows[next++] = {f.tag + band * BandParam::count, lower(f.area, band), f.picture, f.shadow, f.text};
        }
    }
    for (const LayoutValueField& f : sharedFields) {
        rows[next++] = f;
    }
    return rows;
}

// The band gains Hi, Mid, Lo, then the band levels, then the output meters:
// the order of the meters' indexes.
constexpr std::array<LayoutMeter, kMultibandBandCount * std::size(bandMeters) + std::size(outputMeters)> makeMeters()
{
    std::array<LayoutMeter, kMultibandBandCount * std::size(bandMeters) + std::size(outputMeters)> rows{};
    size_t next = 0;
    for (const LayoutMeter& m : bandMeters) {
        for (int32_t band = 0; band < kMultibandBandCount; ++band) {
            rows[next++] = {m.displayValue + band, m.kind, m.picture, lower(m.place, band)};
        }
    }
    for (const LayoutMeter& m : outputMeters) {
        rows[next++] = m;
    }
    return rows;
}

}  // namespace detail

// The rows of every band follow each other from the first row on.
constexpr int32_t controlsPerBand = static_cast<int32_t>(std::size(detail::bandControls));
constexpr int32_t fieldsPerBand = static_cast<int32_t>(std::size(detail::bandFields));

constexpr auto controls = detail::makeControls();
constexpr auto fields = detail::makeFields();
constexpr auto meters = detail::makeMeters();

// The title strip: its tag lies past the last meter, so clicking it turns
// only its own picture.
constexpr LayoutControl titleStrip{M::end, button, S::titleStrip, {6, 465}, nullptr};

constexpr CharacterEditorLayout editor{S::background, meters, controls, fields, titleStrip};

static_assert(std::size(controls) == Tolverin3Param::count, "one control per parameter");
static_assert(std::size(fields) == 19, "a value field for every knob");
static_assert(std::size(meters) == M::end - M::hiGain, "one view per meter");

}  // namespace Tolverin3Layout

}  // namespace fendwick

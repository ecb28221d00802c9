// What the character editors show where, stereo and mono: their pictures,
// meters, controls and value fields, and which parameter or meter each
// follows.
#pragma once

#include "editor_layout.h"
#include "tolverin_parameters.h"

#include <cstdint>

namespace fendwick {

namespace TolverinLayout {

constexpr auto knob = LayoutControlKind::knob;
constexpr auto button = LayoutControlKind::button;
constexpr auto positions = LayoutControlKind::positions;

// Both builds number their pictures from 10001 in their own order.
namespace StereoPictures {
constexpr LayoutPicture background{10001, 728, 150, 1};
constexpr LayoutPicture gainMeter{10002, 9, 82, 1};
constexpr LayoutPicture levelMeter{10003, 13, 82, 1};
constexpr LayoutPicture plate{10004, 278, 25, 2};
constexpr LayoutPicture largeKnob{10005, 51, 51, 81};
constexpr LayoutPicture smallKnob{10006, 32, 32, 81};
constexpr LayoutPicture ceilingKnob{10007, 32, 32, 81};
constexpr LayoutPicture field{10008, 50, 11, 1};
constexpr LayoutPicture ceilingField{10009, 50, 11, 1};
constexpr LayoutPicture arcSwitch{10010, 29, 11, 2};
constexpr LayoutPicture characterSwitch{10011, 156, 11, 3};
constexpr LayoutPicture limiterSwitch{10012, 55, 11, 2};
constexpr LayoutPicture loCutSwitch{10013, 39, 11, 2};
constexpr LayoutPicture modeSwitch{10014, 35, 11, 2};
constexpr LayoutPicture enhancerSwitch{10015, 27, 11, 2};
constexpr LayoutPicture reductionSwitch{10016, 72, 11, 2};
constexpr LayoutPicture linkSwitch{10017, 43, 11, 2};
}  // namespace StereoPictures

namespace MonoPictures {
constexpr LayoutPicture background{10001, 728, 150, 1};
constexpr LayoutPicture gainMeter{10002, 9, 82, 1};
constexpr LayoutPicture levelMeter{10003, 13, 82, 1};
constexpr LayoutPicture outputMeter{10004, 15, 82, 1};
constexpr LayoutPicture plate{10005, 278, 25, 2};
constexpr LayoutPicture largeKnob{10006, 51, 51, 81};
constexpr LayoutPicture smallKnob{10007, 32, 32, 81};
constexpr LayoutPicture ceilingKnob{10008, 32, 32, 81};
constexpr LayoutPicture field{10009, 50, 11, 1};
constexpr LayoutPicture ceilingField{10010, 50, 11, 1};
constexpr LayoutPicture arcSwitch{10011, 29, 11, 2};
constexpr LayoutPicture characterSwitch{10012, 156, 11, 3};
constexpr LayoutPicture limiterSwitch{10013, 55, 11, 2};
constexpr LayoutPicture loCutSwitch{10014, 39, 11, 2};
constexpr LayoutPicture modeSwitch{10015, 35, 11, 2};
constexpr LayoutPicture reductionSwitch{10016, 72, 11, 2};
}  // namespace MonoPictures

namespace detail {

using P = TolverinParam::Index;
using M = TolverinMeter::Index;
namespace S = StereoPictures;

constexpr LayoutMeter stereoMeters[] = {
    {M::compressorGain, LayoutMeterKind::gain, S::gainMeter, {402, 24}},
    {M::compressedLevel, LayoutMeterKind::level, S::levelMeter, {388, 24}},
    {M::outputLevelLeft, LayoutMeterKind::level, S::levelMeter, {653, 19}},
    {M::outputLevelRight, LayoutMeterKind::level, S::levelMeter, {697, 19}},
    {M::limiterGainLeft, LayoutMeterKind::gain, S::gainMeter, {667, 19}},
    {M::limiterGainRight, LayoutMeterKind::gain, S::gainMeter, {687, 19}},
};

// Switches are named in their pictures; knobs and the ARC switch by the background.
constexpr LayoutControl stereoControls[] = {
    {P::arc, button, S::arcSwitch, {176, 89}, "ARC"},
    {P::peakLimiter, button, S::limiterSwitch, {580, 20}, nullptr},
    {P::stereoLink, button, S::linkSwitch, {28, 126}, nullptr},
    {P::character, positions, S::characterSwitch, {226, 126}, "CHARACTER"},
    {P::characterMode, button, S::modeSwitch, {388, 126}, nullptr},
    {P::stereoEnhSwitch, button, S::enhancerSwitch, {257, 90}, nullptr},
    {P::loCut, button, S::loCutSwitch, {85, 126}, nullptr},
    {P::reduction, positions, S::reductionSwitch, {91, 21}, "REDUCTION"},
    {P::ratio, knob, S::smallKnob, {38, 65}, "Ratio"},
    {P::attack, knob, S::smallKnob, {88, 65}, "Attack"},
    {P::release, knob, S::smallKnob, {138, 65}, "Release"},
    {P::stereoEnh, knob, S::smallKnob, {219, 66}, "Stereo"},
    {P::thresh, knob, S::largeKnob, {302, 47}, "Threshold"},
    {P::outLevel, knob, S::largeKnob, {475, 47}, "Output"},
    {P::outCeiling, knob, S::ceilingKnob, {590, 61}, "Ceiling"},
};

constexpr LayoutValueField stereoFields[] = {
    {P::stereoEnh, {210, 48, 260, 59}, S::field, true},
    {P::ratio, {29, 47, 79, 58}, S::field, true},
    {P::attack, {79, 47, 129, 58}, S::field, false},
    {P::release, {129, 47, 179, 58}, S::field, false},
    {P::thresh, {303, 24, 353, 35}, S::field, true},
    {P::outLevel, {476, 23, 526, 34}, S::field, false},
    {P::outCeiling, {581, 42, 631, 53}, S::ceilingField, false},
};

using PM = TolverinMonoParam::Index;
using MM = TolverinMonoMeter::Index;
namespace Mo = MonoPictures;

constexpr LayoutMeter monoMeters[] = {
    {MM::compressorGain, LayoutMeterKind::gain, Mo::gainMeter, {402, 24}},
    {MM::compressedLevel, LayoutMeterKind::level, Mo::levelMeter, {388, 24}},
    {MM::outputLevel, LayoutMeterKind::level, Mo::outputMeter, {663, 19}},
    {MM::limiterGain, LayoutMeterKind::gain, Mo::gainMeter, {683, 19}},
};

constexpr LayoutControl monoControls[] = {
    {PM::arc, button, Mo::arcSwitch, {229, 89}, "ARC"},
    {PM::peakLimiter, button, Mo::limiterSwitch, {580, 20}, nullptr},
    {PM::character, positions, Mo::characterSwitch, {205, 126}, "CHARACTER"},
    {PM::characterMode, button, Mo::modeSwitch, {377, 126}, nullptr},
    {PM::loCut, button, Mo::loCutSwitch, {40, 126}, nullptr},
    {PM::reduction, positions, Mo::reductionSwitch, {91, 21}, "REDUCTION"},
    {PM::ratio, knob, Mo::smallKnob, {47, 65}, "Ratio"},
    {PM::attack, knob, Mo::smallKnob, {119, 65}, "Attack"},
    {PM::release, knob, Mo::smallKnob, {191, 65}, "Release"},
    {PM::thresh, knob, Mo::largeKnob, {295, 47}, "Threshold"},
    {PM::outLevel, knob, Mo::largeKnob, {475, 47}, "Output"},
    {PM::outCeiling, knob, Mo::ceilingKnob, {590, 61}, "Ceiling"},
};

constexpr LayoutValueField monoFields[] = {
    {PM::ratio, {38, 47, 88, 58}, Mo::field, true},
    {PM::attack, {110, 47, 160, 58}, Mo::field, false},
    {PM::release, {182, 47, 232, 58}, Mo::field, false},
    {PM::thresh, {296, 24, 346, 35}, Mo::field, true},
    {PM::outLevel, {476, 23, 526, 34}, Mo::field, false},
    {PM::outCeiling, {581, 42, 631, 53}, Mo::ceilingField, false},
};

}  // namespace detail

constexpr CharacterEditorLayout stereo{StereoPictures::background, detail::stereoMeters, detail::stereoControls,
                                       detail::stereoFields,
                                       {TolverinMeter::end, button, StereoPictures::plate, {444, 119}, nullptr}};

constexpr CharacterEditorLayout mono{MonoPictures::background, detail::monoMeters, detail::monoControls,
                                     detail::monoFields,
                                     {TolverinMonoMeter::end, button, MonoPictures::plate, {444, 119}, nullptr}};

}  // namespace TolverinLayout

}  // namespace fendwick

// What the three-band editor shows where: its pictures, the place of every
// control and text field, and which parameter each follows.
#pragma once

#include "ascarell3_parameters.h"
#include "editor_layout.h"

#include <cstdint>

namespace fendwick {

namespace Ascarell3Artwork {
constexpr LayoutPicture background{10001, 719, 307, 1};
constexpr LayoutPicture panelButton{10002, 344, 56, 2};  // the product plate, front and back
constexpr LayoutPicture largeKnob{10003, 51, 51, 81};
constexpr LayoutPicture smallKnob{10004, 32, 32, 81};
constexpr LayoutPicture valueField{10005, 56, 11, 1};
constexpr LayoutPicture bandDisplay{10006, 112, 17, 1};
constexpr LayoutPicture arcSwitch{10007, 29, 11, 2};
constexpr LayoutPicture compSwitch{10008, 31, 11, 2};
constexpr LayoutPicture hiPower{10009, 31, 11, 2};
constexpr LayoutPicture loPower{10010, 31, 11, 2};
constexpr LayoutPicture midPower{10011, 31, 11, 2};
}  // namespace Ascarell3Artwork

namespace Ascarell3Layout {

using A3 = Ascarell3Param::Index;
constexpr auto knob = LayoutControlKind::knob;
constexpr auto button = LayoutControlKind::button;

// The editor is the size of its background.
constexpr int32_t width = Ascarell3Artwork::background.width;
constexpr int32_t height = Ascarell3Artwork::background.imageHeight;

// The band rows run Hi (top), Mid and Lo, this far apart.
constexpr int32_t bandSpacing = 102;

// One control per parameter, in the order the editor adds them to its frame.
// The power and compression switches carry their names in their pictures;
// the ARC switch is named above its seat, a knob beneath it.
constexpr LayoutControl controls[] = {
    {A3::hiPower, button, Ascarell3Artwork::hiPower, {19, 11}, nullptr},
    {A3::midPower, button, Ascarell3Artwork::midPower, {19, 113}, nullptr},
    {A3::loPower, button, Ascarell3Artwork::loPower, {19, 215}, nullptr},
    {A3::hiComp, button, Ascarell3Artwork::compSwitch, {59, 11}, nullptr},
    {A3::midComp, button, Ascarell3Artwork::compSwitch, {59, 113}, nullptr},
    {A3::loComp, button, Ascarell3Artwork::compSwitch, {59, 215}, nullptr},
    {A3::loMid, knob, Ascarell3Artwork::smallKnob, {420, 34}, "Lo-Mid"},
    {A3::midHi, knob, Ascarell3Artwork::smallKnob, {556, 34}, "Mid-Hi"},
    {A3::hiArc, button, Ascarell3Artwork::arcSwitch, {228, 68}, "ARC"},
    {A3::midArc, button, Ascarell3Artwork::arcSwitch, {228, 170}, "ARC"},
    {A3::loArc, button, Ascarell3Artwork::arcSwitch, {228, 272}, "ARC"},
    {A3::hiRatio, knob, Ascarell3Artwork::smallKnob, {32, 44}, "Ratio"},
    {A3::midRatio, knob, Ascarell3Artwork::smallKnob, {32, 146}, "Ratio"},
    {A3::loRatio, knob, Ascarell3Artwork::smallKnob, {32, 248}, "Ratio"},
    {A3::hiKnee, knob, Ascarell3Artwork::smallKnob, {84, 44}, "Knee"},
    {A3::midKnee, knob, Ascarell3Artwork::smallKnob, {84, 146}, "Knee"},
    {A3::loKnee, knob, Ascarell3Artwork::smallKnob, {84, 248}, "Knee"},
    {A3::hiAttack, knob, Ascarell3Artwork::smallKnob, {136, 44}, "Attack"},
    {A3::midAttack, knob, Ascarell3Artwork::smallKnob, {136, 146}, "Attack"},
    {A3::loAttack, knob, Ascarell3Artwork::smallKnob, {136, 248}, "Attack"},
    {A3::hiRelease, knob, Ascarell3Artwork::smallKnob, {188, 44}, "Release"},
    {A3::midRelease, knob, Ascarell3Artwork::smallKnob, {188, 146}, "Release"},
    {A3::loRelease, knob, Ascarell3Artwork::smallKnob, {188, 248}, "Release"},
    {A3::hiIn, knob, Ascarell3Artwork::smallKnob, {533, 147}, "High"},
    {A3::midIn, knob, Ascarell3Artwork::smallKnob, {472, 147}, "Mid"},
    {A3::loIn, knob, Ascarell3Artwork::smallKnob, {411, 147}, "Low"},
    {A3::hiThresh, knob, Ascarell3Artwork::largeKnob, {274, 25}, "Threshold"},
    {A3::midThresh, knob, Ascarell3Artwork::largeKnob, {274, 127}, "Threshold"},
    {A3::loThresh, knob, Ascarell3Artwork::largeKnob, {274, 229}, "Threshold"},
    {A3::outLevel, knob, Ascarell3Artwork::largeKnob, {623, 138}, "Output"},
};

// The text of a band names the value of the band's knob moved last; made
// after the controls, Hi, Mid, Lo, over the band display picture.
constexpr LayoutArea bandTexts[kMultibandBandCount] = {
    {113, 8, 225, 25},
    {113, 110, 225, 127},
    {113, 212, 225, 229},
};

// A field that always shows one parameter's value, over the value field
// picture; made after the band texts, in this order. The High input field
// is four pixels wider than its picture.
struct ValueField {
    int32_t tag;
    LayoutArea area;
};

constexpr ValueField valueFields[] = {
    {A3::hiIn, {521, 127, 581, 138}},
    {A3::midIn, {460, 127, 516, 138}},
    {A3::loIn, {399, 127, 455, 138}},
    {A3::loMid, {473, 48, 529, 59}},
    {A3::midHi, {609, 48, 665, 59}},
    {A3::outLevel, {621, 115, 677, 126}},
};

// The product plate, added last. Its tag lies past the last parameter, so
// that clicking it turns only its own picture.
constexpr LayoutControl panelButton{A3::count, button, Ascarell3Artwork::panelButton, {367, 243}, nullptr};

}  // namespace Ascarell3Layout

}  // namespace fendwick

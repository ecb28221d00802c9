// What the single-band editor shows where: its pictures, the place of every control and which parameter each follows.
#pragma once

#include "ascarell_parameters.h"
#include "editor_layout.h"

#include <cstdint>

namespace fendwick {

namespace AscarellArtwork {
constexpr LayoutPicture background{10001, 545, 139, 1};
constexpr LayoutPicture stripButton{10002, 529, 21, 2};  // two lines of product information
constexpr LayoutPicture threshKnob{10003, 51, 51, 81};
constexpr LayoutPicture smallKnob{10004, 32, 32, 81};
constexpr LayoutPicture outLevelKnob{10005, 51, 51, 81};
constexpr LayoutPicture textDisplay{10006, 190, 17, 1};
constexpr LayoutPicture arcSwitch{10007, 29, 11, 2};    // dim (manual release), then lit
}  // namespace AscarellArtwork

namespace AscarellLayout {

// The editor is the size of its background.
constexpr int32_t width = AscarellArtwork::background.width;
constexpr int32_t height = AscarellArtwork::background.imageHeight;

// One control per parameter, in the order the editor adds them to its frame.
// Film-strip knobs name their value in the text display; on/off switches
// only show their picture. A knob's label is painted beneath it, a switch's
// above it.
constexpr LayoutControl controls[] = {
    {AscarellParam::arc, LayoutControlKind::button, AscarellArtwork::arcSwitch, {280, 68}, "ARC"},
    {AscarellParam::input, LayoutControlKind::knob, AscarellArtwork::smallKnob, {32, 44}, "Input"},
    {AscarellParam::ratio, LayoutControlKind::knob, AscarellArtwork::smallKnob, {84, 44}, "Ratio"},
    {AscarellParam::knee, LayoutControlKind::knob, AscarellArtwork::smallKnob, {136, 44}, "Knee"},
    {AscarellParam::attack, LayoutControlKind::knob, AscarellArtwork::smallKnob, {188, 44}, "Attack"},
    {AscarellParam::release, LayoutControlKind::knob, AscarellArtwork::smallKnob, {240, 44}, "Release"},
    {AscarellParam::thresh, LayoutControlKind::knob, AscarellArtwork::threshKnob, {326, 25}, "Threshold"},
    {AscarellParam::outLevel, LayoutControlKind::knob, AscarellArtwork::outLevelKnob, {447, 25}, "Master Out"},
};

// The text display, with its picture as background, above the small knobs;
// added after the controls.
constexpr LayoutPlace textDisplay{55, 8};

// The product strip along the bottom, added last. Its tag lies past the last
// parameter, so that clicking it turns only its own picture.
constexpr LayoutControl stripButton{8, LayoutControlKind::button, AscarellArtwork::stripButton, {8, 110}, nullptr};

}  // namespace AscarellLayout

}  // namespace fendwick

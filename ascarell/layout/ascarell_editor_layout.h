// What the single-band editor shows where: its pictures, the place of every control and which parameter each follows.
#pragma once

#include "ascarell_parameters.h"

#include <cstdint>

namespace fendwick {

// A bitmap of the library: its resource id, the size of one image in pixels
// and how many images are stacked vertically in it.
struct AscarellPicture {
    int32_t id;
    int32_t width;
    int32_t imageHeight;
    int32_t images;
};

namespace AscarellArtwork {
constexpr AscarellPicture background{10001, 545, 139, 1};
constexpr AscarellPicture stripButton{10002, 529, 21, 2};  // two lines of product information
constexpr AscarellPicture threshKnob{10003, 51, 51, 81};
constexpr AscarellPicture smallKnob{10004, 32, 32, 81};
constexpr AscarellPicture outLevelKnob{10005, 51, 51, 81};
constexpr AscarellPicture textDisplay{10006, 190, 17, 1};
constexpr AscarellPicture arcSwitch{10007, 29, 11, 2};    // dim (manual release), then lit
}  // namespace AscarellArtwork

// Film-strip knobs name their value in the text display; on/off switches
// only show their picture.
enum class AscarellControlKind : int32_t { knob, button };

// Top left corner of a picture in the editor, in pixels.
struct AscarellPlace {
    int32_t left;
    int32_t top;
};

// A control of the editor. Its rectangle is one image of its picture placed
// at `place`; the label is painted on the background, beneath a knob and
// above a switch.
struct AscarellControl {
    int32_t tag;  // the parameter it follows
    AscarellControlKind kind;
    AscarellPicture picture;
    AscarellPlace place;
    const char* label;
};

namespace AscarellLayout {

// The editor is the size of its background.
constexpr int32_t width = AscarellArtwork::background.width;
constexpr int32_t height = AscarellArtwork::background.imageHeight;

// One control per parameter, in the order the editor adds them to its frame.
constexpr AscarellControl controls[] = {
    {AscarellParam::arc, AscarellControlKind::button, AscarellArtwork::arcSwitch, {280, 68}, "ARC"},
    {AscarellParam::input, AscarellControlKind::knob, AscarellArtwork::smallKnob, {32, 44}, "Input"},
    {AscarellParam::ratio, AscarellControlKind::knob, AscarellArtwork::smallKnob, {84, 44}, "Ratio"},
    {AscarellParam::knee, AscarellControlKind::knob, AscarellArtwork::smallKnob, {136, 44}, "Knee"},
    {AscarellParam::attack, AscarellControlKind::knob, AscarellArtwork::smallKnob, {188, 44}, "Attack"},
    {AscarellParam::release, AscarellControlKind::knob, AscarellArtwork::smallKnob, {240, 44}, "Release"},
    {AscarellParam::thresh, AscarellControlKind::knob, AscarellArtwork::threshKnob, {326, 25}, "Threshold"},
    {AscarellParam::outLevel, AscarellControlKind::knob, AscarellArtwork::outLevelKnob, {447, 25}, "Master Out"},
};

// The text display, with its picture as background, above the small knobs;
// added after the controls.
constexpr AscarellPlace textDisplay{55, 8};

// The product strip along the bottom, added last. Its tag lies past the last
// parameter, so that clicking it turns only its own picture.
constexpr AscarellControl stripButton{8, AscarellControlKind::button, AscarellArtwork::stripButton, {8, 110}, nullptr};

}  // namespace AscarellLayout

}  // namespace fendwick

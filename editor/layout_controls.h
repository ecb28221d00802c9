// Builds an editor's controls and text displays from the rows of its layout,
// with their pictures from the product line's artwork.
#pragma once

#include "editor_layout.h"
#include "color.h"
#include "geometry.h"

namespace fendwick {

struct ArtworkTable;
class Control;
class ControlListener;
class Frame;
class ParamTextDisplay;

// The control of one row, showing `value`, added to the frame: a film-strip
// knob, an on/off switch or a multi-position switch, its rectangle one image
// of its picture.
Control* addLayoutControl(Frame& frame, ControlListener* listener, const ArtworkTable& artwork,
                          const LayoutControl& row, float value);

// A text display with no listener over the picture `inset`, in the editors'
// text face, centred, in `fontColor`; it covers `area`, which may be wider
// than the picture.
ParamTextDisplay* addTextDisplay(Frame& frame, const ArtworkTable& artwork, const LayoutPicture& inset,
                                 const Rect& area, const Color& fontColor);

}  // namespace fendwick

// The colours of one product line. Both lines share every shape and size;
// Ascarell is cool slate with cyan light, Tolverin warm graphite with amber.
#pragma once

#include "colour.h"

namespace fendwick::artwork {

struct Theme {
    Colour backdrop;       // around and between the panels
    Colour panel;          // panel face: every knob, switch and display sits on it
    Colour panelLight;     // the panels' lit upper edge
    Colour panelShadow;    // the panels' lower edge and the engraved lines
    Colour label;          // control names
    Colour heading;        // section names and the product name
    Colour accent;         // lit lamps and the knobs' value arcs
    Colour accentDim;      // unlit lamps
    Colour limitAccent;    // the ceiling knob's value arc
    Colour buttonTop;      // button face, upper and lower end of its gradient
    Colour buttonBottom;
    Colour buttonText;     // the name on an unlit button
    Colour displayTop;     // dark displays that carry light text
    Colour displayBottom;
    Colour fieldTop;       // light value fields that carry slate text
    Colour fieldBottom;
    Colour capTop;         // knob cap, lit and shaded side
    Colour capBottom;
    Colour pointer;        // the line on the cap
    Colour track;          // the groove the value arc runs in
    Colour meterFace;      // meter background
    Colour meterMark;      // meter scale marks
    bool knurledKnobs;     // grip ridges round the knob cap
};

Theme ascarellTheme();
Theme tolverinTheme();

}  // namespace fendwick::artwork

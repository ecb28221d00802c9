// The colour sets of the two product lines.
#include "theme.h"

namespace fendwick::artwork {

Theme ascarellTheme()
{
    Theme t;
    t.backdrop = rgb(24, 29, 33);
    t.panel = rgb(43, 51, 58);
    t.panelLight = rgb(70, 82, 92);
    t.panelShadow = rgb(17, 21, 25);
    t.label = rgb(176, 196, 207);
    t.heading = rgb(102, 214, 222);
    t.accent = rgb(102, 255, 255);
    t.accentDim = rgb(30, 72, 78);
    t.limitAccent = rgb(102, 255, 255);
    t.buttonTop = rgb(64, 75, 84);
    t.buttonBottom = rgb(41, 49, 56);
    t.buttonText = rgb(120, 140, 151);
    t.displayTop = rgb(5, 15, 19);
    t.displayBottom = rgb(11, 29, 35);
    t.fieldTop = rgb(222, 238, 246);
    t.fieldBottom = rgb(190, 213, 226);
    t.capTop = rgb(100, 113, 124);
    t.capBottom = rgb(36, 43, 50);
    t.pointer = rgb(238, 248, 252);
    t.track = rgb(20, 25, 29);
    t.meterFace = rgb(8, 12, 14);
    t.meterMark = rgb(36, 47, 53);
    t.knurledKnobs = false;
    return t;
}

Theme tolverinTheme()
{
    Theme t;
    t.backdrop = rgb(29, 26, 24);
    t.panel = rgb(52, 47, 43);
    t.panelLight = rgb(82, 74, 67);
    t.panelShadow = rgb(20, 18, 16);
    t.label = rgb(216, 204, 188);
    t.heading = rgb(240, 172, 86);
    t.accent = rgb(255, 180, 78);
    t.accentDim = rgb(82, 58, 32);
    t.limitAccent = rgb(240, 92, 66);
    t.buttonTop = rgb(78, 71, 65);
    t.buttonBottom = rgb(50, 45, 41);
    t.buttonText = rgb(150, 138, 124);
    t.displayTop = rgb(5, 15, 17);
    t.displayBottom = rgb(12, 28, 31);
    t.fieldTop = rgb(244, 239, 227);
    t.fieldBottom = rgb(221, 213, 198);
    t.capTop = rgb(108, 99, 90);
    t.capBottom = rgb(38, 34, 31);
    t.pointer = rgb(255, 242, 222);
    t.track = rgb(24, 21, 19);
    t.meterFace = rgb(9, 11, 12);
    t.meterMark = rgb(44, 46, 46);
    t.knurledKnobs = true;
    return t;
}

}  // namespace fendwick::artwork

// The 23 factory programs of the single-band plug-ins.
#include "ascarell_tables.h"

namespace fendwick {

// Values in parameter order: Input, Ratio, Knee, Attack, Release, ARC, Thresh, OutLevel.
const FactoryProgram<AscarellParam::count> kAscarellFactoryPrograms[] = {
    {"Default", {0.5f, 0.5f, 0.1f, 0.194794f, 0.484014f, 1.0f, 1.0f, 0.5f}},
    {"Classic", {0.5f, 0.666667f, 0.1f, 0.140277f, 0.276832f, 1.0f, 0.5f, 0.5f}},
    {"Master Soft", {0.5f, 0.341817f, 0.1f, 0.189316f, 0.269059f, 1.0f, 0.708555f, 0.5f}},
    {"Master Basic", {0.5f, 0.539332f, 0.1f, 0.189316f, 0.269059f, 1.0f, 0.708555f, 0.5f}},
    {"Master Loud", {0.5f, 0.685905f, 0.1f, 0.189316f, 0.269059f, 1.0f, 0.711023f, 0.5f}},
    {"Cutting", {0.5f, 0.833333f, 0.0f, 0.124777f, 0.154889f, 1.0f, 0.39849f, 0.5f}},
    {"Dump", {0.5f, 1.0f, 0.1f, 0.0f, 0.484014f, 1.0f, 0.2516f, 0.5f}},
    {"Limiting Soft", {0.5f, 0.875221f, 0.1f, 0.0f, 0.48339f, 1.0f, 0.706345f, 0.5f}},
    {"Limiting Hard", {0.5f, 1.0f, 0.1f, 0.0f, 0.273654f, 1.0f, 0.712521f, 0.5f}},
    {"Drum", {0.5f, 0.762299f, 0.1f, 0.107609f, 0.484014f, 1.0f, 0.5f, 0.5f}},
    {"Drum Loud", {0.5f, 0.875221f, 0.1f, 0.0f, 0.179912f, 1.0f, 0.5f, 0.5f}},
    {"Snare Tight", {0.5f, 0.875221f, 0.0f, 0.119243f, 0.105539f, 1.0f, 0.711023f, 0.5f}},
    {"Snare Phat", {0.5f, 0.917902f, 0.1f, 0.0f, 0.179912f, 1.0f, 0.5f, 0.5f}},
    {"Kick Tight", {0.5f, 0.856814f, 0.1f, 0.124777f, 0.208555f, 1.0f, 0.5f, 0.5f}},
    {"Kick Phat", {0.5f, 0.917902f, 0.1f, 0.0f, 0.333333f, 1.0f, 0.387939f, 0.5f}},
    {"AGuitar", {0.5f, 0.800101f, 0.1f, 0.260004f, 0.287908f, 1.0f, 0.5f, 0.5f}},
    {"EGuitar Clean", {0.5f, 0.748764f, 0.0f, 0.205998f, 0.227793f, 1.0f, 0.5f, 0.5f}},
    {"EGuitar Crunch", {0.5f, 0.856815f, 0.1f, 0.089427f, 0.304829f, 1.0f, 0.5f, 0.5f}},
    {"EBass", {0.5f, 0.833333f, 0.1f, 0.166666f, 0.268423f, 1.0f, 0.5f, 0.5f}},
    {"EBass Slap", {0.5f, 0.917902f, 0.0f, 0.104817f, 0.210252f, 1.0f, 0.5f, 0.5f}},
    {"ABass", {0.5f, 0.869873f, 0.1f, 0.333333f, 0.342553f, 1.0f, 0.5f, 0.5f}},
    {"Vocal", {0.5f, 0.555301f, 0.1f, 0.107609f, 0.317833f, 1.0f, 0.5f, 0.5f}},
    {"Vocal Enhance", {0.5f, 0.917902f, 0.0f, 0.105964f, 0.175503f, 1.0f, 0.268714f, 0.5f}},
};

}  // namespace fendwick

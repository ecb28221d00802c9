// The three-band parameters in words: host names, labels, and how each
// value reads in units for the host and the editor.
#include "ascarell3_tables.h"

#include "ascarell_value_types.h"
#include "choice_value.h"

namespace fendwick {

namespace {

// The crossover cutoff in whole hertz, as the crossover sets it.
constexpr CurveValue kCutoff(21950.0, 4.0, 50.0, " Hz");

}  // namespace

const ParameterRow kAscarell3ParameterRows[] = {
    {"Lo-Mid", "Hz", &kCutoff, ""},
    {"Mid-Hi", "Hz", &kCutoff, ""},
    {"Hi Knee", "", &kAscarellKnee, "Knee  :  "},
    {"Mid Knee", "", &kAscarellKnee, "Knee  :  "},
    {"Lo Knee", "", &kAscarellKnee, "Knee  :  "},
    {"OutLevel", "dB", &kAscarellGain, ""},
    {"Hi_Thresh", "dB", &kAscarellThreshold, "Threshold  :  "},
    {"Hi_Ratio", "", &kAscarellRatio, "Ratio  :  "},
    {"Hi_Attack", "ms", &kAscarellAttackShown, "Attack  :  "},
    {"Hi_Release", "ms", &kAscarellRelease, "Release  :  "},
    {"Hi_ARC", "", &kOnOffSwitch, nullptr},
    {"Hi_In", "dB", &kAscarellGain, ""},
    {"Hi_PW", "", &kOnOffSwitch, nullptr},
    {"Hi_Comp", "", &kOnOffSwitch, nullptr},
    {"Mid_Thresh", "dB", &kAscarellThreshold, "Threshold  :  "},
    {"Mid_Ratio", "", &kAscarellRatio, "Ratio  :  "},
    {"Mid_Attack", "ms", &kAscarellAttackShown, "Attack  :  "},
    {"Mid_Release", "ms", &kAscarellRelease, "Release  :  "},
    {"Mid_ARC", "", &kOnOffSwitch, nullptr},
    {"Mid_In", "dB", &kAscarellGain, ""},
    {"Mid_PW", "", &kOnOffSwitch, nullptr},
    {"Mid_Comp", "", &kOnOffSwitch, nullptr},
    {"Lo_Thresh", "dB", &kAscarellThreshold, "Threshold  :  "},
    {"Lo_Ratio", "", &kAscarellRatio, "Ratio  :  "},
    {"Lo_Attack", "ms", &kAscarellAttackShown, "Attack  :  "},
    {"Lo_Release", "ms", &kAscarellRelease, "Release  :  "},
    {"Lo_ARC", "", &kOnOffSwitch, nullptr},
    {"Lo_In", "dB", &kAscarellGain, ""},
    {"Lo_PW", "", &kOnOffSwitch, nullptr},
    {"Lo_Comp", "", &kOnOffSwitch, nullptr},
};

}  // namespace fendwick

// The three-band parameters in words: host names, labels, and how each
// value reads in units for the host and the editor.
#include "ascarell3_tables.h"

#include "ascarell_knee_value.h"
#include "choice_value.h"
#include "compressor_value_types.h"

namespace fendwick {

const ParameterRow kAscarell3ParameterRows[] = {
    {"Lo-Mid", "Hz", &kCrossoverCutoff, ""},
    {"Mid-Hi", "Hz", &kCrossoverCutoff, ""},
    {"Hi Knee", "", &kAscarellKnee, "Knee  :  "},
    {"Mid Knee", "", &kAscarellKnee, "Knee  :  "},
    {"Lo Knee", "", &kAscarellKnee, "Knee  :  "},
    {"OutLevel", "dB", &kCompressorGain, ""},
    {"Hi_Thresh", "dB", &kCompressorThreshold, "Threshold  :  "},
    {"Hi_Ratio", "", &kCompressorRatio, "Ratio  :  "},
    {"Hi_Attack", "ms", &kCompressorAttackShown, "Attack  :  "},
    {"Hi_Release", "ms", &kCompressorRelease, "Release  :  "},
    {"Hi_ARC", "", &kOnOffSwitch, nullptr},
    {"Hi_In", "dB", &kCompressorGain, ""},
    {"Hi_PW", "", &kOnOffSwitch, nullptr},
    {"Hi_Comp", "", &kOnOffSwitch, nullptr},
    {"Mid_Thresh", "dB", &kCompressorThreshold, "Threshold  :  "},
    {"Mid_Ratio", "", &kCompressorRatio, "Ratio  :  "},
    {"Mid_Attack", "ms", &kCompressorAttackShown, "Attack  :  "},
    {"Mid_Release", "ms", &kCompressorRelease, "Release  :  "},
    {"Mid_ARC", "", &kOnOffSwitch, nullptr},
    {"Mid_In", "dB", &kCompressorGain, ""},
    {"Mid_PW", "", &kOnOffSwitch, nullptr},
    {"Mid_Comp", "", &kOnOffSwitch, nullptr},
    {"Lo_Thresh", "dB", &kCompressorThreshold, "Threshold  :  "},
    {"Lo_Ratio", "", &kCompressorRatio, "Ratio  :  "},
    {"Lo_Attack", "ms", &kCompressorAttackShown, "Attack  :  "},
    {"Lo_Release", "ms", &kCompressorRelease, "Release  :  "},
    {"Lo_ARC", "", &kOnOffSwitch, nullptr},
    {"Lo_In", "dB", &kCompressorGain, ""},
    {"Lo_PW", "", &kOnOffSwitch, nullptr},
    {"Lo_Comp", "", &kOnOffSwitch, nullptr},
};

}  // namespace fendwick

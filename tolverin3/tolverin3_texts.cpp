// The three-band character parameters in words: host names, labels, and how
// each value reads in units for the host and the editor.
#include "tolverin3_tables.h"

#include "character_value_types.h"
#include "choice_value.h"
#include "compressor_value_types.h"

namespace fendwick {

namespace {

// Type picks the gentle curve below 0.5 and the plain gain from there.
constexpr const char* kBandTypeNames[] = {"Soft", "Hard"};
constexpr ChoiceValue kBandType(kBandTypeNames);

}  // namespace

// The editor's value fields show the bare value with its unit; switches show
// their state by their pictures alone.
const ParameterRow kTolverin3ParameterRows[] = {
    {"Lo-Mid", "Hz", &kCrossoverCutoff, ""},
    {"Mid-Hi", "Hz", &kCrossoverCutoff, ""},
    {"PeakLimiter SW", "", &kOnOffSwitch, nullptr},
    {"Hi Type", "", &kBandType, nullptr},
    {"Mid Type", "", &kBandType, nullptr},
    {"Lo Type", "", &kBandType, nullptr},
    {"SonicFilter", "", &kCharacterCurve, nullptr},
    {"SonicFilter Amt", "", &kCharacterCurveSet, nullptr},
    {"OutLevel", "dB", &kCompressorGain, ""},
    {"Out Ceiling", "dB", &kOutputCeiling, ""},
    {"ParamLink", "", &kOnOffSwitch, nullptr},
    {"LoCut", "", &kOnOffSwitch, nullptr},
    {"Hi_Thresh", "dB", &kCompressorThreshold, ""},
    {"Hi_Ratio", "", &kCompressorRatio, ""},
    {"Hi_Attack", "ms", &kCompressorAttackShown, ""},
    {"Hi_Release", "ms", &kCompressorRelease, ""},
    {"Hi_ARC", "", &kOnOffSwitch, nullptr},
    {"Hi_In", "dB", &kCompressorGain, ""},
    {"Hi_PW", "", &kOnOffSwitch, nullptr},
    {"Hi_Comp", "", &kOnOffSwitch, nullptr},
    {"Mid_Thresh", "dB", &kCompressorThreshold, ""},
    {"Mid_Ratio", "", &kCompressorRatio, ""},
    {"Mid_Attack", "ms", &kCompressorAttackShown, ""},
    {"Mid_Release", "ms", &kCompressorRelease, ""},
    {"Mid_ARC", "", &kOnOffSwitch, nullptr},
    {"Mid_In", "dB", &kCompressorGain, ""},
    {"Mid_PW", "", &kOnOffSwitch, nullptr},
    {"Mid_Comp", "", &kOnOffSwitch, nullptr},
    {"Lo_Thresh", "dB", &kCompressorThreshold, ""},
    {"Lo_Ratio", "", &kCompressorRatio, ""},
    {"Lo_Attack", "ms", &kCompressorAttackShown, ""},
    {"Lo_Release", "ms", &kCompressorRelease, ""},
    {"Lo_ARC", "", &kOnOffSwitch, nullptr},
    {"Lo_In", "dB", &kCompressorGain, ""},
    {"Lo_PW", "", &kOnOffSwitch, nullptr},
    {"Lo_Comp", "", &kOnOffSwitch, nullptr},
};

}  // namespace fendwick

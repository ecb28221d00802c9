// The single-band parameters in words: host names, labels, and how each
// value reads in units for the host and the editor.
#include "ascarell_texts.h"

#include "ascarell_knee_value.h"
#include "ascarell_tables.h"
#include "choice_value.h"
#include "compressor_value_types.h"
#include "editor_texts.h"

namespace fendwick {

const ParameterRow kAscarellParameterRows[] = {
    {"Input", "dB", &kCompressorGain, "Input Gain  :  "},
    {"Ratio", "", &kCompressorRatio, "Ratio  :  "},
    {"Knee", "", &kAscarellKnee, "Knee  :  "},
    {"Attack", "ms", &kCompressorAttackShown, "Attack time  :  "},
    {"Release", "ms", &kCompressorRelease, "Release time  :  "},
    {"ARC", "", &kOnOffSwitch, nullptr},
    {"Thresh", "dB", &kCompressorThreshold, "Threshold Level  :  "},
    {"OutLevel", "dB", &kCompressorGain, "Output Gain  :  "},
};

ParameterText ascarellValueText(int32_t index) { return EditorTexts<kAscarellParameterRows>::of(index); }

}  // namespace fendwick

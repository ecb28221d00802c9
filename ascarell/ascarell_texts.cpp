// The single-band parameters in words: host names, labels, and how each
// value reads in units for the host and the editor.
#include "ascarell_texts.h"

#include "ascarell_tables.h"
#include "ascarell_value_types.h"
#include "choice_value.h"
#include "editor_texts.h"

namespace fendwick {

const ParameterRow kAscarellParameterRows[] = {
    {"Input", "dB", &kAscarellGain, "Input Gain  :  "},
    {"Ratio", "", &kAscarellRatio, "Ratio  :  "},
    {"Knee", "", &kAscarellKnee, "Knee  :  "},
    {"Attack", "ms", &kAscarellAttackShown, "Attack time  :  "},
    {"Release", "ms", &kAscarellRelease, "Release time  :  "},
    {"ARC", "", &kOnOffSwitch, nullptr},
    {"Thresh", "dB", &kAscarellThreshold, "Threshold Level  :  "},
    {"OutLevel", "dB", &kAscarellGain, "Output Gain  :  "},
};

ParameterText ascarellValueText(int32_t index) { return EditorTexts<kAscarellParameterRows>::of(index); }

}  // namespace fendwick

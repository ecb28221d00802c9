// The single-band parameters in words: host names, labels, and how each
// value reads in units for the host and the editor.
#include "ascarell_texts.h"

#include "ascarell_tables.h"
#include "ascarell_value_types.h"
#include "choice_value.h"

#include <array>
#include <utility>

namespace fendwick {

namespace {

template <size_t Index>
void rowEditorText(float x, char* text, size_t capacity)
{
    kAscarellParameterRows[Index].editorText(x, text, capacity);
}

// Each row's editor text as the plain function a text display takes.
template <size_t... Index>
constexpr std::array<ParameterText, sizeof...(Index)> editorTexts(std::index_sequence<Index...>)
{
    return {rowEditorText<Index>...};
}

constexpr auto kEditorTexts = editorTexts(std::make_index_sequence<AscarellParam::count>());

}  // namespace

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

void idleDisplayText(float, char* text, size_t capacity) { TextBuilder(text, capacity).text("- - - - - - - - -"); }

ParameterText ascarellValueText(int32_t index)
{
    const ParameterRow* row = ParameterTable(kAscarellParameterRows).find(index);
    return row != nullptr && row->caption != nullptr ? kEditorTexts[static_cast<size_t>(index)] : nullptr;
}

}  // namespace fendwick

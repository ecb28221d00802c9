// The single-band parameters in words: host names, labels, and how each
// value reads in units for the host and the editor.
#include "ascarell_texts.h"

#include "ascarell_tables.h"
#include "choice_value.h"
#include "curve_value.h"
#include "decibel_value.h"
#include "percent_value.h"
#include "ratio_value.h"

#include <array>
#include <utility>

namespace fendwick {

namespace {

// Input and output gain are 2x: 0.5 is 0 dB, 0 is silence.
constexpr DecibelValue kGain(2.0f, 0.0f, "-oo");
// The threshold is 0.999x and never below -50 dB.
constexpr DecibelValue kThreshold(0.999f, 0.003162277f, "-50.0");
constexpr RatioValue kRatio(50.0f);
constexpr PercentValue kKnee("Hard", "Soft");
// The attack shown runs 1 to 500 ms, apart from the 0.4 to 75 ms the
// detector uses; both mappings are part of the product.
constexpr CurveValue kAttackShown(499.0, 2.0, 1.0, " ms");
constexpr CurveValue kRelease(495.0, 2.0, 5.0, " ms");

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
    {"Input", "dB", &kGain, "Input Gain  :  "},
    {"Ratio", "", &kRatio, "Ratio  :  "},
    {"Knee", "", &kKnee, "Knee  :  "},
    {"Attack", "ms", &kAttackShown, "Attack time  :  "},
    {"Release", "ms", &kRelease, "Release time  :  "},
    {"ARC", "", &kOnOffSwitch, nullptr},
    {"Thresh", "dB", &kThreshold, "Threshold Level  :  "},
    {"OutLevel", "dB", &kGain, "Output Gain  :  "},
};

void idleDisplayText(float, char* text, size_t capacity) { TextBuilder(text, capacity).text("- - - - - - - - -"); }

ParameterText ascarellValueText(int32_t index)
{
    const ParameterRow* row = ParameterTable(kAscarellParameterRows).find(index);
    return row != nullptr && row->caption != nullptr ? kEditorTexts[static_cast<size_t>(index)] : nullptr;
}

}  // namespace fendwick

// The single-band parameters in words: host names and labels, and the
// editor's texts in units.
#include "ascarell_texts.h"

#include "ascarell_tables.h"
#include "value_text.h"

#include <cmath>

namespace fendwick {

namespace {

constexpr float kThresholdFloor = 0.003162277f;  // -50 dB
constexpr float kRatioInfinity = 50.0f;

void gainText(const char* prefix, float x, char* text, size_t capacity)
{
    TextBuilder out(text, capacity);
    out.text(prefix);
    if (x <= 0.0f) {
        out.text("-oo dB");
        return;
    }
    out.fixed(20.0 * std::log10(2.0 * static_cast<double>(x)), 1).text(" dB");
}

void millisecondsText(const char* prefix, float x, double scale, double offset, char* text, size_t capacity)
{
    const auto ms = static_cast<int64_t>(std::pow(static_cast<double>(x), 2.0) * scale + offset);
    TextBuilder(text, capacity).text(prefix).integer(ms).text(" ms");
}

}  // namespace

void idleDisplayText(float, char* text, size_t capacity) { TextBuilder(text, capacity).text("- - - - - - - - -"); }
void inputGainText(float x, char* text, size_t capacity) { gainText("Input Gain  :  ", x, text, capacity); }
void outputGainText(float x, char* text, size_t capacity) { gainText("Output Gain  :  ", x, text, capacity); }

void ratioText(float x, char* text, size_t capacity)
{
    TextBuilder out(text, capacity);
    out.text("Ratio  :  ");
    const float r = 1.0f / (1.0f - x);
    if (r < kRatioInfinity && r > 0.0f) {
        out.fixed(r, 1);
    } else {
        out.text("oo");
    }
    out.text(" : 1");
}

void kneeText(float x, char* text, size_t capacity)
{
    TextBuilder out(text, capacity);
    out.text("Knee  :  ");
    const float percent = x * 100.0f;
    if (percent <= 0.0f) {
        out.text("Hard");
    } else if (percent >= 100.0f) {
        out.text("Soft");
    } else {
        out.integer(static_cast<int64_t>(percent)).text(" %");
    }
}

// The attack shown runs 1 to 500 ms, apart from the 0.4 to 75 ms the
// detector uses; both mappings are part of the product.
void attackTimeText(float x, char* text, size_t capacity)
{
    millisecondsText("Attack time  :  ", x, 499.0, 1.0, text, capacity);
}

void releaseTimeText(float x, char* text, size_t capacity)
{
    millisecondsText("Release time  :  ", x, 495.0, 5.0, text, capacity);
}

void thresholdLevelText(float x, char* text, size_t capacity)
{
    TextBuilder out(text, capacity);
    out.text("Threshold Level  :  ");
    const float level = x * 0.999f;
    if (level <= kThresholdFloor) {
        out.text("-50.0");
    } else {
        out.fixed(20.0 * std::log10(static_cast<double>(level)), 1);
    }
    out.text(" dB");
}

const ParameterRow kAscarellParameterRows[] = {
    {"Input", "dB", inputGainText},
    {"Ratio", "", ratioText},
    {"Knee", "", kneeText},
    {"Attack", "ms", attackTimeText},
    {"Release", "ms", releaseTimeText},
    {"ARC", "", nullptr},
    {"Thresh", "dB", thresholdLevelText},
    {"OutLevel", "dB", outputGainText},
};

ParameterText ascarellValueText(int32_t index)
{
    const ParameterRow* row = ParameterTable(kAscarellParameterRows).find(index);
    return row != nullptr ? row->valueText : nullptr;
}

}  // namespace fendwick

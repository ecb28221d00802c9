// The editor's texts of the single-band parameters, in words and units.
#include "ascarell_texts.h"

#include "ascarell_parameters.h"

#include <cmath>

namespace fendwick {

namespace {

constexpr float kThresholdFloor = 0.003162277f;  // -50 dB
constexpr float kRatioInfinity = 50.0f;

void gainText(const char* prefix, float x, char* text)
{
    text[0] = '\0';
    appendText(text, prefix);
    if (x <= 0.0f) {
        appendText(text, "-oo dB");
        return;
    }
    appendFixed(text, 20.0 * std::log10(2.0 * static_cast<double>(x)), 1);
    appendText(text, " dB");
}

void millisecondsText(const char* prefix, float x, double scale, double offset, char* text)
{
    text[0] = '\0';
    appendText(text, prefix);
    appendInteger(text, static_cast<int64_t>(std::pow(static_cast<double>(x), 2.0) * scale + offset));
    appendText(text, " ms");
}

}  // namespace

void idleDisplayText(float, char* text)
{
    text[0] = '\0';
    appendText(text, "- - - - - - - - -");
}

void inputGainText(float x, char* text) { gainText("Input Gain  :  ", x, text); }
void outputGainText(float x, char* text) { gainText("Output Gain  :  ", x, text); }

void ratioText(float x, char* text)
{
    text[0] = '\0';
    appendText(text, "Ratio  :  ");
    const float r = 1.0f / (1.0f - x);
    if (r < kRatioInfinity && r > 0.0f) {
        appendFixed(text, r, 1);
    } else {
        appendText(text, "oo");
    }
    appendText(text, " : 1");
}

void kneeText(float x, char* text)
{
    text[0] = '\0';
    appendText(text, "Knee  :  ");
    const float percent = x * 100.0f;
    if (percent <= 0.0f) {
        appendText(text, "Hard");
    } else if (percent >= 100.0f) {
        appendText(text, "Soft");
    } else {
        appendInteger(text, static_cast<int64_t>(percent));
        appendText(text, " %");
    }
}

// The attack shown runs 1 to 500 ms, apart from the 0.4 to 75 ms the
// detector uses; both mappings are part of the product.
void attackTimeText(float x, char* text) { millisecondsText("Attack time  :  ", x, 499.0, 1.0, text); }
void releaseTimeText(float x, char* text) { millisecondsText("Release time  :  ", x, 495.0, 5.0, text); }

void thresholdLevelText(float x, char* text)
{
    text[0] = '\0';
    appendText(text, "Threshold Level  :  ");
    const float level = x * 0.999f;
    if (level <= kThresholdFloor) {
        appendText(text, "-50.0");
    } else {
        appendFixed(text, 20.0 * std::log10(static_cast<double>(level)), 1);
    }
    appendText(text, " dB");
}

ValueToText ascarellValueText(int32_t index)
{
    switch (index) {
    case AscarellParam::input: return inputGainText;
    case AscarellParam::ratio: return ratioText;
    case AscarellParam::knee: return kneeText;
    case AscarellParam::attack: return attackTimeText;
    case AscarellParam::release: return releaseTimeText;
    case AscarellParam::thresh: return thresholdLevelText;
    case AscarellParam::outLevel: return outputGainText;
    default: return nullptr;
    }
}

}  // namespace fendwick

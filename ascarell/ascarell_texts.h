// The editor's texts of the single-band parameters, in words and units.
#pragma once

#include "value_text.h"

namespace fendwick {

// Each writes the text of normalized value x into text (kValueTextCapacity).
void idleDisplayText(float x, char* text);
void inputGainText(float x, char* text);
void ratioText(float x, char* text);
void kneeText(float x, char* text);
void attackTimeText(float x, char* text);
void releaseTimeText(float x, char* text);
void thresholdLevelText(float x, char* text);
void outputGainText(float x, char* text);

// The text function of a parameter index; null for ARC and unknown indexes.
ValueToText ascarellValueText(int32_t index);

}  // namespace fendwick

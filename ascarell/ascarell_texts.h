// The editor's texts of the single-band parameters, in words and units.
#pragma once

#include "parameter_table.h"

#include <cstddef>
#include <cstdint>

namespace fendwick {

void idleDisplayText(float x, char* text, size_t capacity);
void inputGainText(float x, char* text, size_t capacity);
void ratioText(float x, char* text, size_t capacity);
void kneeText(float x, char* text, size_t capacity);
void attackTimeText(float x, char* text, size_t capacity);
void releaseTimeText(float x, char* text, size_t capacity);
void thresholdLevelText(float x, char* text, size_t capacity);
void outputGainText(float x, char* text, size_t capacity);

// The text function of a parameter's row; null for ARC and unknown indexes.
ParameterText ascarellValueText(int32_t index);

}  // namespace fendwick

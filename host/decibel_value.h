// A level in decibels with one decimal, and a word for what lies below its floor.
#pragma once

#include "value_type.h"

namespace fendwick {

// The level is scale · x as a float32 factor; at or below floorFactor the
// value reads floorText ("-oo" for silence, "-50.0" for a threshold floor).
class DecibelValue final : public ValueType {
public:
    constexpr DecibelValue(float scale, float floorFactor, const char* floorText)
        : scale_(scale), floorFactor_(floorFactor), floorText_(floorText)
    {
    }

    void write(float x, TextBuilder& out, bool withUnit) const override;

private:
    float scale_;
    float floorFactor_;
    const char* floorText_;
};

}  // namespace fendwick

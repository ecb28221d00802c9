// Whole units along a power curve of the normalized value: milliseconds, hertz.
#pragma once

#include "value_type.h"

namespace fendwick {

// Reads trunc(scale · x^power + offset) followed by unit (" ms", " Hz"):
// integer quantities are truncated toward zero, never rounded.
class CurveValue final : public ValueType {
public:
    constexpr CurveValue(double scale, double power, double offset, const char* unit)
        : scale_(scale), power_(power), offset_(offset), unit_(unit)
    {
    }

    void write(float x, TextBuilder& out, bool withUnit) const override;

private:
    double scale_;
    double power_;
    double offset_;
    const char* unit_;
};

}  // namespace fendwick

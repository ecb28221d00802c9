// A whole percentage of the normalized value, with optional words for its ends.
#pragma once

#include "value_type.h"

namespace fendwick {

// Reads trunc(100 · x) " %"; at or below 0 % it reads noneWord and at or
// above 100 % fullWord instead ("Hard", "Soft"), where they are given.
class PercentValue final : public ValueType {
public:
    constexpr PercentValue(const char* noneWord, const char* fullWord) : noneWord_(noneWord), fullWord_(fullWord) {}

    void write(float x, TextBuilder& out, bool withUnit) const override;

private:
    const char* noneWord_;
    const char* fullWord_;
};

}  // namespace fendwick

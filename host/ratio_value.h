// A compression ratio, 1 / (1 - x) : 1, with one decimal.
#pragma once

#include "value_type.h"

namespace fendwick {

// From infinityFrom up (and at x = 1) the ratio reads "oo".
class RatioValue final : public ValueType {
public:
    explicit constexpr RatioValue(float infinityFrom) : infinityFrom_(infinityFrom) {}

    void write(float x, TextBuilder& out, bool withUnit) const override;

private:
    float infinityFrom_;
};

}  // namespace fendwick

// A switch or a multi-position switch, read as the name of its position.
#pragma once

#include "value_type.h"

#include <cstddef>
#include <cstdint>

namespace fendwick {

// The range 0..1 is cut into equal positions at bounds written with six
// decimals, truncated: two positions switch at 0.5, three at 0.333333 and
// 0.666666, as the processing switches them.
class ChoiceValue final : public ValueType {
public:
    template <size_t Count>
    explicit constexpr ChoiceValue(const char* const (&names)[Count])
        : names_(names), count_(static_cast<int32_t>(Count))
    {
        static_assert(Count >= 2, "a choice has at least two positions");
    }

    void write(float x, TextBuilder& out, bool withUnit) const override;

private:
    int32_t position(float x) const;

    const char* const* names_;
    int32_t count_;
};

// A two-position switch: "Off" below 0.5, "On" from there.
extern const ChoiceValue kOnOffSwitch;

}  // namespace fendwick

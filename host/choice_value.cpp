// A switch or a multi-position switch, read as the name of its position.
#include "choice_value.h"

#include <cmath>

namespace fendwick {

namespace {
constexpr const char* kOnOffNames[] = {"Off", "On"};
constexpr double kBoundScale = 1e6;  // bounds carry six decimals
}  // namespace

const ChoiceValue kOnOffSwitch(kOnOffNames);

int32_t ChoiceValue::position(float x) const
{
    int32_t reached = 0;
    for (int32_t next = 1; next < count_; ++next) {
        const auto bound = static_cast<float>(std::floor(next * kBoundScale / count_) / kBoundScale);
        if (x >= bound) {
            reached = next;
        }
    }
    return reached;
}

void ChoiceValue::write(float x, TextBuilder& out, bool) const { out.text(names_[position(x)]); }

}  // namespace fendwick

// The toolkit's module-wide colour table.
#pragma once

#include "color.h"

#include <cstdint>

namespace fendwick {

constexpr Color blackColor{0, 0, 0, 255};
constexpr Color whiteColor{255, 255, 255, 0};
constexpr Color greyColor{127, 127, 127, 0};
constexpr Color redColor{255, 0, 0, 0};
constexpr Color greenColor{0, 255, 0, 0};
constexpr Color blueColor{0, 0, 255, 0};
constexpr Color yellowColor{255, 255, 0, 0};
constexpr Color magentaColor{255, 0, 255, 0};
constexpr Color cyanColor{0, 255, 255, 0};
constexpr Color warmGreyColor{106, 103, 98, 0};
constexpr Color lightGreyColor{204, 204, 204, 0};
constexpr Color deepBlueColor{15, 46, 62, 255};
constexpr Color skyBlueColor{170, 211, 234, 255};
constexpr Color paleBlueColor{210, 232, 244, 255};
constexpr Color iceColor{223, 254, 255, 0};
constexpr Color mintColor{209, 233, 232, 0};
// The editors' two text colours.
constexpr Color textCyanColor{102, 255, 255, 0};
constexpr Color textSlateColor{91, 107, 115, 0};

constexpr int32_t colorTableSize = 18;
// Every colour above, in table order.
extern const Color colorTable[colorTableSize];

}  // namespace fendwick

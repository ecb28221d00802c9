// The slope of a compressor's static curve above its threshold, from the ratio setting.
#pragma once

namespace fendwick {

// The slope from T to T^x at full scale, with T^x taken in double: x = 0
// gives exactly 1 and x = 1 exactly 0.
float ratioSlope(float threshold, float ratioParam);

}  // namespace fendwick

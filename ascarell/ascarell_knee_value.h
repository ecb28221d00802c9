// How the clean compressor's knee reads, for the single-band and the
// three-band line alike.
#pragma once

#include "percent_value.h"

namespace fendwick {

inline constexpr PercentValue kAscarellKnee("Hard", "Soft");

}  // namespace fendwick

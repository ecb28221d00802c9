// Decodes each embedded picture once per module and shares the result.
#pragma once

#include "gui/platform/pixel_surface.h"

#include <cstdint>
#include <memory>

namespace fendwick {

// The picture of a resource id as 0x00RRGGBB pixels, decoded on first use
// and kept for the module's life; null when the library carries no such id
// or its format is unknown. Safe to call from any thread.
std::shared_ptr<const PixelSurface> decodedBitmap(int32_t resourceId);

}  // namespace fendwick

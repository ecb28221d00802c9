// Decodes each embedded picture once per module and shares the result.
#pragma once

#include "pixel_surface.h"

#include <cstdint>
#include <memory>

namespace fendwick {

struct ArtworkTable;
struct EmbeddedBitmap;

// Whether the picture has a size and a pixel format the toolkit reads.
bool canDecode(const EmbeddedBitmap& source);

// The picture of a resource id in a table as 0x00RRGGBB pixels, decoded on
// first use and kept for the module's life; null when the table carries no
// such id or its format is unknown. Tables are told apart by address, so the
// same id in two tables gives two pictures. Safe to call from any thread.
std::shared_ptr<const PixelSurface> decodedBitmap(const ArtworkTable& artwork, int32_t resourceId);

}  // namespace fendwick

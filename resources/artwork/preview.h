// Puts a product's encoded bitmaps together the way its editor shows them,
// so the whole editor can be looked at without a host.
#pragma once

#include "artwork_bitmap.h"
#include "product_artwork.h"

#include <vector>

namespace fendwick::artwork {

// The first bitmap of the product (the background) with every placement
// copied over it, from the encoded (palettised) pictures.
EncodedBitmap composePreview(const ProductArtwork& product, const std::vector<EncodedBitmap>& encoded);

}  // namespace fendwick::artwork

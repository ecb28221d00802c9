// Writes the C++ source that embeds a product line's bitmaps in its library.
#pragma once

#include "artwork_bitmap.h"

#include <string>
#include <vector>

namespace fendwick::artwork {

// The source defines the artwork table fendwick::`tableName`, one of those
// resources/embedded/artwork_tables.h declares, for exactly these bitmaps; the data
// arrays stay private to it. Numbers are written without any locale, so the
// text depends on the bitmaps alone.
std::string generateSource(const std::string& tableName, const std::string& description,
                           const std::vector<EncodedBitmap>& bitmaps);

}  // namespace fendwick::artwork

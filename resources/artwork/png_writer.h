// Writes pictures as PNG files, for looking at the artwork outside a plug-in.
#pragma once

#include "artwork_bitmap.h"

#include <string>

namespace fendwick::artwork {

// Answers false when the file cannot be written.
bool writePng(const std::string& path, const EncodedBitmap& bitmap);

}  // namespace fendwick::artwork

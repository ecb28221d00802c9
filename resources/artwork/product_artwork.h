// Everything one product line's library carries, and how its editor shows it.
#pragma once

#include "artwork_bitmap.h"
#include "typefaces.h"

#include <string>
#include <vector>

namespace fendwick::artwork {

// A picture placed in the editor, for the preview that puts the whole editor together.
struct Placement {
    int32_t bitmapId;
    int x;
    int y;
    int image;  // which of the bitmap's stacked images is shown
};

struct ProductArtwork {
    std::string name;         // file stem of the generated source and the previews
    std::string description;  // who carries these bitmaps, for the generated file's comment
    std::vector<ArtworkBitmap> bitmaps;
    std::vector<Placement> preview;
};

ProductArtwork makeAscarellArtwork(const Typefaces& type);
ProductArtwork makeAscarell3Artwork(const Typefaces& type);
ProductArtwork makeTolverinArtwork(const Typefaces& type);
ProductArtwork makeTolverinMonoArtwork(const Typefaces& type);
ProductArtwork makeTolverin3Artwork(const Typefaces& type);

}  // namespace fendwick::artwork

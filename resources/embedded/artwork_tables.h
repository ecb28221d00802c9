// The artwork table of every product line, each defined by the line's
// generated bitmap library (ascarell_artwork for ascarellArtwork, and so on).
#pragma once

#include "embedded_bitmap.h"

namespace fendwick {

extern const ArtworkTable ascarellArtwork;
extern const ArtworkTable ascarell3Artwork;
extern const ArtworkTable tolverinArtwork;
extern const ArtworkTable tolverinMonoArtwork;
extern const ArtworkTable tolverin3Artwork;

}  // namespace fendwick

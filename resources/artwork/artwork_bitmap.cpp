// Storing a painted bitmap palettised or as plain RGB.
#include "artwork_bitmap.h"

#include "quantiser.h"

#include <utility>

namespace fendwick::artwork {

ArtworkBitmap palettised(int32_t id, Canvas picture, int imageCount, const Colour& panel)
{
    return {id, imageCount, 8, std::move(picture), {packColour(panel)}};
}

ArtworkBitmap trueColour(int32_t id, Canvas picture, int imageCount)
{
    return {id, imageCount, 24, std::move(picture), {}};
}

std::array<uint8_t, 3> EncodedBitmap::colourAt(int x, int y) const
{
    const size_t pixel = static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
    if (bitsPerPixel == 8) {
        const size_t entry = static_cast<size_t>(pixels[pixel]) * 3;
        return {palette[entry], palette[entry + 1], palette[entry + 2]};
    }
    return {pixels[pixel * 3], pixels[pixel * 3 + 1], pixels[pixel * 3 + 2]};
}

EncodedBitmap encode(const ArtworkBitmap& bitmap)
{
    EncodedBitmap out;
    out.id = bitmap.id;
    out.width = bitmap.picture.width();
    out.height = bitmap.picture.height();
    out.bitsPerPixel = bitmap.bitsPerPixel;
    if (bitmap.bitsPerPixel == 8) {
        const IndexedImage indexed = quantise(bitmap.picture, bitmap.pinnedColours);
        out.palette.assign(indexed.palette.begin(), indexed.palette.end());
        out.pixels = indexed.indices;
        return out;
    }
    out.pixels.reserve(static_cast<size_t>(out.width) * static_cast<size_t>(out.height) * 3);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            const Colour& c = bitmap.picture.at(x, y);
            out.pixels.push_back(toByte(c.r));
            out.pixels.push_back(toByte(c.g));
            out.pixels.push_back(toByte(c.b));
        }
    }
    return out;
}

}  // namespace fendwick::artwork

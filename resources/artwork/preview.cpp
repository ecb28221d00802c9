// Editor mock-ups from the finished bitmaps.
#include "preview.h"

namespace fendwick::artwork {

namespace {

const EncodedBitmap* findBitmap(const ProductArtwork& product, const std::vector<EncodedBitmap>& encoded, int32_t id)
{
    for (size_t i = 0; i < product.bitmaps.size(); ++i) {
        if (product.bitmaps[i].id == id) {
            return &encoded[i];
        }
    }
    return nullptr;
}

}  // namespace

EncodedBitmap composePreview(const ProductArtwork& product, const std::vector<EncodedBitmap>& encoded)
{
    const EncodedBitmap& background = encoded.front();
    EncodedBitmap out{background.id, background.width, background.height, 24, {}, {}};
    out.pixels.resize(static_cast<size_t>(out.width) * static_cast<size_t>(out.height) * 3);
    auto put = [&](int x, int y, const std::array<uint8_t, 3>& c) {
        if (x < 0 || y < 0 || x >= out.width || y >= out.height) {
            return;
        }
        const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(out.width) + static_cast<size_t>(x)) * 3;
        out.pixels[at] = c[0];
        out.pixels[at + 1] = c[1];
        out.pixels[at + 2] = c[2];
    };
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            put(x, y, background.colourAt(x, y));
        }
    }
    for (const Placement& place : product.preview) {
        const EncodedBitmap* bitmap = findBitmap(product, encoded, place.bitmapId);
        if (bitmap == nullptr) {
            continue;
        }
        int imageCount = 1;
        for (const ArtworkBitmap& b : product.bitmaps) {
            if (b.id == place.bitmapId) {
                imageCount = b.imageCount;
            }
        }
        const int imageHeight = bitmap->height / imageCount;
        for (int y = 0; y < imageHeight; ++y) {
            for (int x = 0; x < bitmap->width; ++x) {
                put(place.x + x, place.y + y, bitmap->colourAt(x, place.image * imageHeight + y));
            }
        }
    }
    return out;
}

}  // namespace fendwick::artwork

// Decodes each embedded picture once per module and shares the result.
#include "bitmap_cache.h"

#include "embedded_bitmap.h"

#include <map>
#include <mutex>
#include <utility>

namespace fendwick {
namespace {

std::shared_ptr<const PixelSurface> decode(const EmbeddedBitmap& source)
{
    if (!canDecode(source))
        return nullptr;
    const bool palettised = source.bitsPerPixel == 8;
    auto picture = std::make_shared<PixelSurface>();
    picture->resize(source.width, source.height);
    const uint8_t* in = source.pixels;
    for (uint32_t& out : picture->pixels) {
        const uint8_t* rgb = palettised ? source.palette + 3 * static_cast<size_t>(*in++) : in;
        if (!palettised)
            in += 3;
        out = (static_cast<uint32_t>(rgb[0]) << 16) | (static_cast<uint32_t>(rgb[1]) << 8) | rgb[2];
    }
    return picture;
}

}  // namespace

bool canDecode(const EmbeddedBitmap& source)
{
    if (source.width <= 0 || source.height <= 0 || source.pixels == nullptr)
        return false;
    return (source.bitsPerPixel == 8 && source.palette != nullptr) || source.bitsPerPixel == 24;
}

std::shared_ptr<const PixelSurface> decodedBitmap(const ArtworkTable& artwork, int32_t resourceId)
{
    // Editors of several instances may load pictures on different threads.
    static std::mutex mutex;
    static std::map<std::pair<const ArtworkTable*, int32_t>, std::shared_ptr<const PixelSurface>> decoded;
    const std::lock_guard<std::mutex> lock(mutex);
    const auto key = std::make_pair(&artwork, resourceId);
    const auto found = decoded.find(key);
    if (found != decoded.end())
        return found->second;
    const EmbeddedBitmap* source = artwork.find(resourceId);
    if (source == nullptr)
        return nullptr;
    auto picture = decode(*source);
    if (picture)
        decoded.emplace(key, picture);
    return picture;
}

}  // namespace fendwick

// PNG output through libpng: 8-bit RGB, no time stamp, so files repeat byte for byte.
#include "png_writer.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace fendwick::artwork {

bool writePng(const std::string& path, const EncodedBitmap& bitmap)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    // Allocated before setjmp: a libpng error jumps back past anything made later.
    std::vector<png_byte> row(static_cast<size_t>(bitmap.width) * 3);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.width), static_cast<png_uint_32>(bitmap.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            const auto c = bitmap.colourAt(x, y);
            row[static_cast<size_t>(x) * 3] = c[0];
            row[static_cast<size_t>(x) * 3 + 1] = c[1];
            row[static_cast<size_t>(x) * 3 + 2] = c[2];
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

}  // namespace fendwick::artwork

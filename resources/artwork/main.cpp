// The artwork program: paints every bitmap of a product line, writes the C++
// source that embeds them in the line's library, and on request PNG previews.
//
//   fendwick_artwork --fonts DIR --line NAME [--source FILE] [--png-dir DIR]
//
// NAME is ascarell, ascarell3, tolverin, tolverin_mono, tolverin3, or all
// (previews only). The output depends on the program and the fonts alone.
#include "artwork_bitmap.h"
#include "png_writer.h"
#include "preview.h"
#include "product_artwork.h"
#include "source_writer.h"
#include "typefaces.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace fendwick::artwork;

struct Line {
    const char* name;
    ProductArtwork (*make)(const Typefaces&);
    const char* tableName;  // as resources/embedded/artwork_tables.h declares it
};

constexpr Line lines[] = {{"ascarell", makeAscarellArtwork, "ascarellArtwork"},
                          {"ascarell3", makeAscarell3Artwork, "ascarell3Artwork"},
                          {"tolverin", makeTolverinArtwork, "tolverinArtwork"},
                          {"tolverin_mono", makeTolverinMonoArtwork, "tolverinMonoArtwork"},
                          {"tolverin3", makeTolverin3Artwork, "tolverin3Artwork"}};

struct Options {
    std::string fonts;
    std::string line;
    std::string source;
    std::string pngDirectory;
};

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        const std::string value = argv[i + 1];
        if (key == "--fonts") {
            options.fonts = value;
        } else if (key == "--line") {
            options.line = value;
        } else if (key == "--source") {
            options.source = value;
        } else if (key == "--png-dir") {
            options.pngDirectory = value;
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && !options.fonts.empty() && !options.line.empty() &&
           !(options.source.empty() && options.pngDirectory.empty()) && !(options.line == "all" && !options.source.empty());
}

bool writeFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(file);
}

bool writePreviews(const std::string& directory, const ProductArtwork& product, const std::vector<EncodedBitmap>& encoded)
{
    for (const EncodedBitmap& bitmap : encoded) {
        if (!writePng(directory + "/" + product.name + "_" + std::to_string(bitmap.id) + ".png", bitmap)) {
            return false;
        }
    }
    return writePng(directory + "/" + product.name + "_editor.png", composePreview(product, encoded));
}

int run(const Options& options, const Typefaces& type)
{
    bool found = false;
    for (const Line& line : lines) {
        if (options.line != "all" && options.line != line.name) {
            continue;
        }
        found = true;
        const ProductArtwork product = line.make(type);
        std::vector<EncodedBitmap> encoded;
        for (const ArtworkBitmap& bitmap : product.bitmaps) {
            encoded.push_back(encode(bitmap));
        }
        if (!options.source.empty() && !writeFile(options.source, generateSource(line.tableName, product.description, encoded))) {
            std::fprintf(stderr, "fendwick_artwork: cannot write %s\n", options.source.c_str());
            return 3;
        }
        if (!options.pngDirectory.empty() && !writePreviews(options.pngDirectory, product, encoded)) {
            std::fprintf(stderr, "fendwick_artwork: cannot write previews to %s\n", options.pngDirectory.c_str());
            return 3;
        }
    }
    if (!found) {
        std::fprintf(stderr, "fendwick_artwork: unknown line %s\n", options.line.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: fendwick_artwork --fonts DIR --line NAME [--source FILE] [--png-dir DIR]\n");
        return 1;
    }
    Typefaces type;
    if (!type.load(options.fonts)) {
        std::fprintf(stderr, "fendwick_artwork: DejaVuSans.ttf and DejaVuSans-Bold.ttf not found in %s\n",
                     options.fonts.c_str());
        return 2;
    }
    return run(options, type);
}

// The generated table source and the bitmap encoding it is written from.
#include "artwork_bitmap.h"
#include "source_writer.h"

#include <gtest/gtest.h>

namespace fendwick::artwork {
namespace {

TEST(SourceWriter, WritesThePaletteThePixelsAndTheNamedTable)
{
    EncodedBitmap indexed{10001, 2, 1, 8, std::vector<uint8_t>(768, 0), {0, 255}};
    indexed.palette[3] = 9;
    EncodedBitmap rgbBitmap{10007, 1, 1, 24, {}, {1, 2, 3}};
    const std::string source = generateSource("testArtwork", "a test line", {indexed, rgbBitmap});

    EXPECT_NE(source.find("// The bitmaps of a test line"), std::string::npos);
    EXPECT_NE(source.find("#include \"artwork_tables.h\""), std::string::npos);
    EXPECT_NE(source.find("const uint8_t palette10001[768] = {\n0,0,0,9,0,"), std::string::npos);
    EXPECT_NE(source.find("const uint8_t pixels10001[2] = {\n0,255,\n};"), std::string::npos);
    EXPECT_NE(source.find("const uint8_t pixels10007[3] = {\n1,2,3,\n};"), std::string::npos);
    EXPECT_EQ(source.find("palette10007"), std::string::npos);
    EXPECT_NE(source.find("{10001, 2, 1, 8, palette10001, pixels10001},"), std::string::npos);
    EXPECT_NE(source.find("{10007, 1, 1, 24, nullptr, pixels10007},"), std::string::npos);
    EXPECT_NE(source.find("const ArtworkTable testArtwork{bitmaps, 2};"), std::string::npos);
    // Data stays private to the generated file; only the table is seen outside.
    EXPECT_LT(source.find("namespace {"), source.find("palette10001"));
    EXPECT_LT(source.find("}  // namespace\n"), source.find("const ArtworkTable"));
}

TEST(SourceWriter, BreaksLongArraysIntoShortLines)
{
    EncodedBitmap big{10002, 100, 10, 24, {}, std::vector<uint8_t>(3000, 200)};
    const std::string source = generateSource("bigArtwork", "x", {big});
    size_t longest = 0;
    size_t start = 0;
    for (size_t end = source.find('\n'); end != std::string::npos; end = source.find('\n', start)) {
        longest = std::max(longest, end - start);
        start = end + 1;
    }
    EXPECT_LE(longest, 200u);
}

TEST(Encoding, StoresTrueColourExactlyAndPalettisedThroughItsPalette)
{
    Canvas picture(3, 2, rgb(10, 20, 30));
    picture.at(2, 1) = rgb(200, 100, 50);
    const EncodedBitmap plain = encode(trueColour(10007, picture, 2));
    EXPECT_EQ(plain.bitsPerPixel, 24);
    EXPECT_TRUE(plain.palette.empty());
    EXPECT_EQ(plain.pixels.size(), 18u);
    EXPECT_EQ(plain.colourAt(2, 1), (std::array<uint8_t, 3>{200, 100, 50}));

    const EncodedBitmap indexed = encode(palettised(10003, picture, 1, rgb(1, 2, 3)));
    EXPECT_EQ(indexed.bitsPerPixel, 8);
    EXPECT_EQ(indexed.palette.size(), 768u);
    EXPECT_EQ(indexed.pixels.size(), 6u);
    EXPECT_EQ(indexed.colourAt(0, 0), (std::array<uint8_t, 3>{10, 20, 30}));
    EXPECT_EQ(indexed.colourAt(2, 1), (std::array<uint8_t, 3>{200, 100, 50}));
}

}  // namespace
}  // namespace fendwick::artwork

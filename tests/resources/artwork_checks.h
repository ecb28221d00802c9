// Checks that every product line's embedded bitmaps are what its editor
// expects; each check reads the table it is given.
#pragma once

#include "artwork_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace fendwick::artwork_test {

using Rgb = std::array<int, 3>;

// A bitmap as the editor loads it: id, width, height of one image, number of
// images stacked vertically, bits per pixel.
struct ExpectedBitmap {
    int32_t id;
    int32_t width;
    int32_t imageHeight;
    int images;
    int32_t bitsPerPixel;
};

// Where a bitmap is drawn on the background (bitmap 10001).
struct Placement {
    int32_t id;
    int x;
    int y;
};

Rgb pixelAt(const EmbeddedBitmap& bitmap, int x, int y);

::testing::AssertionResult hasShape(const ArtworkTable& table, const ExpectedBitmap& expected);
// Frame 0 points to the lower left, frame 40 up, frame 80 to the lower right,
// and every frame turns a little further clockwise than the one before.
::testing::AssertionResult turnsClockwise(const ArtworkTable& table, int32_t knobId);
// Every two of the stacked images differ visibly.
::testing::AssertionResult imagesDiffer(const ArtworkTable& table, int32_t id, int images);
// The lower image (value 1, switched on) is the lit one.
::testing::AssertionResult lowerImageIsLit(const ArtworkTable& table, int32_t id);
// Image i lights the i-th zone from the left and no other zone as brightly.
::testing::AssertionResult zonesLightInOrder(const ArtworkTable& table, int32_t id, int images);
// Every corner of every frame equals the background where the knob is drawn,
// so the opaque film strip leaves no visible square.
::testing::AssertionResult blendsIntoBackground(const ArtworkTable& table, const Placement& knob);
// Text in the given colour has a contrast ratio of at least 3.5 to the
// average of the display background.
::testing::AssertionResult carriesReadableText(const ArtworkTable& table, int32_t id, const Rgb& textColour);
// The meter bar colours (fill 0, 166, 166; outline 0, 255, 255) stand out
// from the face by a contrast ratio of at least 4.
::testing::AssertionResult showsMeterBar(const ArtworkTable& table, int32_t id);
// The table answers null for ids the line does not carry.
::testing::AssertionResult knowsNothingBut(const ArtworkTable& table, int32_t firstId, int32_t lastId);

}  // namespace fendwick::artwork_test

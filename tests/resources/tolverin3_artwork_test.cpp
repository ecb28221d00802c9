// The bitmaps of the Tolverin three-band editor, as tolverin3_mono carries them.
#include "artwork_checks.h"

#include "tolverin3_editor_layout.h"

#include <vector>

namespace fendwick::artwork_test {
namespace {

const ArtworkTable& table = tolverin3Artwork;

const ExpectedBitmap bitmaps[] = {
    {10001, 474, 502, 1, 8}, {10002, 9, 82, 1, 8},  {10003, 13, 82, 1, 8},  {10004, 15, 82, 1, 8},
    {10005, 462, 31, 2, 8},  {10006, 51, 51, 81, 8}, {10007, 32, 32, 81, 8}, {10008, 32, 32, 81, 8},
    {10009, 50, 11, 1, 8},   {10010, 66, 11, 1, 8}, {10011, 50, 11, 1, 8},  {10012, 29, 11, 2, 8},
    {10013, 31, 11, 2, 8},   {10014, 31, 11, 2, 8}, {10015, 31, 11, 2, 8},  {10016, 156, 11, 3, 8},
    {10017, 31, 11, 2, 8},   {10018, 55, 11, 2, 8}, {10019, 69, 15, 2, 8},  {10020, 39, 11, 2, 8},
    {10021, 35, 11, 2, 8},   {10022, 72, 11, 2, 8}};

TEST(Tolverin3Artwork, CarriesEveryBitmapAtItsSizeAndNothingElse)
{
    for (const ExpectedBitmap& b : bitmaps) {
        EXPECT_TRUE(hasShape(table, b));
    }
    EXPECT_TRUE(knowsNothingBut(table, 10001, 10022));
}

TEST(Tolverin3Artwork, KnobsTurnClockwiseFromLowerLeftToLowerRight)
{
    for (const int32_t id : {10006, 10007, 10008}) {
        EXPECT_TRUE(turnsClockwise(table, id));
    }
}

TEST(Tolverin3Artwork, KnobsBlendIntoTheBackgroundWhereTheEditorPutsThem)
{
    int knobs = 0;
    for (const LayoutControl& c : Tolverin3Layout::controls) {
        if (c.kind == LayoutControlKind::knob) {
            EXPECT_TRUE(blendsIntoBackground(table, {c.picture.id, c.place.left, c.place.top}));
            ++knobs;
        }
    }
    EXPECT_EQ(knobs, 19);
}

// Every row of the editor's layout names a picture the library carries at
// the size the row expects, so the editor and the painted pictures agree.
TEST(Tolverin3Artwork, EveryPictureTheLayoutPlacesIsCarriedAtItsSize)
{
    const CharacterEditorLayout& l = Tolverin3Layout::editor;
    std::vector<LayoutPicture> placed = {l.background, l.plate.picture};
    for (const LayoutMeter& m : l.meters) {
        placed.push_back(m.picture);
    }
    for (const LayoutControl& c : l.controls) {
        placed.push_back(c.picture);
    }
    for (const LayoutValueField& f : l.fields) {
        placed.push_back(f.picture);
        EXPECT_EQ(f.area.right - f.area.left, f.picture.width) << f.tag;
        EXPECT_EQ(f.area.bottom - f.area.top, f.picture.imageHeight) << f.tag;
    }
    for (const LayoutPicture& p : placed) {
        EXPECT_TRUE(hasShape(table, {p.id, p.width, p.imageHeight, p.images, 8}));
    }
}

TEST(Tolverin3Artwork, SwitchesAreLitBelowAndMultiPositionSwitchesLightTheirZone)
{
    for (const int32_t id : {10012, 10013, 10014, 10015, 10017, 10018, 10019, 10020, 10021}) {
        EXPECT_TRUE(imagesDiffer(table, id, 2));
        EXPECT_TRUE(lowerImageIsLit(table, id));
    }
    EXPECT_TRUE(zonesLightInOrder(table, 10016, 3));
    EXPECT_TRUE(zonesLightInOrder(table, 10022, 2));
    EXPECT_TRUE(imagesDiffer(table, 10005, 2));
}

TEST(Tolverin3Artwork, FieldsAndMetersShowWhatIsDrawnOverThem)
{
    EXPECT_TRUE(carriesReadableText(table, 10009, {91, 107, 115}));
    EXPECT_TRUE(carriesReadableText(table, 10010, {0, 255, 255}));
    EXPECT_TRUE(carriesReadableText(table, 10011, {91, 107, 115}));
    for (const int32_t id : {10002, 10003, 10004}) {
        EXPECT_TRUE(showsMeterBar(table, id));
    }
}

}  // namespace
}  // namespace fendwick::artwork_test

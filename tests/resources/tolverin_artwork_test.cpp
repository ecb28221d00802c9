// The bitmaps of the Tolverin stereo editor, as tolverin carries them.
#include "artwork_checks.h"

namespace fendwick::artwork_test {
namespace {

const ArtworkTable& table = tolverinArtwork;

const ExpectedBitmap bitmaps[] = {
    {10001, 728, 150, 1, 8}, {10002, 9, 82, 1, 8},   {10003, 13, 82, 1, 8},  {10004, 278, 25, 2, 8},
    {10005, 51, 51, 81, 8},  {10006, 32, 32, 81, 8}, {10007, 32, 32, 81, 8}, {10008, 50, 11, 1, 8},
    {10009, 50, 11, 1, 8},   {10010, 29, 11, 2, 8},  {10011, 156, 11, 3, 8}, {10012, 55, 11, 2, 8},
    {10013, 39, 11, 2, 8},   {10014, 35, 11, 2, 8},  {10015, 27, 11, 2, 8},  {10016, 72, 11, 2, 8},
    {10017, 43, 11, 2, 8}};

TEST(TolverinArtwork, CarriesEveryBitmapAtItsSizeAndNothingElse)
{
    for (const ExpectedBitmap& b : bitmaps) {
        EXPECT_TRUE(hasShape(table, b));
    }
    EXPECT_TRUE(knowsNothingBut(table, 10001, 10017));
}

TEST(TolverinArtwork, KnobsTurnClockwiseFromLowerLeftToLowerRight)
{
    for (const int32_t id : {10005, 10006, 10007}) {
        EXPECT_TRUE(turnsClockwise(table, id));
    }
}

TEST(TolverinArtwork, KnobsBlendIntoTheBackgroundWhereTheEditorPutsThem)
{
    const Placement knobs[] = {{10006, 38, 65},  {10006, 88, 65},  {10006, 138, 65}, {10006, 219, 66},
                               {10005, 302, 47}, {10005, 475, 47}, {10007, 590, 61}};
    for (const Placement& k : knobs) {
        EXPECT_TRUE(blendsIntoBackground(table, k));
    }
}

TEST(TolverinArtwork, SwitchesAreLitBelowAndMultiPositionSwitchesLightTheirZone)
{
    for (const int32_t id : {10010, 10012, 10013, 10014, 10015, 10017}) {
        EXPECT_TRUE(imagesDiffer(table, id, 2));
        EXPECT_TRUE(lowerImageIsLit(table, id));
    }
    EXPECT_TRUE(zonesLightInOrder(table, 10011, 3));
    EXPECT_TRUE(zonesLightInOrder(table, 10016, 2));
    EXPECT_TRUE(imagesDiffer(table, 10004, 2));
}

TEST(TolverinArtwork, FieldsAndMetersShowWhatIsDrawnOverThem)
{
    EXPECT_TRUE(carriesReadableText(table, 10008, {91, 107, 115}));
    EXPECT_TRUE(carriesReadableText(table, 10009, {91, 107, 115}));
    EXPECT_TRUE(showsMeterBar(table, 10002));
    EXPECT_TRUE(showsMeterBar(table, 10003));
}

}  // namespace
}  // namespace fendwick::artwork_test

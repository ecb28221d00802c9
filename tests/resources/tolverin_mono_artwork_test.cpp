// The bitmaps of the Tolverin mono editor, as tolverin_mono carries them.
#include "artwork_checks.h"

namespace fendwick::artwork_test {
namespace {

const ArtworkTable& table = tolverinMonoArtwork;

const ExpectedBitmap bitmaps[] = {
    {10001, 728, 150, 1, 8}, {10002, 9, 82, 1, 8},   {10003, 13, 82, 1, 8},  {10004, 15, 82, 1, 8},
    {10005, 278, 25, 2, 8},  {10006, 51, 51, 81, 8}, {10007, 32, 32, 81, 8}, {10008, 32, 32, 81, 8},
    {10009, 50, 11, 1, 8},   {10010, 50, 11, 1, 8},  {10011, 29, 11, 2, 8},  {10012, 156, 11, 3, 8},
    {10013, 55, 11, 2, 8},   {10014, 39, 11, 2, 8},  {10015, 35, 11, 2, 8},  {10016, 72, 11, 2, 8}};

TEST(TolverinMonoArtwork, CarriesEveryBitmapAtItsSizeAndNothingElse)
{
    for (const ExpectedBitmap& b : bitmaps) {
        EXPECT_TRUE(hasShape(table, b));
    }
    EXPECT_TRUE(knowsNothingBut(table, 10001, 10016));
}

TEST(TolverinMonoArtwork, KnobsTurnClockwiseFromLowerLeftToLowerRight)
{
    for (const int32_t id : {10006, 10007, 10008}) {
        EXPECT_TRUE(turnsClockwise(table, id));
    }
}

TEST(TolverinMonoArtwork, KnobsBlendIntoTheBackgroundWhereTheEditorPutsThem)
{
    const Placement knobs[] = {{10007, 47, 65},  {10007, 119, 65}, {10007, 191, 65},
                               {10006, 295, 47}, {10006, 475, 47}, {10008, 590, 61}};
    for (const Placement& k : knobs) {
        EXPECT_TRUE(blendsIntoBackground(table, k));
    }
}

TEST(TolverinMonoArtwork, SwitchesAreLitBelowAndMultiPositionSwitchesLightTheirZone)
{
    for (const int32_t id : {10011, 10013, 10014, 10015}) {
        EXPECT_TRUE(imagesDiffer(table, id, 2));
        EXPECT_TRUE(lowerImageIsLit(table, id));
    }
    EXPECT_TRUE(zonesLightInOrder(table, 10012, 3));
    EXPECT_TRUE(zonesLightInOrder(table, 10016, 2));
    EXPECT_TRUE(imagesDiffer(table, 10005, 2));
}

TEST(TolverinMonoArtwork, FieldsAndMetersShowWhatIsDrawnOverThem)
{
    EXPECT_TRUE(carriesReadableText(table, 10009, {91, 107, 115}));
    EXPECT_TRUE(carriesReadableText(table, 10010, {91, 107, 115}));
    for (const int32_t id : {10002, 10003, 10004}) {
        EXPECT_TRUE(showsMeterBar(table, id));
    }
}

}  // namespace
}  // namespace fendwick::artwork_test

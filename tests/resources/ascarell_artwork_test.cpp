// The bitmaps of the Ascarell single-band editor, as ascarell and ascarell_mono carry them.
#include "artwork_checks.h"

namespace fendwick::artwork_test {
namespace {

const ArtworkTable& table = ascarellArtwork;

const ExpectedBitmap bitmaps[] = {{10001, 545, 139, 1, 8}, {10002, 529, 21, 2, 8}, {10003, 51, 51, 81, 8},
                                  {10004, 32, 32, 81, 8},  {10005, 51, 51, 81, 8}, {10006, 190, 17, 1, 8},
                                  {10007, 29, 11, 2, 24}};

TEST(AscarellArtwork, CarriesEveryBitmapAtItsSizeAndNothingElse)
{
    for (const ExpectedBitmap& b : bitmaps) {
        EXPECT_TRUE(hasShape(table, b));
    }
    EXPECT_TRUE(knowsNothingBut(table, 10001, 10007));
}

TEST(AscarellArtwork, KnobsTurnClockwiseFromLowerLeftToLowerRight)
{
    for (const int32_t id : {10003, 10004, 10005}) {
        EXPECT_TRUE(turnsClockwise(table, id));
    }
}

TEST(AscarellArtwork, KnobsBlendIntoTheBackgroundWhereTheEditorPutsThem)
{
    const Placement knobs[] = {{10004, 32, 44},  {10004, 84, 44},  {10004, 136, 44}, {10004, 188, 44},
                               {10004, 240, 44}, {10003, 326, 25}, {10005, 447, 25}};
    for (const Placement& k : knobs) {
        EXPECT_TRUE(blendsIntoBackground(table, k));
    }
}

TEST(AscarellArtwork, ArcSwitchIsLitBelowAndTheStripShowsTwoTexts)
{
    EXPECT_TRUE(imagesDiffer(table, 10007, 2));
    EXPECT_TRUE(lowerImageIsLit(table, 10007));
    EXPECT_TRUE(imagesDiffer(table, 10002, 2));
}

TEST(AscarellArtwork, TextDisplayCarriesItsCyanTextReadably)
{
    EXPECT_TRUE(carriesReadableText(table, 10006, {102, 255, 255}));
}

}  // namespace
}  // namespace fendwick::artwork_test

// The bitmaps of the Ascarell three-band editor, as ascarell3 and ascarell3_mono carry them.
#include "artwork_checks.h"

#include <vector>

namespace fendwick::artwork_test {
namespace {

const ArtworkTable& table = ascarell3Artwork;

const ExpectedBitmap bitmaps[] = {{10001, 719, 307, 1, 8}, {10002, 344, 56, 2, 8}, {10003, 51, 51, 81, 8},
                                  {10004, 32, 32, 81, 8},  {10005, 56, 11, 1, 8},  {10006, 112, 17, 1, 8},
                                  {10007, 29, 11, 2, 8},   {10008, 31, 11, 2, 8},  {10009, 31, 11, 2, 8},
                                  {10010, 31, 11, 2, 8},   {10011, 31, 11, 2, 8}};

constexpr int bandRows[] = {0, 102, 204};

TEST(Ascarell3Artwork, CarriesEveryBitmapAtItsSizeAndNothingElse)
{
    for (const ExpectedBitmap& b : bitmaps) {
        EXPECT_TRUE(hasShape(table, b));
    }
    EXPECT_TRUE(knowsNothingBut(table, 10001, 10011));
}

TEST(Ascarell3Artwork, KnobsTurnClockwiseFromLowerLeftToLowerRight)
{
    EXPECT_TRUE(turnsClockwise(table, 10003));
    EXPECT_TRUE(turnsClockwise(table, 10004));
}

TEST(Ascarell3Artwork, KnobsBlendIntoTheBackgroundWhereTheEditorPutsThem)
{
    std::vector<Placement> knobs = {{10004, 420, 34},  {10004, 556, 34},  {10004, 411, 147},
                                    {10004, 472, 147}, {10004, 533, 147}, {10003, 623, 138}};
    for (const int dy : bandRows) {
        for (const int x : {32, 84, 136, 188}) {
            knobs.push_back({10004, x, 44 + dy});
        }
        knobs.push_back({10003, 274, 25 + dy});
    }
    for (const Placement& k : knobs) {
        EXPECT_TRUE(blendsIntoBackground(table, k));
    }
}

TEST(Ascarell3Artwork, SwitchesAreLitBelowAndThePanelButtonShowsTwoPictures)
{
    for (const int32_t id : {10007, 10008, 10009, 10010, 10011}) {
        EXPECT_TRUE(imagesDiffer(table, id, 2));
        EXPECT_TRUE(lowerImageIsLit(table, id));
    }
    EXPECT_TRUE(imagesDiffer(table, 10002, 2));
}

TEST(Ascarell3Artwork, PowerSwitchesTellTheBandsApart)
{
    const EmbeddedBitmap* hi = table.find(10009);
    const EmbeddedBitmap* lo = table.find(10010);
    const EmbeddedBitmap* mid = table.find(10011);
    ASSERT_TRUE(hi != nullptr && lo != nullptr && mid != nullptr);
    int hiLo = 0;
    int hiMid = 0;
    for (int y = 0; y < hi->height; ++y) {
        for (int x = 0; x < hi->width; ++x) {
            hiLo += pixelAt(*hi, x, y) != pixelAt(*lo, x, y) ? 1 : 0;
            hiMid += pixelAt(*hi, x, y) != pixelAt(*mid, x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(hiLo, 20);
    EXPECT_GT(hiMid, 20);
}

TEST(Ascarell3Artwork, DisplaysCarryTheirTextColoursReadably)
{
    EXPECT_TRUE(carriesReadableText(table, 10006, {102, 255, 255}));
    EXPECT_TRUE(carriesReadableText(table, 10005, {91, 107, 115}));
}

}  // namespace
}  // namespace fendwick::artwork_test

// The bitmaps of the Ascarell single-band editor, as ascarell and ascarell_mono carry them.
#include "artwork_checks.h"

#include "ascarell_editor_layout.h"

namespace fendwick::artwork_test {
namespace {

const ArtworkTable& table = ascarellArtwork;

namespace picture = AscarellArtwork;

TEST(AscarellArtwork, CarriesEveryBitmapAtItsSizeAndNothingElse)
{
    // Only the ARC switch is drawn in true colour.
    const struct {
        LayoutPicture picture;
        int32_t bitsPerPixel;
    } bitmaps[] = {{picture::background, 8}, {picture::stripButton, 8}, {picture::threshKnob, 8},
                   {picture::smallKnob, 8},  {picture::outLevelKnob, 8}, {picture::textDisplay, 8},
                   {picture::arcSwitch, 24}};
    for (const auto& b : bitmaps) {
        const LayoutPicture& p = b.picture;
        EXPECT_TRUE(hasShape(table, {p.id, p.width, p.imageHeight, p.images, b.bitsPerPixel}));
    }
    EXPECT_TRUE(knowsNothingBut(table, picture::background.id, picture::arcSwitch.id));
}

TEST(AscarellArtwork, KnobsTurnClockwiseFromLowerLeftToLowerRight)
{
    for (const LayoutPicture& knob : {picture::threshKnob, picture::smallKnob, picture::outLevelKnob}) {
        EXPECT_TRUE(turnsClockwise(table, knob.id));
    }
}

TEST(AscarellArtwork, KnobsBlendIntoTheBackgroundWhereTheEditorPutsThem)
{
    for (const LayoutControl& c : AscarellLayout::controls) {
        if (c.kind == LayoutControlKind::knob) {
            EXPECT_TRUE(blendsIntoBackground(table, {c.picture.id, c.place.left, c.place.top}));
        }
    }
}

TEST(AscarellArtwork, ArcSwitchIsLitBelowAndTheStripShowsTwoTexts)
{
    EXPECT_TRUE(imagesDiffer(table, picture::arcSwitch.id, 2));
    EXPECT_TRUE(lowerImageIsLit(table, picture::arcSwitch.id));
    EXPECT_TRUE(imagesDiffer(table, picture::stripButton.id, 2));
}

TEST(AscarellArtwork, TextDisplayCarriesItsCyanTextReadably)
{
    EXPECT_TRUE(carriesReadableText(table, picture::textDisplay.id, {102, 255, 255}));
}

}  // namespace
}  // namespace fendwick::artwork_test

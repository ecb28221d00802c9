// The bitmaps of the Ascarell single-band editor (ascarell and ascarell_mono).
#include "product_artwork.h"

#include "ascarell_editor_layout.h"
#include "button_painter.h"
#include "display_painter.h"
#include "knob_painter.h"
#include "lettering.h"
#include "panel_painter.h"
#include "plate_painter.h"
#include "theme.h"

namespace fendwick::artwork {

namespace {

using AscarellLayout::controls;
using AscarellLayout::stripButton;
using AscarellLayout::textDisplay;

static_assert(AscarellArtwork::smallKnob.images == knobFrameCount, "a knob strip holds the painter's frames");
static_assert(AscarellArtwork::threshKnob.images == knobFrameCount, "a knob strip holds the painter's frames");
static_assert(AscarellArtwork::outLevelKnob.images == knobFrameCount, "a knob strip holds the painter's frames");

// The image the preview shows of each parameter's control, by parameter index.
constexpr int previewImages[AscarellParam::count] = {40, 53, 8, 3, 19, 1, 62, 46};

// The sunken frame that a picture of the editor sits in.
void placeRecess(PanelPainter& p, const LayoutPlace& at, const LayoutPicture& inset)
{
    p.displayRecess(at.left, at.top, at.left + inset.width, at.top + inset.imageHeight);
}

// A bipolar knob's arc grows from the top, where its scale has 0 dB.
ArtworkBitmap knobStrip(const LayoutPicture& knob, bool bipolar, const Theme& theme)
{
    return palettised(knob.id, paintKnobStrip({knob.width, theme.accent, bipolar}, theme), knobFrameCount,
                      theme.panel);
}

Canvas paintBackground(const Theme& theme, const Typefaces& type)
{
    Canvas canvas(AscarellLayout::width, AscarellLayout::height);
    PanelPainter p(canvas, theme, type);
    p.backdrop();
    p.panel(4.0f, 3.0f, 541.0f, 103.0f);

    // The single-band controls on the left, the main levels on the right.
    p.rule(12.0f, 310.0f, 34.0f);
    p.verticalRule(317.0f, 12.0f, 96.0f);
    placeRecess(p, textDisplay, AscarellArtwork::textDisplay);
    // Knob labels share one line beneath the knobs; a switch is named above its seat.
    constexpr float labelY = 87.0f;
    for (const LayoutControl& c : controls) {
        const LayoutPlace& at = c.place;
        const float centreX = static_cast<float>(at.left) + static_cast<float>(c.picture.width) * 0.5f;
        if (c.kind == LayoutControlKind::button) {
            p.buttonSeat(at.left, at.top, at.left + c.picture.width, at.top + c.picture.imageHeight);
            p.caption(c.label, centreX, static_cast<float>(at.top) - 7.0f, Align::centre);
        } else {
            p.label(c.label, centreX, labelY);
        }
    }

    constexpr float nameX = 430.0f;
    const float half = static_cast<float>(p.productName("ASCARELL", nameX, 13.0f, 12, Align::centre)) * 0.5f;
    p.rule(328.0f, nameX - half - 9.0f, 13.0f);
    p.rule(nameX + half + 7.0f, 533.0f, 13.0f);

    // The dark bar that holds the product strip.
    Painter painter(canvas);
    painter.fill(roundedRect(4.0f, 106.0f, 541.0f, 136.0f, 4.0f), scaled(theme.backdrop, 0.6f));
    placeRecess(p, stripButton.place, stripButton.picture);
    return canvas;
}

Canvas paintStripImage(const Theme& theme, const Typefaces& type, const std::string& lead,
                       const std::string& text)
{
    Canvas plate = paintPlate(AscarellArtwork::stripButton.width, AscarellArtwork::stripButton.imageHeight, theme);
    drawText(plate, {type.bold.get(), 8, theme.heading, 1.6f, 1.0f, 0.6f}, lead, 12.0f, 10.5f, Align::left);
    drawText(plate, {type.regular.get(), 9, theme.label, 0.2f, 1.0f, 0.6f}, text, 517.0f, 10.5f, Align::right);
    return plate;
}

Canvas paintStripButton(const Theme& theme, const Typefaces& type)
{
    return stackVertically(
        {paintStripImage(theme, type, "FENDWICK DYNAMICS", "Ascarell  \xB7  clean single-band compressor"),
         paintStripImage(theme, type, "ASCARELL 1.0",
                         "Soft knee  \xB7  automatic release control  \xB7  stereo and mono")});
}

}  // namespace

ProductArtwork makeAscarellArtwork(const Typefaces& type)
{
    const Theme theme = ascarellTheme();
    ProductArtwork art;
    art.name = "ascarell";
    art.description = "the Ascarell single-band editor (ascarell and ascarell_mono)";
    art.bitmaps.push_back(palettised(AscarellArtwork::background.id, paintBackground(theme, type), 1, theme.panel));
    const LayoutPicture& strip = AscarellArtwork::stripButton;
    art.bitmaps.push_back(palettised(strip.id, paintStripButton(theme, type), strip.images, theme.panel));
    art.bitmaps.push_back(knobStrip(AscarellArtwork::threshKnob, false, theme));
    art.bitmaps.push_back(knobStrip(AscarellArtwork::smallKnob, false, theme));
    art.bitmaps.push_back(knobStrip(AscarellArtwork::outLevelKnob, true, theme));
    const LayoutPicture& display = AscarellArtwork::textDisplay;
    art.bitmaps.push_back(
        palettised(display.id, paintDarkDisplay(display.width, display.imageHeight, theme), 1, theme.panel));
    const LayoutPicture& arc = AscarellArtwork::arcSwitch;
    art.bitmaps.push_back(trueColour(
        arc.id, paintLampButton(arc.width, arc.imageHeight, "AUTO", ButtonIcon::none, theme, type), arc.images));

    for (const LayoutControl& c : controls) {
        art.preview.push_back({c.picture.id, c.place.left, c.place.top, previewImages[c.tag]});
    }
    art.preview.push_back({display.id, textDisplay.left, textDisplay.top, 0});
    art.preview.push_back({strip.id, stripButton.place.left, stripButton.place.top, 0});
    return art;
}

}  // namespace fendwick::artwork

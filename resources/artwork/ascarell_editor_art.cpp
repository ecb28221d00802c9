// The bitmaps of the Ascarell single-band editor (ascarell and ascarell_mono).
#include "product_artwork.h"

#include "button_painter.h"
#include "display_painter.h"
#include "knob_painter.h"
#include "lettering.h"
#include "panel_painter.h"
#include "plate_painter.h"
#include "theme.h"

namespace fendwick::artwork {

namespace {

constexpr int32_t backgroundId = 10001;
constexpr int32_t stripButtonId = 10002;
constexpr int32_t thresholdKnobId = 10003;
constexpr int32_t smallKnobId = 10004;
constexpr int32_t outputKnobId = 10005;
constexpr int32_t displayId = 10006;
constexpr int32_t arcSwitchId = 10007;

constexpr int width = 545;
constexpr int height = 139;

struct KnobPlace {
    int x;
    int y;
    const char* label;
};

// The five small knobs, left to right, then the two large ones.
constexpr KnobPlace smallKnobs[] = {{32, 44, "Input"}, {84, 44, "Ratio"}, {136, 44, "Knee"}, {188, 44, "Attack"},
                                    {240, 44, "Release"}};
constexpr KnobPlace thresholdKnob{326, 25, "Threshold"};
constexpr KnobPlace outputKnob{447, 25, "Master Out"};
constexpr int arcX = 280;
constexpr int arcY = 68;
constexpr int displayX = 55;
constexpr int displayY = 8;
constexpr int stripX = 8;
constexpr int stripY = 110;

Canvas paintBackground(const Theme& theme, const Typefaces& type)
{
    Canvas canvas(width, height);
    PanelPainter p(canvas, theme, type);
    p.backdrop();
    p.panel(4.0f, 3.0f, 541.0f, 103.0f);

    // The single-band controls on the left, the main levels on the right.
    p.rule(12.0f, 310.0f, 34.0f);
    p.verticalRule(317.0f, 12.0f, 96.0f);
    p.displayRecess(displayX, displayY, displayX + 190, displayY + 17);
    p.buttonSeat(arcX, arcY, arcX + 29, arcY + 11);
    p.caption("ARC", arcX + 14.5f, arcY - 7.0f, Align::centre);

    constexpr float labelY = 87.0f;
    for (const KnobPlace& k : smallKnobs) {
        p.label(k.label, static_cast<float>(k.x) + 16.0f, labelY);
    }
    p.label(thresholdKnob.label, static_cast<float>(thresholdKnob.x) + 25.5f, labelY);
    p.label(outputKnob.label, static_cast<float>(outputKnob.x) + 25.5f, labelY);

    constexpr float nameX = 430.0f;
    const float half = static_cast<float>(p.productName("ASCARELL", nameX, 13.0f, 12, Align::centre)) * 0.5f;
    p.rule(328.0f, nameX - half - 9.0f, 13.0f);
    p.rule(nameX + half + 7.0f, 533.0f, 13.0f);

    // The dark bar that holds the product strip.
    Painter painter(canvas);
    painter.fill(roundedRect(4.0f, 106.0f, 541.0f, 136.0f, 4.0f), scaled(theme.backdrop, 0.6f));
    p.displayRecess(stripX, stripY, stripX + 529, stripY + 21);
    return canvas;
}

Canvas paintStripImage(const Theme& theme, const Typefaces& type, const std::string& lead,
                       const std::string& text)
{
    Canvas plate = paintPlate(529, 21, theme);
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
    art.bitmaps.push_back(palettised(backgroundId, paintBackground(theme, type), 1, theme.panel));
    art.bitmaps.push_back(palettised(stripButtonId, paintStripButton(theme, type), 2, theme.panel));
    art.bitmaps.push_back(palettised(thresholdKnobId, paintKnobStrip({51, theme.accent, false}, theme),
                                     knobFrameCount, theme.panel));
    art.bitmaps.push_back(
        palettised(smallKnobId, paintKnobStrip({32, theme.accent, false}, theme), knobFrameCount, theme.panel));
    art.bitmaps.push_back(
        palettised(outputKnobId, paintKnobStrip({51, theme.accent, true}, theme), knobFrameCount, theme.panel));
    art.bitmaps.push_back(palettised(displayId, paintDarkDisplay(190, 17, theme), 1, theme.panel));
    art.bitmaps.push_back(
        trueColour(arcSwitchId, paintLampButton(29, 11, "AUTO", ButtonIcon::none, theme, type), 2));

    const int smallFrames[] = {40, 53, 8, 3, 19};
    for (size_t i = 0; i < std::size(smallKnobs); ++i) {
        art.preview.push_back({smallKnobId, smallKnobs[i].x, smallKnobs[i].y, smallFrames[i]});
    }
    art.preview.push_back({thresholdKnobId, thresholdKnob.x, thresholdKnob.y, 62});
    art.preview.push_back({outputKnobId, outputKnob.x, outputKnob.y, 46});
    art.preview.push_back({arcSwitchId, arcX, arcY, 1});
    art.preview.push_back({displayId, displayX, displayY, 0});
    art.preview.push_back({stripButtonId, stripX, stripY, 0});
    return art;
}

}  // namespace fendwick::artwork

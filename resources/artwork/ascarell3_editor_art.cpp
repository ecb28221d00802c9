// The bitmaps of the Ascarell three-band editor (ascarell3 and ascarell3_mono).
#include "product_artwork.h"

#include "ascarell3_editor_layout.h"
#include "button_painter.h"
#include "display_painter.h"
#include "knob_painter.h"
#include "lettering.h"
#include "panel_painter.h"
#include "plate_painter.h"
#include "theme.h"

#include <algorithm>
#include <utility>

namespace fendwick::artwork {

namespace {

using Ascarell3Layout::controls;
namespace Pictures = Ascarell3Artwork;

static_assert(Pictures::smallKnob.images == knobFrameCount, "a knob strip holds the painter's frames");
static_assert(Pictures::largeKnob.images == knobFrameCount, "a knob strip holds the painter's frames");

// The band rows, top to bottom, each below the Hi row by its offset.
struct Band {
    const char* name;
    LayoutPicture power;
    int offset;
};

constexpr Band bands[] = {{"HI", Pictures::hiPower, 0},
                          {"MID", Pictures::midPower, Ascarell3Layout::bandSpacing},
                          {"LO", Pictures::loPower, 2 * Ascarell3Layout::bandSpacing}};

constexpr const LayoutControl& row(int32_t tag)
{
    for (const LayoutControl& c : controls) {
        if (c.tag == tag) {
            return c;
        }
    }
    return Ascarell3Layout::panelButton;
}

constexpr float centreX(const LayoutControl& c)
{
    return static_cast<float>(c.place.left) + static_cast<float>(c.picture.width) * 0.5f;
}

// Where a band or group of knobs has its labels.
constexpr float bandLabelY = 87.0f;
constexpr float crossoverLabelY = 74.0f;
constexpr float inputLabelY = 190.0f;
constexpr float outputLabelY = 199.0f;

// The frame of one band: its panel, the seats of its switches, the recess
// of its text and the labels of its knobs.
void paintBand(PanelPainter& p, const Band& band)
{
    const int dy = band.offset;
    const float top = static_cast<float>(3 + dy);
    p.panel(4.0f, top, 333.0f, top + 98.0f);
    const LayoutArea& text = Ascarell3Layout::bandTexts[&band - bands];
    p.displayRecess(text.left, text.top, text.right, text.bottom);
    p.rule(12.0f, 265.0f, static_cast<float>(dy) + 34.0f);
    for (const LayoutControl& c : controls) {
        if (c.place.top < dy || c.place.top >= dy + Ascarell3Layout::bandSpacing || c.place.left > 333) {
            continue;
        }
        const LayoutPlace& at = c.place;
        if (c.kind == LayoutControlKind::button) {
            p.buttonSeat(at.left, at.top, at.left + c.picture.width, at.top + c.picture.imageHeight);
            if (c.label != nullptr) {
                p.caption(c.label, centreX(c), static_cast<float>(at.top) - 7.0f, Align::centre);
            }
        } else {
            p.label(c.label, centreX(c), static_cast<float>(dy) + bandLabelY);
        }
    }
}

float smoothStep(float from, float to, float x)
{
    const float t = std::clamp((x - from) / (to - from), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

// A sketch of the three bands the crossover makes: low, mid and high pass
// curves that meet below the Lo-Mid and Mid-Hi controls.
void paintBandSketch(Canvas& canvas, const Theme& theme, const Typefaces& type)
{
    constexpr float left = 350.0f;
    constexpr float right = 702.0f;
    constexpr float top = 84.0f;
    constexpr float bottom = 97.0f;
    constexpr float lowMid = 470.0f;
    constexpr float midHigh = 606.0f;
    constexpr float slope = 26.0f;
    const auto passBands = {std::pair{left - slope, lowMid}, std::pair{lowMid, midHigh}, std::pair{midHigh, right + slope}};
    Painter painter(canvas);
    for (const auto& band : passBands) {
        // Plain copies: C++17 lambdas cannot capture structured bindings.
        const float from = band.first;
        const float to = band.second;
        auto level = [&](float x) {
            return smoothStep(from - slope, from + slope, x) * (1.0f - smoothStep(to - slope, to + slope, x));
        };
        float previousX = left;
        float previousY = bottom - level(left) * (bottom - top);
        for (float x = left + 2.0f; x <= right; x += 2.0f) {
            const float y = bottom - level(x) * (bottom - top);
            // Only where the band passes: the stop bands would draw one shared baseline.
            if (level(x) > 0.0f || previousY < bottom) {
                painter.fill(roundedRect(x - 2.0f, y, x, bottom, 0.0f), theme.accent, 0.06f);
                painter.fill(capsule(previousX, previousY, x, y, 1.2f), theme.accent, 0.55f);
            }
            previousX = x;
            previousY = y;
        }
    }
    const TextStyle style{type.bold.get(), 7, scaled(theme.label, 0.7f), 0.6f, 1.0f, 0.0f};
    drawText(canvas, style, "LOW", (left + lowMid) * 0.5f - 14.0f, 91.0f, Align::centre);
    drawText(canvas, style, "MID", (lowMid + midHigh) * 0.5f, 91.0f, Align::centre);
    drawText(canvas, style, "HIGH", (midHigh + right) * 0.5f + 14.0f, 91.0f, Align::centre);
}

// A knob of the right-hand panels with its label and the value field above it.
void paintKnobWithField(PanelPainter& p, int32_t tag, float labelY, const Theme& theme)
{
    for (const auto& field : Ascarell3Layout::valueFields) {
        if (field.tag == tag) {
            const LayoutArea& at = field.area;
            p.displayRecess(at.left, at.top, at.right, at.bottom);
            p.canvas().paste(paintLightField(at.right - at.left, at.bottom - at.top, theme), at.left, at.top);
        }
    }
    const LayoutControl& knob = row(tag);
    p.label(knob.label, centreX(knob), labelY);
}

Canvas paintBackground(const Theme& theme, const Typefaces& type)
{
    Canvas canvas(Ascarell3Layout::width, Ascarell3Layout::height);
    PanelPainter p(canvas, theme, type);
    p.backdrop();
    for (const Band& band : bands) {
        paintBand(p, band);
    }

    p.panel(337.0f, 3.0f, 715.0f, 101.0f);
    p.heading("CROSSOVER", 526.0f, 15.0f, 347.0f, 705.0f);
    for (const int32_t tag : {Ascarell3Param::loMid, Ascarell3Param::midHi}) {
        paintKnobWithField(p, tag, crossoverLabelY, theme);
    }
    paintBandSketch(canvas, theme, type);

    p.panel(337.0f, 105.0f, 715.0f, 213.0f);
    p.heading("BAND INPUT", 490.0f, 116.0f, 347.0f, 593.0f);
    for (const int32_t tag : {Ascarell3Param::loIn, Ascarell3Param::midIn, Ascarell3Param::hiIn}) {
        paintKnobWithField(p, tag, inputLabelY, theme);
    }
    p.verticalRule(601.0f, 115.0f, 203.0f);
    paintKnobWithField(p, Ascarell3Param::outLevel, outputLabelY, theme);

    p.panel(337.0f, 217.0f, 715.0f, 305.0f);
    const LayoutControl& plate = Ascarell3Layout::panelButton;
    p.displayRecess(plate.place.left, plate.place.top, plate.place.left + plate.picture.width,
                    plate.place.top + plate.picture.imageHeight);
    return canvas;
}

Canvas paintPlateFront(const Theme& theme, const Typefaces& type)
{
    Canvas plate = paintPlate(344, 56, theme);
    PanelPainter p(plate, theme, type);
    const int nameWidth = p.productName("ASCARELL", 16.0f, 22.0f, 17, Align::left);
    drawText(plate, {type.bold.get(), 17, theme.accent, 0.0f, 1.0f, 0.7f}, "3", 16.0f + static_cast<float>(nameWidth) + 8.0f,
             22.0f, Align::left);
    drawText(plate, {type.bold.get(), 8, theme.heading, 1.5f, 1.0f, 0.6f}, "THREE-BAND COMPRESSOR", 17.0f, 42.0f,
             Align::left);
    drawText(plate, {type.bold.get(), 7, scaled(theme.label, 0.75f), 1.2f, 1.0f, 0.6f}, "FENDWICK DYNAMICS", 328.0f,
             42.0f, Align::right);
    return plate;
}

Canvas paintPlateBack(const Theme& theme, const Typefaces& type)
{
    Canvas plate = paintPlate(344, 56, theme);
    const TextStyle lead{type.bold.get(), 8, theme.heading, 1.5f, 1.0f, 0.6f};
    const TextStyle body{type.regular.get(), 9, theme.label, 0.1f, 1.0f, 0.6f};
    drawText(plate, lead, "ASCARELL 3  \xB7  VERSION 1.0", 16.0f, 12.0f, Align::left);
    drawText(plate, body, "Three bands, each with threshold, ratio, knee,", 16.0f, 27.0f, Align::left);
    drawText(plate, body, "attack, release and automatic release control.", 16.0f, 39.0f, Align::left);
    drawText(plate, body, "Crossover points from 50 Hz to 22 kHz.", 16.0f, 51.0f, Align::left);
    return plate;
}

// A two-image switch: dim, then lit.
ArtworkBitmap lampButton(const LayoutPicture& picture, const char* name, ButtonIcon icon, const Theme& theme,
                         const Typefaces& type)
{
    return palettised(picture.id, paintLampButton(picture.width, picture.imageHeight, name, icon, theme, type),
                      picture.images, theme.panel);
}

ArtworkBitmap knobStrip(const LayoutPicture& knob, const Theme& theme)
{
    return palettised(knob.id, paintKnobStrip({knob.width, theme.accent, false}, theme), knobFrameCount, theme.panel);
}

// The image the preview shows of each parameter's control, by parameter index.
constexpr int previewImages[Ascarell3Param::count] = {
    25, 68, 8, 8, 8, 40,            // crossover, knees, output
    66, 53, 12, 40, 1, 40, 1, 1,    // Hi
    58, 53, 14, 40, 1, 40, 1, 1,    // Mid
    70, 60, 20, 48, 1, 40, 1, 0};   // Lo

}  // namespace

ProductArtwork makeAscarell3Artwork(const Typefaces& type)
{
    const Theme theme = ascarellTheme();
    ProductArtwork art;
    art.name = "ascarell3";
    art.description = "the Ascarell three-band editor (ascarell3 and ascarell3_mono)";
    art.bitmaps.push_back(palettised(Pictures::background.id, paintBackground(theme, type), 1, theme.panel));
    const LayoutPicture& plate = Pictures::panelButton;
    art.bitmaps.push_back(palettised(
        plate.id, stackVertically({paintPlateFront(theme, type), paintPlateBack(theme, type)}), plate.images,
        theme.panel));
    art.bitmaps.push_back(knobStrip(Pictures::largeKnob, theme));
    art.bitmaps.push_back(knobStrip(Pictures::smallKnob, theme));
    const LayoutPicture& field = Pictures::valueField;
    art.bitmaps.push_back(palettised(field.id, paintLightField(field.width, field.imageHeight, theme), 1, theme.panel));
    const LayoutPicture& display = Pictures::bandDisplay;
    art.bitmaps.push_back(
        palettised(display.id, paintDarkDisplay(display.width, display.imageHeight, theme), 1, theme.panel));
    art.bitmaps.push_back(lampButton(Pictures::arcSwitch, "AUTO", ButtonIcon::none, theme, type));
    art.bitmaps.push_back(lampButton(Pictures::compSwitch, "COMP", ButtonIcon::none, theme, type));
    for (const Band& band : bands) {
        art.bitmaps.push_back(lampButton(band.power, band.name, ButtonIcon::power, theme, type));
    }

    for (const LayoutControl& c : controls) {
        art.preview.push_back({c.picture.id, c.place.left, c.place.top, previewImages[c.tag]});
    }
    for (const LayoutArea& text : Ascarell3Layout::bandTexts) {
        art.preview.push_back({display.id, text.left, text.top, 0});
    }
    for (const auto& value : Ascarell3Layout::valueFields) {
        art.preview.push_back({field.id, value.area.left, value.area.top, 0});
    }
    const LayoutPlace& plateAt = Ascarell3Layout::panelButton.place;
    art.preview.push_back({plate.id, plateAt.left, plateAt.top, 0});
    return art;
}

}  // namespace fendwick::artwork

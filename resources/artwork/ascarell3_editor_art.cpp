// The bitmaps of the Ascarell three-band editor (ascarell3 and ascarell3_mono).
#include "product_artwork.h"

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

constexpr int32_t backgroundId = 10001;
constexpr int32_t panelButtonId = 10002;
constexpr int32_t largeKnobId = 10003;
constexpr int32_t smallKnobId = 10004;
constexpr int32_t valueFieldId = 10005;
constexpr int32_t bandDisplayId = 10006;
constexpr int32_t arcSwitchId = 10007;
constexpr int32_t compSwitchId = 10008;
constexpr int32_t hiPowerId = 10009;
constexpr int32_t loPowerId = 10010;
constexpr int32_t midPowerId = 10011;

constexpr int width = 719;
constexpr int height = 307;
constexpr int bandSpacing = 102;

struct Band {
    const char* name;
    int32_t powerId;
    int offset;  // rows below the Hi band
};

constexpr Band bands[] = {{"HI", hiPowerId, 0}, {"MID", midPowerId, bandSpacing}, {"LO", loPowerId, 2 * bandSpacing}};

// Places within the Hi band; the other bands sit bandSpacing and twice that lower.
constexpr int powerX = 19;
constexpr int switchY = 11;
constexpr int compX = 59;
constexpr int bandTextX = 113;
constexpr int bandTextY = 8;
constexpr int arcX = 228;
constexpr int arcY = 68;
constexpr int bandKnobY = 44;
constexpr int bandKnobX[] = {32, 84, 136, 188};
constexpr const char* bandKnobLabels[] = {"Ratio", "Knee", "Attack", "Release"};
constexpr int thresholdX = 274;
constexpr int thresholdY = 25;

struct Knob {
    int x;
    int y;
    int textX;  // the value field of the knob
    int textY;
    int textWidth;
    const char* label;
};

constexpr Knob crossoverKnobs[] = {{420, 34, 473, 48, 56, "Lo-Mid"}, {556, 34, 609, 48, 56, "Mid-Hi"}};
constexpr Knob inputKnobs[] = {{411, 147, 399, 127, 56, "Low"}, {472, 147, 460, 127, 56, "Mid"},
                               {533, 147, 521, 127, 60, "High"}};
constexpr Knob outputKnob{623, 138, 621, 115, 56, "Output"};
constexpr int plateX = 367;
constexpr int plateY = 243;

void paintBand(PanelPainter& p, int offset)
{
    const float top = static_cast<float>(3 + offset);
    p.panel(4.0f, top, 333.0f, top + 98.0f);
    p.buttonSeat(powerX, switchY + offset, powerX + 31, switchY + offset + 11);
    p.buttonSeat(compX, switchY + offset, compX + 31, switchY + offset + 11);
    p.displayRecess(bandTextX, bandTextY + offset, bandTextX + 112, bandTextY + offset + 17);
    p.buttonSeat(arcX, arcY + offset, arcX + 29, arcY + offset + 11);
    p.caption("ARC", static_cast<float>(arcX) + 14.5f, static_cast<float>(arcY + offset) - 7.0f, Align::centre);
    p.rule(12.0f, 265.0f, static_cast<float>(offset) + 34.0f);
    const float labelY = static_cast<float>(offset) + 87.0f;
    for (size_t i = 0; i < std::size(bandKnobX); ++i) {
        p.label(bandKnobLabels[i], static_cast<float>(bandKnobX[i]) + 16.0f, labelY);
    }
    p.label("Threshold", static_cast<float>(thresholdX) + 25.5f, labelY);
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
    for (const auto& [from, to] : passBands) {
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

void paintKnobWithField(PanelPainter& p, const Knob& k, int knobSize, float labelY, const Theme& theme)
{
    p.displayRecess(k.textX, k.textY, k.textX + k.textWidth, k.textY + 11);
    p.canvas().paste(paintLightField(k.textWidth, 11, theme), k.textX, k.textY);
    p.label(k.label, static_cast<float>(k.x) + static_cast<float>(knobSize) * 0.5f, labelY);
}

Canvas paintBackground(const Theme& theme, const Typefaces& type)
{
    Canvas canvas(width, height);
    PanelPainter p(canvas, theme, type);
    p.backdrop();
    for (const Band& band : bands) {
        paintBand(p, band.offset);
    }

    p.panel(337.0f, 3.0f, 715.0f, 101.0f);
    p.heading("CROSSOVER", 526.0f, 15.0f, 347.0f, 705.0f);
    for (const Knob& k : crossoverKnobs) {
        paintKnobWithField(p, k, 32, 74.0f, theme);
    }
    paintBandSketch(canvas, theme, type);

    p.panel(337.0f, 105.0f, 715.0f, 213.0f);
    p.heading("BAND INPUT", 490.0f, 116.0f, 347.0f, 593.0f);
    for (const Knob& k : inputKnobs) {
        paintKnobWithField(p, k, 32, 190.0f, theme);
    }
    p.verticalRule(601.0f, 115.0f, 203.0f);
    paintKnobWithField(p, outputKnob, 51, 199.0f, theme);

    p.panel(337.0f, 217.0f, 715.0f, 305.0f);
    p.displayRecess(plateX, plateY, plateX + 344, plateY + 56);
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

}  // namespace

ProductArtwork makeAscarell3Artwork(const Typefaces& type)
{
    const Theme theme = ascarellTheme();
    ProductArtwork art;
    art.name = "ascarell3";
    art.description = "the Ascarell three-band editor (ascarell3 and ascarell3_mono)";
    art.bitmaps.push_back(palettised(backgroundId, paintBackground(theme, type), 1, theme.panel));
    art.bitmaps.push_back(palettised(
        panelButtonId, stackVertically({paintPlateFront(theme, type), paintPlateBack(theme, type)}), 2, theme.panel));
    art.bitmaps.push_back(
        palettised(largeKnobId, paintKnobStrip({51, theme.accent, false}, theme), knobFrameCount, theme.panel));
    art.bitmaps.push_back(
        palettised(smallKnobId, paintKnobStrip({32, theme.accent, false}, theme), knobFrameCount, theme.panel));
    art.bitmaps.push_back(palettised(valueFieldId, paintLightField(56, 11, theme), 1, theme.panel));
    art.bitmaps.push_back(palettised(bandDisplayId, paintDarkDisplay(112, 17, theme), 1, theme.panel));
    art.bitmaps.push_back(
        palettised(arcSwitchId, paintLampButton(29, 11, "AUTO", ButtonIcon::none, theme, type), 2, theme.panel));
    art.bitmaps.push_back(
        palettised(compSwitchId, paintLampButton(31, 11, "COMP", ButtonIcon::none, theme, type), 2, theme.panel));
    for (const int32_t id : {hiPowerId, loPowerId, midPowerId}) {
        const char* name = id == hiPowerId ? "HI" : id == midPowerId ? "MID" : "LO";
        art.bitmaps.push_back(
            palettised(id, paintLampButton(31, 11, name, ButtonIcon::power, theme, type), 2, theme.panel));
    }

    const int bandFrames[3][5] = {{53, 8, 12, 40, 66}, {53, 8, 14, 40, 58}, {60, 8, 20, 48, 70}};
    for (size_t b = 0; b < std::size(bands); ++b) {
        const int dy = bands[b].offset;
        art.preview.push_back({bands[b].powerId, powerX, switchY + dy, 1});
        art.preview.push_back({compSwitchId, compX, switchY + dy, b == 2 ? 0 : 1});
        art.preview.push_back({bandDisplayId, bandTextX, bandTextY + dy, 0});
        art.preview.push_back({arcSwitchId, arcX, arcY + dy, 1});
        for (size_t i = 0; i < std::size(bandKnobX); ++i) {
            art.preview.push_back({smallKnobId, bandKnobX[i], bandKnobY + dy, bandFrames[b][i]});
        }
        art.preview.push_back({largeKnobId, thresholdX, thresholdY + dy, bandFrames[b][4]});
    }
    for (const Knob& k : crossoverKnobs) {
        art.preview.push_back({smallKnobId, k.x, k.y, k.x < 500 ? 25 : 68});
        art.preview.push_back({valueFieldId, k.textX, k.textY, 0});
    }
    for (const Knob& k : inputKnobs) {
        art.preview.push_back({smallKnobId, k.x, k.y, 40});
        art.preview.push_back({valueFieldId, k.textX, k.textY, 0});
    }
    art.preview.push_back({largeKnobId, outputKnob.x, outputKnob.y, 40});
    art.preview.push_back({valueFieldId, outputKnob.textX, outputKnob.textY, 0});
    art.preview.push_back({panelButtonId, plateX, plateY, 0});
    return art;
}

}  // namespace fendwick::artwork

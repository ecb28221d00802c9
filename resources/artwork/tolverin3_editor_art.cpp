// The bitmaps of the Tolverin three-band editor (tolverin3_mono).
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
constexpr int32_t gainMeterId = 10002;
constexpr int32_t bandMeterId = 10003;
constexpr int32_t outputMeterId = 10004;
constexpr int32_t titleStripId = 10005;
constexpr int32_t largeKnobId = 10006;
constexpr int32_t smallKnobId = 10007;
constexpr int32_t ceilingKnobId = 10008;
constexpr int32_t fieldId = 10009;
constexpr int32_t crossoverFieldId = 10010;
constexpr int32_t ceilingFieldId = 10011;
constexpr int32_t arcId = 10012;
constexpr int32_t hiPowerId = 10013;
constexpr int32_t loPowerId = 10014;
constexpr int32_t midPowerId = 10015;
constexpr int32_t sonicFilterId = 10016;
constexpr int32_t compId = 10017;
constexpr int32_t limiterId = 10018;
constexpr int32_t paramLinkId = 10019;
constexpr int32_t loCutId = 10020;
constexpr int32_t amountId = 10021;
constexpr int32_t typeId = 10022;

constexpr int width = 474;
constexpr int height = 502;
constexpr int meterHeight = 82;
constexpr int bandSpacing = 103;

struct Band {
    int32_t powerId;
    int offset;
};

constexpr Band bands[] = {{hiPowerId, 0}, {midPowerId, bandSpacing}, {loPowerId, 2 * bandSpacing}};

// Places within the Hi band; the Mid and Lo bands sit one and two band spacings lower.
struct Spot {
    int x;
    int y;
};

constexpr Spot powerSpot{13, 17};
constexpr Spot compSpot{48, 17};
constexpr Spot typeSpot{167, 21};
constexpr Spot arcSpot{204, 83};
constexpr Spot bandGainMeter{435, 19};
constexpr Spot bandLevelMeter{421, 19};

struct BandKnob {
    Spot knob;
    Spot field;
    bool large;
    const char* label;
};

constexpr BandKnob bandKnobs[] = {{{42, 59}, {33, 41}, false, "Ratio"},
                                  {{104, 59}, {95, 41}, false, "Attack"},
                                  {{166, 59}, {157, 41}, false, "Release"},
                                  {{258, 60}, {249, 42}, false, "Level"},
                                  {{340, 41}, {341, 18}, true, "Threshold"}};

constexpr Spot paramLinkSpot{55, 328};
constexpr Spot loCutSpot{154, 330};
constexpr Spot sonicFilterSpot{296, 323};
constexpr Spot amountSpot{416, 338};
constexpr Spot limiterSpot{320, 372};
constexpr Spot crossoverKnobs[] = {{33, 404}, {103, 404}};
constexpr Spot crossoverFields[] = {{16, 377}, {86, 377}};
constexpr Spot outputKnob{205, 392};
constexpr Spot outputField{206, 368};
constexpr Spot ceilingKnob{331, 412};
constexpr Spot ceilingField{322, 393};
constexpr Spot outputMeter{408, 370};
constexpr Spot limiterMeter{428, 370};
constexpr Spot titleSpot{6, 465};

void paintBand(PanelPainter& p, int offset)
{
    const float top = static_cast<float>(6 + offset);
    p.panel(4.0f, top, 470.0f, top + 100.0f);
    p.buttonSeat(powerSpot.x, powerSpot.y + offset, powerSpot.x + 31, powerSpot.y + offset + 11);
    p.buttonSeat(compSpot.x, compSpot.y + offset, compSpot.x + 31, compSpot.y + offset + 11);
    p.buttonSeat(typeSpot.x, typeSpot.y + offset, typeSpot.x + 72, typeSpot.y + offset + 11);
    p.caption("TYPE", static_cast<float>(typeSpot.x) - 6.0f, static_cast<float>(typeSpot.y + offset) + 5.5f,
              Align::right);
    p.buttonSeat(arcSpot.x, arcSpot.y + offset, arcSpot.x + 29, arcSpot.y + offset + 11);
    p.caption("ARC", static_cast<float>(arcSpot.x) + 14.5f, static_cast<float>(arcSpot.y + offset) - 7.0f,
              Align::centre);
    for (const BandKnob& k : bandKnobs) {
        p.displayRecess(k.field.x, k.field.y + offset, k.field.x + 50, k.field.y + offset + 11);
        const float size = k.large ? 51.0f : 32.0f;
        p.label(k.label, static_cast<float>(k.knob.x) + size * 0.5f, static_cast<float>(offset) + 100.0f);
    }
    p.displayRecess(bandLevelMeter.x, bandLevelMeter.y + offset, bandGainMeter.x + 9,
                    bandLevelMeter.y + offset + meterHeight);
    p.meterScale(bandLevelMeter.x - 4, bandLevelMeter.y + offset, Align::right);
}

Canvas paintBackground(const Theme& theme, const Typefaces& type)
{
    Canvas canvas(width, height);
    PanelPainter p(canvas, theme, type);
    p.backdrop();
    for (const Band& band : bands) {
        paintBand(p, band.offset);
    }

    p.panel(4.0f, 315.0f, 470.0f, 460.0f);
    p.buttonSeat(paramLinkSpot.x, paramLinkSpot.y, paramLinkSpot.x + 69, paramLinkSpot.y + 15);
    p.buttonSeat(loCutSpot.x, loCutSpot.y, loCutSpot.x + 39, loCutSpot.y + 11);
    p.caption("SONICFILTER", static_cast<float>(sonicFilterSpot.x) - 6.0f, static_cast<float>(sonicFilterSpot.y) + 5.5f,
              Align::right);
    p.buttonSeat(sonicFilterSpot.x, sonicFilterSpot.y, sonicFilterSpot.x + 156, sonicFilterSpot.y + 11);
    p.buttonSeat(amountSpot.x, amountSpot.y, amountSpot.x + 35, amountSpot.y + 11);
    p.rule(12.0f, 462.0f, 356.0f);

    p.heading("CROSSOVER", 84.0f, 367.0f, 12.0f, 156.0f);
    for (const Spot& f : crossoverFields) {
        p.displayRecess(f.x, f.y, f.x + 66, f.y + 11);
    }
    p.label("Lo-Mid", static_cast<float>(crossoverKnobs[0].x) + 16.0f, 446.0f);
    p.label("Mid-Hi", static_cast<float>(crossoverKnobs[1].x) + 16.0f, 446.0f);
    p.verticalRule(167.0f, 364.0f, 452.0f);

    p.displayRecess(outputField.x, outputField.y, outputField.x + 50, outputField.y + 11);
    p.label("Output", static_cast<float>(outputKnob.x) + 25.5f, 452.0f);
    p.verticalRule(292.0f, 364.0f, 452.0f);

    p.buttonSeat(limiterSpot.x, limiterSpot.y, limiterSpot.x + 55, limiterSpot.y + 11);
    p.displayRecess(ceilingField.x, ceilingField.y, ceilingField.x + 50, ceilingField.y + 11);
    p.label("Ceiling", static_cast<float>(ceilingKnob.x) + 16.0f, 453.0f);
    p.displayRecess(outputMeter.x, outputMeter.y, limiterMeter.x + 9, outputMeter.y + meterHeight);
    p.caption("OUT", static_cast<float>(outputMeter.x + limiterMeter.x + 9) * 0.5f, 363.0f, Align::centre);
    p.meterScale(outputMeter.x - 4, outputMeter.y, Align::right);

    p.displayRecess(titleSpot.x, titleSpot.y, titleSpot.x + 462, titleSpot.y + 31);
    return canvas;
}

Canvas paintTitleFront(const Theme& theme, const Typefaces& type)
{
    Canvas plate = paintPlate(462, 31, theme);
    PanelPainter p(plate, theme, type);
    const int nameWidth = p.productName("TOLVERIN", 14.0f, 15.5f, 14, Align::left);
    drawText(plate, {type.bold.get(), 14, theme.accent, 0.0f, 1.0f, 0.7f}, "3",
             14.0f + static_cast<float>(nameWidth) + 7.0f, 15.5f, Align::left);
    drawText(plate, {type.bold.get(), 7, theme.heading, 1.0f, 1.0f, 0.6f}, "THREE-BAND CHARACTER COMPRESSOR", 448.0f,
             10.5f, Align::right);
    drawText(plate, {type.bold.get(), 7, scaled(theme.label, 0.75f), 1.2f, 1.0f, 0.6f}, "FENDWICK DYNAMICS", 448.0f,
             21.5f, Align::right);
    return plate;
}

Canvas paintTitleBack(const Theme& theme, const Typefaces& type)
{
    Canvas plate = paintPlate(462, 31, theme);
    drawText(plate, {type.bold.get(), 7, theme.heading, 1.2f, 1.0f, 0.6f}, "TOLVERIN3 MONO  \xB7  VERSION 1.0", 14.0f,
             10.5f, Align::left);
    drawText(plate, {type.regular.get(), 8, theme.label, 0.1f, 1.0f, 0.6f},
             "Three character bands  \xB7  SonicFilter  \xB7  peak limiter with ceiling  \xB7  ParamLink", 14.0f, 21.5f,
             Align::left);
    return plate;
}

}  // namespace

ProductArtwork makeTolverin3Artwork(const Typefaces& type)
{
    const Theme theme = tolverinTheme();
    ProductArtwork art;
    art.name = "tolverin3";
    art.description = "the Tolverin three-band editor (tolverin3_mono)";
    auto add = [&](int32_t id, Canvas picture, int images) {
        art.bitmaps.push_back(palettised(id, std::move(picture), images, theme.panel));
    };
    auto lamp = [&](int w, int h, const char* text, ButtonIcon icon) {
        return paintLampButton(w, h, text, icon, theme, type);
    };
    add(backgroundId, paintBackground(theme, type), 1);
    add(gainMeterId, paintMeterFace(9, meterHeight, theme), 1);
    add(bandMeterId, paintMeterFace(13, meterHeight, theme), 1);
    add(outputMeterId, paintMeterFace(15, meterHeight, theme), 1);
    add(titleStripId, stackVertically({paintTitleFront(theme, type), paintTitleBack(theme, type)}), 2);
    add(largeKnobId, paintKnobStrip({51, theme.accent, false}, theme), knobFrameCount);
    add(smallKnobId, paintKnobStrip({32, theme.accent, false}, theme), knobFrameCount);
    add(ceilingKnobId, paintKnobStrip({32, theme.limitAccent, false}, theme), knobFrameCount);
    add(fieldId, paintLightField(50, 11, theme), 1);
    add(crossoverFieldId, paintDarkDisplay(66, 11, theme), 1);
    add(ceilingFieldId, paintLightField(50, 11, theme, &theme.limitAccent), 1);
    add(arcId, lamp(29, 11, "AUTO", ButtonIcon::none), 2);
    add(hiPowerId, lamp(31, 11, "HI", ButtonIcon::power), 2);
    add(loPowerId, lamp(31, 11, "LO", ButtonIcon::power), 2);
    add(midPowerId, lamp(31, 11, "MID", ButtonIcon::power), 2);
    add(sonicFilterId, paintSegmentSwitch(156, 11, {"BRIGHT", "HOT", "LOUD"}, theme, type), 3);
    add(compId, lamp(31, 11, "COMP", ButtonIcon::none), 2);
    add(limiterId, lamp(55, 11, "LIMITER", ButtonIcon::none), 2);
    add(paramLinkId, lamp(69, 15, "PARAM LINK", ButtonIcon::none), 2);
    add(loCutId, lamp(39, 11, "LO CUT", ButtonIcon::none), 2);
    add(amountId, lamp(35, 11, "MAXX", ButtonIcon::none), 2);
    add(typeId, paintSegmentSwitch(72, 11, {"SOFT", "HARD"}, theme, type), 2);

    const int frames[3][5] = {{44, 14, 30, 40, 58}, {48, 18, 34, 40, 62}, {52, 24, 42, 44, 66}};
    for (size_t b = 0; b < std::size(bands); ++b) {
        const int dy = bands[b].offset;
        art.preview.push_back({bands[b].powerId, powerSpot.x, powerSpot.y + dy, 1});
        art.preview.push_back({compId, compSpot.x, compSpot.y + dy, 1});
        art.preview.push_back({typeId, typeSpot.x, typeSpot.y + dy, 0});
        art.preview.push_back({arcId, arcSpot.x, arcSpot.y + dy, b == 1 ? 0 : 1});
        for (size_t i = 0; i < std::size(bandKnobs); ++i) {
            const BandKnob& k = bandKnobs[i];
            art.preview.push_back({k.large ? largeKnobId : smallKnobId, k.knob.x, k.knob.y + dy, frames[b][i]});
            art.preview.push_back({fieldId, k.field.x, k.field.y + dy, 0});
        }
        art.preview.push_back({bandMeterId, bandLevelMeter.x, bandLevelMeter.y + dy, 0});
        art.preview.push_back({gainMeterId, bandGainMeter.x, bandGainMeter.y + dy, 0});
    }
    art.preview.push_back({paramLinkId, paramLinkSpot.x, paramLinkSpot.y, 0});
    art.preview.push_back({loCutId, loCutSpot.x, loCutSpot.y, 1});
    art.preview.push_back({sonicFilterId, sonicFilterSpot.x, sonicFilterSpot.y, 2});
    art.preview.push_back({amountId, amountSpot.x, amountSpot.y, 0});
    art.preview.push_back({limiterId, limiterSpot.x, limiterSpot.y, 1});
    for (size_t i = 0; i < 2; ++i) {
        art.preview.push_back({smallKnobId, crossoverKnobs[i].x, crossoverKnobs[i].y, i == 0 ? 25 : 68});
        art.preview.push_back({crossoverFieldId, crossoverFields[i].x, crossoverFields[i].y, 0});
    }
    art.preview.push_back({largeKnobId, outputKnob.x, outputKnob.y, 40});
    art.preview.push_back({fieldId, outputField.x, outputField.y, 0});
    art.preview.push_back({ceilingKnobId, ceilingKnob.x, ceilingKnob.y, 78});
    art.preview.push_back({ceilingFieldId, ceilingField.x, ceilingField.y, 0});
    art.preview.push_back({outputMeterId, outputMeter.x, outputMeter.y, 0});
    art.preview.push_back({gainMeterId, limiterMeter.x, limiterMeter.y, 0});
    art.preview.push_back({titleStripId, titleSpot.x, titleSpot.y, 0});
    return art;
}

}  // namespace fendwick::artwork

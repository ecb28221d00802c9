// The bitmaps of the Tolverin three-band editor (tolverin3_mono).
#include "product_artwork.h"

#include "button_painter.h"
#include "display_painter.h"
#include "knob_painter.h"
#include "lettering.h"
#include "panel_painter.h"
#include "plate_painter.h"
#include "theme.h"
#include "tolverin3_editor_layout.h"

#include <string>
#include <vector>

namespace fendwick::artwork {

namespace {

namespace S = Tolverin3Pictures;
namespace L = Tolverin3Layout;
using P = Tolverin3Param::Index;

constexpr int bandLabelY = 100;  // the knob names of the Hi band

// Where the knob names of the shared section sit.
float sharedLabelY(int32_t tag)
{
    switch (tag) {
    case P::outLevel:
        return 452.0f;
    case P::outCeiling:
        return 453.0f;
    default:
        return 446.0f;  // the crossover knobs
    }
}

void recess(PanelPainter& p, const LayoutValueField& f)
{
    p.displayRecess(f.area.left, f.area.top, f.area.right, f.area.bottom);
}

void seat(PanelPainter& p, const LayoutControl& c)
{
    p.buttonSeat(c.place.left, c.place.top, c.place.left + c.picture.width, c.place.top + c.picture.imageHeight);
}

// A multi-position switch is named on its left, an on/off switch above.
void caption(PanelPainter& p, const LayoutControl& c)
{
    if (c.kind == LayoutControlKind::positions) {
        p.caption(c.label, static_cast<float>(c.place.left) - 6.0f, static_cast<float>(c.place.top) + 5.5f,
                  Align::right);
    } else {
        p.caption(c.label, static_cast<float>(c.place.left) + static_cast<float>(c.picture.width) * 0.5f,
                  static_cast<float>(c.place.top) - 7.0f, Align::centre);
    }
}

float centreX(const LayoutControl& c)
{
    return static_cast<float>(c.place.left) + static_cast<float>(c.picture.width) * 0.5f;
}

// The recess holding a level meter and the gain meter on its right, with the
// level scale on its left.
void meterPair(PanelPainter& p, const LayoutMeter& level, const LayoutMeter& gain)
{
    p.displayRecess(level.place.left, level.place.top, gain.place.left + gain.picture.width,
                    level.place.top + level.picture.imageHeight);
    p.meterScale(level.place.left - 4, level.place.top, Align::right);
}

void paintBand(PanelPainter& p, int band)
{
    const int offset = band * L::bandSpacing;
    const float top = static_cast<float>(6 + offset);
    p.panel(4.0f, top, 470.0f, top + 100.0f);
    for (int i = 0; i < L::controlsPerBand; ++i) {
        const LayoutControl& c = L::controls[static_cast<size_t>(band * L::controlsPerBand + i)];
        if (c.kind == LayoutControlKind::knob) {
            p.label(c.label, centreX(c), static_cast<float>(offset + bandLabelY));
            continue;
        }
        seat(p, c);
        if (c.label != nullptr) {
            caption(p, c);
        }
    }
    for (int i = 0; i < L::fieldsPerBand; ++i) {
        recess(p, L::fields[static_cast<size_t>(band * L::fieldsPerBand + i)]);
    }
    meterPair(p, L::meters[static_cast<size_t>(kMultibandBandCount + band)], L::meters[static_cast<size_t>(band)]);
}

// The row of `rows` that follows parameter `tag`; every shared parameter has one.
template <class Rows>
const typename Rows::value_type& rowFor(const Rows& rows, int32_t tag)
{
    const auto* found = &rows[0];
    for (const auto& row : rows) {
        if (row.tag == tag) {
            found = &row;
        }
    }
    return *found;
}

const LayoutControl& sharedControl(int32_t tag) { return rowFor(L::controls, tag); }
const LayoutValueField& sharedField(int32_t tag) { return rowFor(L::fields, tag); }

void knobLabel(PanelPainter& p, int32_t tag)
{
    const LayoutControl& c = sharedControl(tag);
    p.label(c.label, centreX(c), sharedLabelY(tag));
}

Canvas paintBackground(const Theme& theme, const Typefaces& type)
{
    Canvas canvas(S::background.width, S::background.imageHeight);
    PanelPainter p(canvas, theme, type);
    p.backdrop();
    for (int band = 0; band < kMultibandBandCount; ++band) {
        paintBand(p, band);
    }

    p.panel(4.0f, 315.0f, 470.0f, 460.0f);
    seat(p, sharedControl(P::paramLink));
    seat(p, sharedControl(P::loCut));
    caption(p, sharedControl(P::sonicFilter));
    seat(p, sharedControl(P::sonicFilter));
    seat(p, sharedControl(P::sonicFilterAmount));
    p.rule(12.0f, 462.0f, 356.0f);

    p.heading("CROSSOVER", 84.0f, 367.0f, 12.0f, 156.0f);
    recess(p, sharedField(P::loMid));
    recess(p, sharedField(P::midHi));
    knobLabel(p, P::loMid);
    knobLabel(p, P::midHi);
    p.verticalRule(167.0f, 364.0f, 452.0f);

    recess(p, sharedField(P::outLevel));
    knobLabel(p, P::outLevel);
    p.verticalRule(292.0f, 364.0f, 452.0f);

    seat(p, sharedControl(P::peakLimiter));
    recess(p, sharedField(P::outCeiling));
    knobLabel(p, P::outCeiling);
    const LayoutMeter& output = L::meters[2 * kMultibandBandCount];
    const LayoutMeter& limiter = L::meters[2 * kMultibandBandCount + 1];
    meterPair(p, output, limiter);
    p.caption("OUT", static_cast<float>(output.place.left + limiter.place.left + limiter.picture.width) * 0.5f,
              363.0f, Align::centre);

    const LayoutControl& title = L::titleStrip;
    p.displayRecess(title.place.left, title.place.top, title.place.left + title.picture.width,
                    title.place.top + title.picture.imageHeight);
    return canvas;
}

Canvas paintTitleFront(const Theme& theme, const Typefaces& type)
{
    Canvas plate = paintPlate(S::titleStrip.width, S::titleStrip.imageHeight, theme);
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
    Canvas plate = paintPlate(S::titleStrip.width, S::titleStrip.imageHeight, theme);
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
    const auto face = [&](const LayoutPicture& picture) {
        add(picture.id, paintMeterFace(picture.width, picture.imageHeight, theme), 1);
    };
    const auto knob = [&](const LayoutPicture& picture, const Colour& accent) {
        add(picture.id, paintKnobStrip({picture.width, accent, false}, theme), knobFrameCount);
    };
    const auto switchOf = [&](const LayoutPicture& picture, const char* text, ButtonIcon icon) {
        add(picture.id, lamp(picture.width, picture.imageHeight, text, icon), 2);
    };
    const auto segments = [&](const LayoutPicture& picture, const std::vector<std::string>& names) {
        add(picture.id, paintSegmentSwitch(picture.width, picture.imageHeight, names, theme, type), picture.images);
    };
    add(S::background.id, paintBackground(theme, type), 1);
    face(S::gainMeter);
    face(S::bandLevelMeter);
    face(S::outputMeter);
    add(S::titleStrip.id, stackVertically({paintTitleFront(theme, type), paintTitleBack(theme, type)}), 2);
    knob(S::largeKnob, theme.accent);
    knob(S::smallKnob, theme.accent);
    knob(S::ceilingKnob, theme.limitAccent);
    add(S::field.id, paintLightField(S::field.width, S::field.imageHeight, theme), 1);
    add(S::crossoverField.id, paintDarkDisplay(S::crossoverField.width, S::crossoverField.imageHeight, theme), 1);
    add(S::ceilingField.id,
        paintLightField(S::ceilingField.width, S::ceilingField.imageHeight, theme, &theme.limitAccent), 1);
    switchOf(S::arcSwitch, "AUTO", ButtonIcon::none);
    switchOf(S::hiPower, "HI", ButtonIcon::power);
    switchOf(S::loPower, "LO", ButtonIcon::power);
    switchOf(S::midPower, "MID", ButtonIcon::power);
    segments(S::sonicFilterSwitch, {"BRIGHT", "HOT", "LOUD"});
    switchOf(S::compSwitch, "COMP", ButtonIcon::none);
    switchOf(S::limiterSwitch, "LIMITER", ButtonIcon::none);
    switchOf(S::paramLinkSwitch, "PARAM LINK", ButtonIcon::none);
    switchOf(S::loCutSwitch, "LO CUT", ButtonIcon::none);
    switchOf(S::amountSwitch, "MAXX", ButtonIcon::none);
    segments(S::typeSwitch, {"SOFT", "HARD"});

    // The image each control shows in the mock-up, by parameter index.
    constexpr int previewImages[Tolverin3Param::count] = {25, 68, 1, 0,  0,  0,  2,  0, 40, 78, 0,  1,
                                                          58, 44, 14, 30, 1,  40, 1, 1,  62, 48, 18, 34,
                                                          0,  40, 1,  1,  66, 52, 24, 42, 1,  44, 1,  1};
    for (const LayoutMeter& m : L::meters) {
        art.preview.push_back({m.picture.id, m.place.left, m.place.top, 0});
    }
    for (const LayoutControl& c : L::controls) {
        art.preview.push_back({c.picture.id, c.place.left, c.place.top, previewImages[c.tag]});
    }
    for (const LayoutValueField& f : L::fields) {
        art.preview.push_back({f.picture.id, f.area.left, f.area.top, 0});
    }
    art.preview.push_back({L::titleStrip.picture.id, L::titleStrip.place.left, L::titleStrip.place.top, 0});
    return art;
}

}  // namespace fendwick::artwork

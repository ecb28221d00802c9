// The bitmaps of the Tolverin single-band editor, stereo (tolverin) and mono
// (tolverin_mono): the two builds place their controls differently and number
// their bitmaps differently, so each has its own set.
#include "product_artwork.h"

#include "button_painter.h"
#include "display_painter.h"
#include "knob_painter.h"
#include "lettering.h"
#include "panel_painter.h"
#include "plate_painter.h"
#include "theme.h"
#include "tolverin_editor_layout.h"

#include <set>
#include <string>
#include <vector>

namespace fendwick::artwork {

namespace {

constexpr int knobLabelY = 106;

// The words lit in an on/off switch's picture.
struct Lamp {
    int32_t tag;
    const char* text;
};

// What a build's pictures say beyond where things sit.
struct BuildArt {
    const char* name;
    const char* description;
    const char* plateLine;  // the product line on the plate's second image
    int nameX;              // middle of the product name
    bool stereo;
    const CharacterEditorLayout& layout;
    int32_t ceilingTag;    // its knob and field carry the limiter's colour
    int32_t characterTag;  // the other multi-position switch is Reduction
    std::vector<Lamp> lamps;
    std::vector<int> previewImages;  // by parameter index
};

BuildArt stereoArt()
{
    using P = TolverinParam::Index;
    return {"tolverin",
            "the Tolverin stereo editor (tolverin)",
            "Character compressor  \xB7  peak limiter  \xB7  stereo enhancer",
            231,
            true,
            TolverinLayout::stereo,
            P::outCeiling,
            P::character,
            {{P::arc, "AUTO"}, {P::peakLimiter, "LIMITER"}, {P::stereoLink, "ST LINK"}, {P::characterMode, "MAXX"},
             {P::stereoEnhSwitch, "ON"}, {P::loCut, "LO CUT"}},
            {1, 0, 1, 0, 58, 44, 14, 30, 1, 1, 0, 40, 78, 22, 1}};
}

BuildArt monoArt()
{
    using P = TolverinMonoParam::Index;
    return {"tolverin_mono",
            "the Tolverin mono editor (tolverin_mono)",
            "Character compressor  \xB7  peak limiter  \xB7  mono",
            229,
            false,
            TolverinLayout::mono,
            P::outCeiling,
            P::character,
            {{P::arc, "AUTO"}, {P::peakLimiter, "LIMITER"}, {P::characterMode, "MAXX"}, {P::loCut, "LO CUT"}},
            {0, 1, 0, 58, 44, 14, 30, 1, 1, 0, 40, 78}};
}

const char* lampText(const BuildArt& art, int32_t tag)
{
    for (const Lamp& lamp : art.lamps) {
        if (lamp.tag == tag) {
            return lamp.text;
        }
    }
    return "";
}

// Engraved lines between the output, limiter and output meter groups.
constexpr float dividers[] = {553.0f, 643.0f};

void recess(PanelPainter& p, const LayoutPlace& at, const LayoutPicture& picture)
{
    p.displayRecess(at.left, at.top, at.left + picture.width, at.top + picture.imageHeight);
}

Canvas paintBackground(const BuildArt& art, const Theme& theme, const Typefaces& type)
{
    const CharacterEditorLayout& l = art.layout;
    Canvas canvas(l.background.width, l.background.imageHeight);
    PanelPainter p(canvas, theme, type);
    p.backdrop();
    p.panel(4.0f, 3.0f, 724.0f, 114.0f);
    p.panel(4.0f, 117.0f, 724.0f, 147.0f);
    for (const float x : dividers) {
        p.verticalRule(x, 11.0f, 106.0f);
    }

    p.productName("TOLVERIN", static_cast<float>(art.nameX), 17.0f, 13, Align::centre);
    drawText(canvas, {type.bold.get(), 7, theme.heading, 0.8f, 1.0f, 0.55f}, "CHARACTER COMPRESSOR",
             static_cast<float>(art.nameX), 31.0f, Align::centre);

    for (const LayoutControl& c : l.controls) {
        const LayoutPlace& at = c.place;
        const float centreX = static_cast<float>(at.left) + static_cast<float>(c.picture.width) * 0.5f;
        if (c.kind == LayoutControlKind::knob) {
            p.label(c.label, centreX, static_cast<float>(knobLabelY));
            continue;
        }
        p.buttonSeat(at.left, at.top, at.left + c.picture.width, at.top + c.picture.imageHeight);
        if (c.label == nullptr) {
            continue;
        }
        // A multi-position switch is named on its left, an on/off switch above.
        if (c.kind == LayoutControlKind::positions) {
            p.caption(c.label, static_cast<float>(at.left) - 6.0f, static_cast<float>(at.top) + 5.5f, Align::right);
        } else {
            p.caption(c.label, centreX, static_cast<float>(at.top) - 7.0f, Align::centre);
        }
    }
    for (const LayoutValueField& f : l.fields) {
        p.displayRecess(f.area.left, f.area.top, f.area.right, f.area.bottom);
    }
    for (const LayoutMeter& m : l.meters) {
        recess(p, m.place, m.picture);
    }

    // Compressor meters: level and gain reduction share one scale, in dB below full scale.
    p.caption("COMP", 400.0f, 16.0f, Align::centre);
    p.meterScale(384, 24, Align::right);
    if (art.stereo) {
        p.caption("L", 665.0f, 11.0f, Align::centre);
        p.caption("R", 699.0f, 11.0f, Align::centre);
        p.meterScale(682, 19, Align::centre);
    } else {
        p.caption("OUT", 678.0f, 11.0f, Align::centre);
        p.meterScale(697, 19, Align::left);
    }

    recess(p, l.plate.place, l.plate.picture);
    return canvas;
}

Canvas paintPlateImage(const Theme& theme, const Typefaces& type, bool front, const char* line)
{
    Canvas plate = paintPlate(278, 25, theme);
    if (front) {
        PanelPainter p(plate, theme, type);
        p.productName("TOLVERIN", 12.0f, 12.5f, 11, Align::left);
        drawText(plate, {type.bold.get(), 7, theme.heading, 1.2f, 1.0f, 0.6f}, "FENDWICK DYNAMICS", 266.0f, 12.5f,
                 Align::right);
    } else {
        drawText(plate, {type.regular.get(), 8, theme.label, 0.1f, 1.0f, 0.6f}, line, 139.0f, 12.5f, Align::centre);
    }
    return plate;
}

ProductArtwork makeArtwork(const BuildArt& build, const Typefaces& type)
{
    const Theme theme = tolverinTheme();
    const CharacterEditorLayout& l = build.layout;
    ProductArtwork art;
    art.name = build.name;
    art.description = build.description;
    std::set<int32_t> painted;
    auto add = [&](const LayoutPicture& picture, Canvas canvas) {
        if (painted.insert(picture.id).second) {
            art.bitmaps.push_back(palettised(picture.id, std::move(canvas), picture.images, theme.panel));
        }
    };
    add(l.background, paintBackground(build, theme, type));
    for (const LayoutMeter& m : l.meters) {
        add(m.picture, paintMeterFace(m.picture.width, m.picture.imageHeight, theme));
        art.preview.push_back({m.picture.id, m.place.left, m.place.top, 0});
    }
    for (const LayoutControl& c : l.controls) {
        const LayoutPicture& picture = c.picture;
        if (c.kind == LayoutControlKind::knob) {
            const Colour& accent = c.tag == build.ceilingTag ? theme.limitAccent : theme.accent;
            add(picture, paintKnobStrip({picture.width, accent, false}, theme));
        } else if (c.kind == LayoutControlKind::positions) {
            const std::vector<std::string> names = c.tag == build.characterTag
                                                       ? std::vector<std::string>{"BRIGHT", "HOT", "LOUD"}
                                                       : std::vector<std::string>{"SOFT", "FULL"};
            add(picture, paintSegmentSwitch(picture.width, picture.imageHeight, names, theme, type));
        } else {
            add(picture, paintLampButton(picture.width, picture.imageHeight, lampText(build, c.tag),
                                         ButtonIcon::none, theme, type));
        }
        art.preview.push_back({picture.id, c.place.left, c.place.top, build.previewImages[c.tag]});
    }
    for (const LayoutValueField& f : l.fields) {
        const int width = f.area.right - f.area.left;
        const int height = f.area.bottom - f.area.top;
        add(f.picture, f.tag == build.ceilingTag ? paintLightField(width, height, theme, &theme.limitAccent)
                                                 : paintLightField(width, height, theme));
        art.preview.push_back({f.picture.id, f.area.left, f.area.top, 0});
    }
    add(l.plate.picture, stackVertically({paintPlateImage(theme, type, true, build.plateLine),
                                          paintPlateImage(theme, type, false, build.plateLine)}));
    art.preview.push_back({l.plate.picture.id, l.plate.place.left, l.plate.place.top, 0});
    return art;
}

}  // namespace

ProductArtwork makeTolverinArtwork(const Typefaces& type)
{
    return makeArtwork(stereoArt(), type);
}

ProductArtwork makeTolverinMonoArtwork(const Typefaces& type)
{
    return makeArtwork(monoArt(), type);
}

}  // namespace fendwick::artwork

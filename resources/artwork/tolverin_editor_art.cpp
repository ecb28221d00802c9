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

#include <string>
#include <vector>

namespace fendwick::artwork {

namespace {

constexpr int width = 728;
constexpr int height = 150;
constexpr int meterHeight = 82;
constexpr int knobLabelY = 106;

enum class KnobKind { small, large, ceiling };

struct KnobSpot {
    KnobKind kind;
    int x;
    int y;
    const char* label;
    int previewFrame;
};

struct FieldSpot {
    int x;
    int y;
    bool ceiling;
};

struct ButtonSpot {
    int32_t id;
    int x;
    int y;
    int width;
    const char* text;
    const char* caption;  // a name above the button, or null
    int previewImage;
};

struct MeterSpot {
    int32_t id;
    int x;
    int y;
};

struct Layout {
    const char* name = nullptr;
    const char* description = nullptr;
    const char* plateLine = nullptr;  // the product line on the plate's second image
    int32_t gainMeterId = 0;
    int32_t levelMeterId = 0;
    int32_t outputMeterId = 0;  // the mono build's wider output meter; 0 in stereo
    int32_t plateId = 0;
    int32_t largeKnobId = 0;
    int32_t smallKnobId = 0;
    int32_t ceilingKnobId = 0;
    int32_t fieldId = 0;
    int32_t ceilingFieldId = 0;
    int32_t characterId = 0;
    int32_t reductionId = 0;
    int characterX = 0;
    int reductionX = 91;
    int nameX = 0;  // middle of the product name
    std::vector<KnobSpot> knobs;
    std::vector<FieldSpot> fields;
    std::vector<ButtonSpot> buttons;
    std::vector<MeterSpot> meters;
};

// Engraved lines between the output, limiter and output meter groups.
constexpr float dividers[] = {553.0f, 643.0f};
constexpr int characterY = 126;
constexpr int reductionY = 21;
constexpr int plateX = 444;
constexpr int plateY = 119;

Layout stereoLayout()
{
    Layout l;
    l.name = "tolverin";
    l.description = "the Tolverin stereo editor (tolverin)";
    l.plateLine = "Character compressor  \xB7  peak limiter  \xB7  stereo enhancer";
    l.gainMeterId = 10002;
    l.levelMeterId = 10003;
    l.plateId = 10004;
    l.largeKnobId = 10005;
    l.smallKnobId = 10006;
    l.ceilingKnobId = 10007;
    l.fieldId = 10008;
    l.ceilingFieldId = 10009;
    l.characterId = 10011;
    l.reductionId = 10016;
    l.characterX = 226;
    l.nameX = 231;
    l.knobs = {{KnobKind::small, 38, 65, "Ratio", 44},      {KnobKind::small, 88, 65, "Attack", 14},
               {KnobKind::small, 138, 65, "Release", 30},   {KnobKind::small, 219, 66, "Stereo", 22},
               {KnobKind::large, 302, 47, "Threshold", 58}, {KnobKind::large, 475, 47, "Output", 40},
               {KnobKind::ceiling, 590, 61, "Ceiling", 78}};
    l.fields = {{210, 48, false}, {29, 47, false},  {79, 47, false},  {129, 47, false},
                {303, 24, false}, {476, 23, false}, {581, 42, true}};
    l.buttons = {{10010, 176, 89, 29, "AUTO", "ARC", 1},      {10012, 580, 20, 55, "LIMITER", nullptr, 1},
                 {10017, 28, 126, 43, "ST LINK", nullptr, 1}, {10014, 388, 126, 35, "MAXX", nullptr, 0},
                 {10015, 257, 90, 27, "ON", nullptr, 1},      {10013, 85, 126, 39, "LO CUT", nullptr, 0}};
    l.meters = {{10002, 402, 24}, {10003, 388, 24}, {10003, 653, 19}, {10003, 697, 19}, {10002, 667, 19},
                {10002, 687, 19}};
    return l;
}

Layout monoLayout()
{
    Layout l;
    l.name = "tolverin_mono";
    l.description = "the Tolverin mono editor (tolverin_mono)";
    l.plateLine = "Character compressor  \xB7  peak limiter  \xB7  mono";
    l.gainMeterId = 10002;
    l.levelMeterId = 10003;
    l.outputMeterId = 10004;
    l.plateId = 10005;
    l.largeKnobId = 10006;
    l.smallKnobId = 10007;
    l.ceilingKnobId = 10008;
    l.fieldId = 10009;
    l.ceilingFieldId = 10010;
    l.characterId = 10012;
    l.reductionId = 10016;
    l.characterX = 205;
    l.nameX = 229;
    l.knobs = {{KnobKind::small, 47, 65, "Ratio", 44},      {KnobKind::small, 119, 65, "Attack", 14},
               {KnobKind::small, 191, 65, "Release", 30},   {KnobKind::large, 295, 47, "Threshold", 58},
               {KnobKind::large, 475, 47, "Output", 40},    {KnobKind::ceiling, 590, 61, "Ceiling", 78}};
    l.fields = {{38, 47, false},  {110, 47, false}, {182, 47, false},
                {296, 24, false}, {476, 23, false}, {581, 42, true}};
    l.buttons = {{10011, 229, 89, 29, "AUTO", "ARC", 1},
                 {10013, 580, 20, 55, "LIMITER", nullptr, 1},
                 {10015, 377, 126, 35, "MAXX", nullptr, 0},
                 {10014, 40, 126, 39, "LO CUT", nullptr, 0}};
    l.meters = {{10002, 402, 24}, {10003, 388, 24}, {10004, 663, 19}, {10002, 683, 19}};
    return l;
}

int knobSize(KnobKind kind)
{
    return kind == KnobKind::large ? 51 : 32;
}

int32_t knobId(const Layout& l, KnobKind kind)
{
    return kind == KnobKind::large ? l.largeKnobId : kind == KnobKind::small ? l.smallKnobId : l.ceilingKnobId;
}

int meterWidth(const Layout& l, int32_t id)
{
    return id == l.gainMeterId ? 9 : id == l.levelMeterId ? 13 : 15;
}

Canvas paintBackground(const Layout& l, const Theme& theme, const Typefaces& type)
{
    Canvas canvas(width, height);
    PanelPainter p(canvas, theme, type);
    p.backdrop();
    p.panel(4.0f, 3.0f, 724.0f, 114.0f);
    p.panel(4.0f, 117.0f, 724.0f, 147.0f);
    for (const float x : dividers) {
        p.verticalRule(x, 11.0f, 106.0f);
    }

    p.productName("TOLVERIN", static_cast<float>(l.nameX), 17.0f, 13, Align::centre);
    drawText(canvas, {type.bold.get(), 7, theme.heading, 0.8f, 1.0f, 0.55f}, "CHARACTER COMPRESSOR",
             static_cast<float>(l.nameX), 31.0f, Align::centre);

    p.caption("REDUCTION", static_cast<float>(l.reductionX) - 5.0f, static_cast<float>(reductionY) + 5.5f, Align::right);
    p.buttonSeat(l.reductionX, reductionY, l.reductionX + 72, reductionY + 11);
    p.caption("CHARACTER", static_cast<float>(l.characterX) - 6.0f, static_cast<float>(characterY) + 5.5f,
              Align::right);
    p.buttonSeat(l.characterX, characterY, l.characterX + 156, characterY + 11);
    for (const ButtonSpot& b : l.buttons) {
        p.buttonSeat(b.x, b.y, b.x + b.width, b.y + 11);
        if (b.caption != nullptr) {
            p.caption(b.caption, static_cast<float>(b.x) + static_cast<float>(b.width) * 0.5f,
                      static_cast<float>(b.y) - 7.0f, Align::centre);
        }
    }
    for (const FieldSpot& f : l.fields) {
        p.displayRecess(f.x, f.y, f.x + 50, f.y + 11);
    }
    for (const KnobSpot& k : l.knobs) {
        p.label(k.label, static_cast<float>(k.x) + static_cast<float>(knobSize(k.kind)) * 0.5f,
                static_cast<float>(knobLabelY));
    }
    for (const MeterSpot& m : l.meters) {
        p.displayRecess(m.x, m.y, m.x + meterWidth(l, m.id), m.y + meterHeight);
    }

    // Compressor meters: level and gain reduction share one scale, in dB below full scale.
    p.caption("COMP", 400.0f, 16.0f, Align::centre);
    p.meterScale(384, 24, Align::right);
    if (l.outputMeterId == 0) {
        p.caption("L", 665.0f, 11.0f, Align::centre);
        p.caption("R", 699.0f, 11.0f, Align::centre);
        p.meterScale(682, 19, Align::centre);
    } else {
        p.caption("OUT", 678.0f, 11.0f, Align::centre);
        p.meterScale(697, 19, Align::left);
    }

    p.displayRecess(plateX, plateY, plateX + 278, plateY + 25);
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

ProductArtwork makeArtwork(const Layout& l, const Typefaces& type)
{
    const Theme theme = tolverinTheme();
    ProductArtwork art;
    art.name = l.name;
    art.description = l.description;
    auto add = [&](int32_t id, Canvas picture, int images) {
        art.bitmaps.push_back(palettised(id, std::move(picture), images, theme.panel));
    };
    add(10001, paintBackground(l, theme, type), 1);
    add(l.gainMeterId, paintMeterFace(9, meterHeight, theme), 1);
    add(l.levelMeterId, paintMeterFace(13, meterHeight, theme), 1);
    if (l.outputMeterId != 0) {
        add(l.outputMeterId, paintMeterFace(15, meterHeight, theme), 1);
    }
    add(l.plateId,
        stackVertically({paintPlateImage(theme, type, true, l.plateLine), paintPlateImage(theme, type, false, l.plateLine)}),
        2);
    add(l.largeKnobId, paintKnobStrip({51, theme.accent, false}, theme), knobFrameCount);
    add(l.smallKnobId, paintKnobStrip({32, theme.accent, false}, theme), knobFrameCount);
    add(l.ceilingKnobId, paintKnobStrip({32, theme.limitAccent, false}, theme), knobFrameCount);
    add(l.fieldId, paintLightField(50, 11, theme), 1);
    add(l.ceilingFieldId, paintLightField(50, 11, theme, &theme.limitAccent), 1);
    for (const ButtonSpot& b : l.buttons) {
        add(b.id, paintLampButton(b.width, 11, b.text, ButtonIcon::none, theme, type), 2);
    }
    add(l.characterId, paintSegmentSwitch(156, 11, {"BRIGHT", "HOT", "LOUD"}, theme, type), 3);
    add(l.reductionId, paintSegmentSwitch(72, 11, {"SOFT", "FULL"}, theme, type), 2);

    for (const KnobSpot& k : l.knobs) {
        art.preview.push_back({knobId(l, k.kind), k.x, k.y, k.previewFrame});
    }
    for (const FieldSpot& f : l.fields) {
        art.preview.push_back({f.ceiling ? l.ceilingFieldId : l.fieldId, f.x, f.y, 0});
    }
    for (const ButtonSpot& b : l.buttons) {
        art.preview.push_back({b.id, b.x, b.y, b.previewImage});
    }
    for (const MeterSpot& m : l.meters) {
        art.preview.push_back({m.id, m.x, m.y, 0});
    }
    art.preview.push_back({l.characterId, l.characterX, characterY, 1});
    art.preview.push_back({l.reductionId, l.reductionX, reductionY, 0});
    art.preview.push_back({l.plateId, plateX, plateY, 0});
    return art;
}

}  // namespace

ProductArtwork makeTolverinArtwork(const Typefaces& type)
{
    return makeArtwork(stereoLayout(), type);
}

ProductArtwork makeTolverinMonoArtwork(const Typefaces& type)
{
    return makeArtwork(monoLayout(), type);
}

}  // namespace fendwick::artwork

// The single-band plug-ins' editor.
#include "ascarell_editor.h"

#include "ascarell_artwork_ids.h"
#include "ascarell_compressor.h"
#include "ascarell_parameters.h"
#include "ascarell_texts.h"
#include "bitmap.h"
#include "film_strip_knob.h"
#include "frame.h"
#include "on_off_button.h"
#include "param_text_display.h"

namespace fendwick {

namespace {

constexpr int32_t kKnobImages = 81;
constexpr int32_t kButtonImages = 2;
constexpr int32_t kStripButtonTag = 8;
constexpr int32_t kTextFontIndex = 5;
constexpr Color kTextColor{102, 255, 255, 0};

struct KnobPlace {
    int32_t tag;
    int32_t left;
    int32_t top;
    int32_t bitmapId;
};

// Input, Ratio, Knee, Attack and Release, left to right.
constexpr KnobPlace kSmallKnobs[] = {
    {AscarellParam::input, 32, 44, AscarellArtwork::smallKnob},
    {AscarellParam::ratio, 84, 44, AscarellArtwork::smallKnob},
    {AscarellParam::knee, 136, 44, AscarellArtwork::smallKnob},
    {AscarellParam::attack, 188, 44, AscarellArtwork::smallKnob},
    {AscarellParam::release, 240, 44, AscarellArtwork::smallKnob},
};

constexpr Rect kTextDisplayRect{55, 8, 55 + 190, 8 + 17};

static_assert(AscarellParam::count <= EditorBase::kParameterLimit, "the editor follows every parameter");

}  // namespace

AscarellEditor::AscarellEditor(AscarellCompressor* owner, const ArtworkTable& table)
    : EditorBase(owner), compressor(owner), artwork(table), background(new Bitmap(table, AscarellArtwork::background))
{
    setRect(background->width(), background->height());
}

AscarellEditor::~AscarellEditor()
{
    close();
    background->release();
}

FilmStripKnob* AscarellEditor::addKnob(int32_t tag, int32_t left, int32_t top, int32_t bitmapId)
{
    auto* bitmap = new Bitmap(artwork, bitmapId);
    const int32_t imageHeight = bitmap->height() / kKnobImages;
    const Rect size{left, top, left + bitmap->width(), top + imageHeight};
    auto* knob = new FilmStripKnob(size, this, tag, kKnobImages, imageHeight, bitmap, Point{});
    bitmap->release();
    knob->setValue(parameterValue(tag));
    frameWindow->addView(knob);
    return knob;
}

OnOffButton* AscarellEditor::addButton(int32_t tag, int32_t left, int32_t top, int32_t bitmapId)
{
    auto* bitmap = new Bitmap(artwork, bitmapId);
    const int32_t imageHeight = bitmap->height() / kButtonImages;
    const Rect size{left, top, left + bitmap->width(), top + imageHeight};
    auto* button = new OnOffButton(size, this, tag, imageHeight, bitmap, Point{});
    bitmap->release();
    button->setValue(tag < AscarellParam::count ? parameterValue(tag) : 0.0f);
    frameWindow->addView(button);
    return button;
}

int32_t AscarellEditor::open(void* parent)
{
    EditorBase::open(parent);
    if (opened) {
        return 1;
    }
    frameWindow = Frame::create(Rect{0, 0, rect.right, rect.bottom}, parent, this);
    if (!frameWindow) {
        return 0;
    }
    frameWindow->setBackground(background);

    arcSwitch = addButton(AscarellParam::arc, 280, 68, AscarellArtwork::arcSwitch);
    for (int32_t i = 0; i < 5; ++i) {
        const KnobPlace& place = kSmallKnobs[i];
        smallKnobs[i] = addKnob(place.tag, place.left, place.top, place.bitmapId);
    }
    threshKnob = addKnob(AscarellParam::thresh, 326, 25, AscarellArtwork::threshKnob);
    outLevelKnob = addKnob(AscarellParam::outLevel, 447, 25, AscarellArtwork::outLevelKnob);

    textDisplay = new ParamTextDisplay(kTextDisplayRect, nullptr, 0);
    textDisplay->setFontIndex(kTextFontIndex);
    textDisplay->setTextStyle(0);
    textDisplay->setFontColor(kTextColor);
    auto* inset = new Bitmap(artwork, AscarellArtwork::textDisplay);
    textDisplay->setBackground(inset);
    inset->release();
    textDisplay->setValueToText(idleDisplayText);
    frameWindow->addView(textDisplay);

    stripButton = addButton(kStripButtonTag, 8, 110, AscarellArtwork::stripButton);
    opened = true;
    return 1;
}

void AscarellEditor::close()
{
    if (closeMustWait()) {
        return;
    }
    opened = false;
    EditorBase::close();
    clearControls();
}

void AscarellEditor::clearControls()
{
    arcSwitch = nullptr;
    for (FilmStripKnob*& knob : smallKnobs) {
        knob = nullptr;
    }
    threshKnob = nullptr;
    outLevelKnob = nullptr;
    textDisplay = nullptr;
    stripButton = nullptr;
}

FilmStripKnob* AscarellEditor::knobOf(int32_t index) const
{
    if (index >= AscarellParam::input && index <= AscarellParam::release) {
        return smallKnobs[index];
    }
    if (index == AscarellParam::thresh) {
        return threshKnob;
    }
    if (index == AscarellParam::outLevel) {
        return outLevelKnob;
    }
    return nullptr;
}

void AscarellEditor::valueChanged(DrawContext* context, Control* control)
{
    const int32_t tag = control->tag();
    if (tag < 0 || tag >= AscarellParam::count) {
        return;  // the strip button only turns its own picture
    }
    compressor->setParameterAndNotify(tag, control->value());
    control->update(context);
}

// The knob shows the value and the text display says what it means; ARC
// only flips its switch.
void AscarellEditor::showParameter(int32_t index, float value)
{
    if (!opened) {
        return;
    }
    if (FilmStripKnob* knob = knobOf(index)) {
        knob->setValue(value);
        frameWindow->redrawViewNow(knob);
        textDisplay->setValue(value);
        textDisplay->setValueToText(ascarellValueText(index));
        frameWindow->redrawViewNow(textDisplay);
    } else if (index == AscarellParam::arc) {
        arcSwitch->setValue(value);
        frameWindow->redrawViewNow(arcSwitch);
    }
}

}  // namespace fendwick

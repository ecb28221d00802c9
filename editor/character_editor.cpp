// The character lines' editor, built from its layout.
#include "character_editor.h"

#include "bitmap.h"
#include "effect_base.h"
#include "frame.h"
#include "layout_controls.h"
#include "meter_view.h"
#include "param_text_display.h"

namespace fendwick {

namespace {

constexpr Color kShadowColor{0, 0, 0, 0};

// Index of the row of `rows` with `tag`, or -1.
template <class Row, class Tag>
int32_t findRow(const LayoutRows<Row>& rows, Tag tagOf, int32_t index)
{
    for (int32_t i = 0; i < rows.count; ++i) {
        if (tagOf(rows[i]) == index) {
            return i;
        }
    }
    return -1;
}

int32_t controlTag(const LayoutControl& row) { return row.tag; }
int32_t fieldTag(const LayoutValueField& row) { return row.tag; }
int32_t meterIndex(const LayoutMeter& row) { return row.displayValue; }

Rect rectOf(const LayoutArea& area) { return Rect{area.left, area.top, area.right, area.bottom}; }

Color colorOf(const LayoutColour& colour)
{
    return Color{static_cast<uint8_t>(colour.red), static_cast<uint8_t>(colour.green),
                 static_cast<uint8_t>(colour.blue), 0};
}

}  // namespace

CharacterEditor::CharacterEditor(EffectBase* owner, const ArtworkTable& table, const CharacterEditorLayout& places,
                                 ParameterText (*fieldText)(int32_t index))
    : PictureEditor(owner, table, places.background.id), layout(places), textOf(fieldText)
{
}

void CharacterEditor::buildViews()
{
    meters.clear();
    controls.clear();
    fields.clear();
    for (const LayoutMeter& row : layout.meters) {
        auto* picture = new Bitmap(artwork, row.picture.id);
        const Rect size{row.place.left, row.place.top, row.place.left + picture->width(),
                        row.place.top + picture->height()};
        MeterView* meter = nullptr;
        if (row.kind == LayoutMeterKind::gain) {
            meter = new GainMeter(size, this, row.displayValue, picture);
        } else {
            meter = new LevelMeter(size, this, row.displayValue, picture);
        }
        picture->release();
        frameWindow->addView(meter);
        meters.push_back(meter);
    }
    for (const LayoutControl& row : layout.controls) {
        controls.push_back(addLayoutControl(*frameWindow, this, artwork, row, parameterValue(row.tag)));
    }
    for (const LayoutValueField& row : layout.fields) {
        ParamTextDisplay* field =
            addTextDisplay(*frameWindow, artwork, row.picture, rectOf(row.area), colorOf(row.text));
        if (row.shadow) {
            field->setShadowColor(kShadowColor);
        }
        field->setValueToText(textOf(row.tag));
        field->setValue(parameterValue(row.tag));
        fields.push_back(field);
    }
    addLayoutControl(*frameWindow, this, artwork, layout.plate, 0.0f);
}

// The control shows the value; a knob's value is also named in its field.
void CharacterEditor::showParameter(int32_t index, float value)
{
    const int32_t row = findRow(layout.controls, controlTag, index);
    if (!isOpen() || row < 0) {
        return;
    }
    controls[row]->setValue(value);
    frameWindow->redrawViewNow(controls[row]);
    const int32_t field = findRow(layout.fields, fieldTag, index);
    if (field >= 0) {
        fields[field]->setValue(value);
        fields[field]->setValueToText(textOf(index));
        frameWindow->redrawViewNow(fields[field]);
    }
}

void CharacterEditor::showDisplayValue(int32_t index)
{
    const int32_t row = findRow(layout.meters, meterIndex, index);
    if (isOpen() && row >= 0) {
        frameWindow->redrawViewNow(meters[row]);
    }
}

}  // namespace fendwick

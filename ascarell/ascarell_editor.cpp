// The single-band plug-ins' editor.
#include "ascarell_editor.h"

#include "ascarell_compressor.h"
#include "ascarell_parameters.h"
#include "ascarell_texts.h"
#include "frame.h"
#include "layout_controls.h"
#include "param_text_display.h"

namespace fendwick {

namespace {

constexpr Color kTextColor{102, 255, 255, 0};

// The row of the layout whose control follows `index`; the strip's tag and
// indexes past the last parameter have none.
int32_t rowOf(int32_t index)
{
    for (int32_t row = 0; row < static_cast<int32_t>(std::size(AscarellLayout::controls)); ++row) {
        if (AscarellLayout::controls[row].tag == index) {
            return row;
        }
    }
    return -1;
}

static_assert(AscarellParam::count <= EditorBase::kParameterLimit, "the editor follows every parameter");
static_assert(AscarellLayout::stripButton.tag >= AscarellParam::count, "the strip changes no parameter");

}  // namespace

AscarellEditor::AscarellEditor(AscarellCompressor* owner, const ArtworkTable& table)
    : PictureEditor(owner, table, AscarellArtwork::background.id)
{
}

void AscarellEditor::buildViews()
{
    for (size_t row = 0; row < std::size(controls); ++row) {
        const LayoutControl& layout = AscarellLayout::controls[row];
        controls[row] = addLayoutControl(*frameWindow, this, artwork, layout, parameterValue(layout.tag));
    }

    const LayoutPlace& at = AscarellLayout::textDisplay;
    const LayoutPicture& inset = AscarellArtwork::textDisplay;
    textDisplay = addTextDisplay(*frameWindow, artwork, inset,
                                 Rect{at.left, at.top, at.left + inset.width, at.top + inset.imageHeight}, kTextColor);
    textDisplay->setValueToText(idleDisplayText);

    addLayoutControl(*frameWindow, this, artwork, AscarellLayout::stripButton, 0.0f);
}

// The control shows the value; a knob's value is also named in the text
// display, a switch only flips its picture.
void AscarellEditor::showParameter(int32_t index, float value)
{
    const int32_t row = rowOf(index);
    if (!isOpen() || row < 0) {
        return;
    }
    Control* control = controls[row];
    control->setValue(value);
    frameWindow->redrawViewNow(control);
    if (AscarellLayout::controls[row].kind == LayoutControlKind::knob) {
        textDisplay->setValue(value);
        textDisplay->setValueToText(ascarellValueText(index));
        frameWindow->redrawViewNow(textDisplay);
    }
}

}  // namespace fendwick

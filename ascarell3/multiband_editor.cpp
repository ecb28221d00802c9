// The three-band plug-ins' editor.
#include "multiband_editor.h"

#include "ascarell3_tables.h"
#include "editor_texts.h"
#include "frame.h"
#include "layout_controls.h"
#include "multiband_compressor.h"
#include "param_text_display.h"

namespace fendwick {

namespace {

constexpr Color kBandTextColor{102, 255, 255, 0};
constexpr Color kValueFieldColor{91, 107, 115, 0};

using Texts = EditorTexts<kAscarell3ParameterRows>;

// Index of the entry of `rows` that follows parameter `index`, or -1.
template <class Row, size_t Count>
int32_t findTag(const Row (&rows)[Count], int32_t index)
{
    for (size_t i = 0; i < Count; ++i) {
        if (rows[i].tag == index) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

// The band whose text names parameter `index`: its knee, threshold, ratio,
// attack and release; -1 for the others.
int32_t bandTextOf(int32_t index)
{
    if (index >= Ascarell3Param::hiKnee && index <= Ascarell3Param::loKnee) {
        return index - Ascarell3Param::hiKnee;
    }
    if (index < Ascarell3Param::hiThresh || index >= Ascarell3Param::count) {
        return -1;
    }
    const int32_t offset = (index - Ascarell3Param::hiThresh) % BandParam::count;
    return offset <= BandParam::release ? (index - Ascarell3Param::hiThresh) / BandParam::count : -1;
}

Rect rectOf(const LayoutArea& area) { return Rect{area.left, area.top, area.right, area.bottom}; }

static_assert(Ascarell3Param::count <= EditorBase::kParameterLimit, "the editor follows every parameter");
static_assert(std::size(Ascarell3Layout::controls) == Ascarell3Param::count, "one control per parameter");
static_assert(Ascarell3Layout::panelButton.tag >= Ascarell3Param::count, "the plate changes no parameter");

}  // namespace

MultibandEditor::MultibandEditor(MultibandCompressor* owner, const ArtworkTable& table)
    : PictureEditor(owner, table, Ascarell3Artwork::background.id)
{
}

void MultibandEditor::buildViews()
{
    for (size_t row = 0; row < std::size(controls); ++row) {
        const LayoutControl& layout = Ascarell3Layout::controls[row];
        controls[row] = addLayoutControl(*frameWindow, this, artwork, layout, parameterValue(layout.tag));
    }
    for (int32_t band = 0; band < kMultibandBandCount; ++band) {
        bandTexts[band] = addTextDisplay(*frameWindow, artwork, Ascarell3Artwork::bandDisplay,
                                         rectOf(Ascarell3Layout::bandTexts[band]), kBandTextColor);
        bandTexts[band]->setValueToText(idleDisplayText);
    }
    for (size_t field = 0; field < std::size(valueFields); ++field) {
        const int32_t tag = Ascarell3Layout::valueFields[field].tag;
        valueFields[field] = addTextDisplay(*frameWindow, artwork, Ascarell3Artwork::valueField,
                                            rectOf(Ascarell3Layout::valueFields[field].area), kValueFieldColor);
        valueFields[field]->setValueToText(Texts::of(tag));
        valueFields[field]->setValue(parameterValue(tag));
    }
    addLayoutControl(*frameWindow, this, artwork, Ascarell3Layout::panelButton, 0.0f);
}

int32_t MultibandEditor::movesAlong(int32_t index) const
{
    if (index == Ascarell3Param::loMid) {
        return Ascarell3Param::midHi;
    }
    return index == Ascarell3Param::midHi ? Ascarell3Param::loMid : -1;
}

// The control shows the value; a band knob's value is also named in its
// band's text, and the crossover, input and output knobs have a field of
// their own. Switches only flip their picture.
void MultibandEditor::showParameter(int32_t index, float value)
{
    const int32_t row = findTag(Ascarell3Layout::controls, index);
    if (!isOpen() || row < 0) {
        return;
    }
    Control* control = controls[row];
    control->setValue(value);
    frameWindow->redrawViewNow(control);

    ParamTextDisplay* text = nullptr;
    const int32_t band = bandTextOf(index);
    const int32_t field = findTag(Ascarell3Layout::valueFields, index);
    if (band >= 0) {
        text = bandTexts[band];
    } else if (field >= 0) {
        text = valueFields[field];
    }
    if (text != nullptr) {
        text->setValue(value);
        text->setValueToText(Texts::of(index));
        frameWindow->redrawViewNow(text);
    }
}

}  // namespace fendwick

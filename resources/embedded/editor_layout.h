// The terms an editor's layout is written in: which picture a control shows,
// where it sits and which parameter it follows. The artwork program paints
// the pictures at these sizes and the editors place them by the same rows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace fendwick {

// A bitmap of a product line: its resource id, the size of one image in
// pixels and how many images are stacked vertically in it.
struct LayoutPicture {
    int32_t id;
    int32_t width;
    int32_t imageHeight;
    int32_t images;
};

// Top left corner of a picture in the editor, in pixels.
struct LayoutPlace {
    int32_t left;
    int32_t top;
};

// A rectangle of the editor in pixels: left and top inside, right and bottom
// just outside.
struct LayoutArea {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// Film-strip knobs turn through their images; on/off switches show one of
// two; a multi-position switch has one click zone per image, left to right.
enum class LayoutControlKind : int32_t { knob, button, positions };

// A control of an editor. Its rectangle is one image of its picture placed
// at `place`; the label is painted on the background.
struct LayoutControl {
    int32_t tag;  // the parameter it follows
    LayoutControlKind kind;
    LayoutPicture picture;
    LayoutPlace place;
    const char* label;
};

// A gain meter's bar hangs from the top, a level meter's stands on the bottom.
enum class LayoutMeterKind : int32_t { gain, level };

// A meter of an editor: the display value it reads and its picture at `place`.
struct LayoutMeter {
    int32_t displayValue;
    LayoutMeterKind kind;
    LayoutPicture picture;
    LayoutPlace place;
};

// A constant array of layout rows, for layouts whose builds have different
// counts of them.
template <class Row>
struct LayoutRows {
    const Row* first;
    int32_t count;

    template <int32_t Count>
    constexpr LayoutRows(const Row (&rows)[Count]) : first(rows), count(Count)
    {
    }
    // Rows a layout assembles from repeated parts, such as the bands of a
    // three-band editor.
    template <size_t Count>
    constexpr LayoutRows(const std::array<Row, Count>& rows) : first(rows.data()), count(static_cast<int32_t>(Count))
    {
    }
    constexpr const Row* begin() const { return first; }
    constexpr const Row* end() const { return first + count; }
    constexpr const Row& operator[](int32_t i) const { return first[i]; }
};

// The colour of a value field's text, red, green and blue.
struct LayoutColour {
    int32_t red;
    int32_t green;
    int32_t blue;
};

// The grey blue that value fields write in, dark on their light pictures.
constexpr LayoutColour kValueFieldText{91, 107, 115};

// A value field: the parameter it names in units, over its picture, in its
// text colour. The fields of the main knobs may carry a dark shadow beneath
// their text.
struct LayoutValueField {
    int32_t tag;
    LayoutArea area;
    LayoutPicture picture;
    bool shadow;
    LayoutColour text = kValueFieldText;
};

// Everything the editor of a character line places: its meters, controls
// and value fields, made in the order given, and the product plate last.
struct CharacterEditorLayout {
    LayoutPicture background;
    LayoutRows<LayoutMeter> meters;
    LayoutRows<LayoutControl> controls;
    LayoutRows<LayoutValueField> fields;
    LayoutControl plate;  // its tag lies past the last parameter: it turns only its own picture
};

}  // namespace fendwick

// Controls and text displays made from layout rows.
#include "layout_controls.h"

#include "bitmap.h"
#include "film_strip_knob.h"
#include "frame.h"
#include "multi_position_switch.h"
#include "on_off_button.h"
#include "param_text_display.h"

namespace fendwick {

namespace {

// Every editor writes its values in the same face, left to the display to centre.
constexpr int32_t kTextFontIndex = 5;

}  // namespace

Control* addLayoutControl(Frame& frame, ControlListener* listener, const ArtworkTable& artwork,
                          const LayoutControl& row, float value)
{
    auto* bitmap = new Bitmap(artwork, row.picture.id);
    const int32_t images = row.picture.images;
    const int32_t imageHeight = bitmap->height() / images;
    const LayoutPlace& at = row.place;
    const Rect size{at.left, at.top, at.left + bitmap->width(), at.top + imageHeight};
    Control* control = nullptr;
    switch (row.kind) {
    case LayoutControlKind::knob:
        control = new FilmStripKnob(size, listener, row.tag, images, imageHeight, bitmap, Point{});
        break;
    case LayoutControlKind::button:
        control = new OnOffButton(size, listener, row.tag, imageHeight, bitmap, Point{});
        break;
    case LayoutControlKind::positions:
        control = new MultiPositionSwitch(size, listener, row.tag, images, imageHeight, images, bitmap, Point{});
        break;
    }
    bitmap->release();
    control->setValue(value);
    frame.addView(control);
    return control;
}

ParamTextDisplay* addTextDisplay(Frame& frame, const ArtworkTable& artwork, const LayoutPicture& inset,
                                 const Rect& area, const Color& fontColor)
{
    auto* display = new ParamTextDisplay(area, nullptr, 0);
    display->setFontIndex(kTextFontIndex);
    display->setTextStyle(0);
    display->setFontColor(fontColor);
    auto* picture = new Bitmap(artwork, inset.id);
    display->setBackground(picture);
    picture->release();
    frame.addView(display);
    return display;
}

}  // namespace fendwick

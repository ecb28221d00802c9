// A text field that shows a value as text over a picture or a plain box.
#include "param_text_display.h"

#include "bitmap.h"

#include <charconv>

namespace fendwick {
namespace {

constexpr size_t textCapacity = 256;

// "%2.2f" without the locale's decimal comma.
void formatTwoDecimals(float value, char* out, size_t capacity)
{
    if (capacity == 0)
        return;
    const auto result = std::to_chars(out, out + capacity - 1, value, std::chars_format::fixed, 2);
    *(result.ec == std::errc() ? result.ptr : out) = '\0';
}

bool hasBevel(int32_t style)
{
    return (style & (TextDisplayStyle::raisedBevel | TextDisplayStyle::loweredBevel)) != 0;
}

}  // namespace

ParamTextDisplay::ParamTextDisplay(const Rect& size, Bitmap* background, int32_t style)
    : Control(size, nullptr, 0, background), style_(style)
{
    if ((style_ & TextDisplayStyle::noDrawing) != 0)
        setDirty(false);
}

void ParamTextDisplay::text(char* out, size_t capacity) const
{
    if (capacity == 0)
        return;
    out[0] = '\0';
    if (valueToTextWithData_ != nullptr)
        valueToTextWithData_(value(), out, capacity, userData_);
    else if (valueToText_ != nullptr)
        valueToText_(value(), out, capacity);
    else
        formatTwoDecimals(value(), out, capacity);
    out[capacity - 1] = '\0';
}

void ParamTextDisplay::draw(DrawContext& context)
{
    const float drawn = value();
    char shown[textCapacity];
    text(shown, sizeof shown);
    markDrawn(drawn);
    if ((style_ & TextDisplayStyle::noDrawing) != 0)
        return;
    const Rect& size = viewSize();
    if (background() != nullptr) {
        drawBackground(context, backgroundOffset());
    } else if (!transparency()) {
        context.setFillColor(backColor_);
        context.fillRect(size);
        if (!hasBevel(style_)) {
            context.setFrameColor(frameColor_);
            context.drawRect(size);
        }
    }
    if (hasBevel(style_))
        drawFrame(context);
    if ((style_ & TextDisplayStyle::noText) != 0 || shown[0] == '\0')
        return;
    context.setFont(fontIndex_, 0, textStyle_);
    if ((style_ & TextDisplayStyle::shadowText) != 0) {
        context.setFontColor(shadowColor_);
        context.drawString(shown, Rect{size.left + 1, size.top + 1, size.right + 1, size.bottom + 1}, false,
                           alignment_);
    }
    context.setFontColor(fontColor_);
    context.setFillColor(backColor_);
    context.drawString(shown, size, !textTransparent_, alignment_);
}

// The bevel: one colour on the left and top edges, the other on the right
// and bottom.
void ParamTextDisplay::drawFrame(DrawContext& context) const
{
    const Rect& size = viewSize();
    const bool raised = (style_ & TextDisplayStyle::raisedBevel) != 0;
    context.setFrameColor(raised ? backColor_ : frameColor_);
    context.moveTo(Point{size.left, size.bottom});
    context.lineTo(Point{size.left, size.top});
    context.lineTo(Point{size.right, size.top});
    context.setFrameColor(raised ? frameColor_ : backColor_);
    context.lineTo(Point{size.right, size.bottom});
    context.lineTo(Point{size.left, size.bottom});
}

void ParamTextDisplay::setFontIndex(int32_t index)
{
    if (index != fontIndex_) {
        fontIndex_ = index;
        setDirty(true);
    }
}

void ParamTextDisplay::setFontColor(Color color)
{
    if (color != fontColor_) {
        fontColor_ = color;
        setDirty(true);
    }
}

void ParamTextDisplay::setBackColor(Color color)
{
    if (color != backColor_) {
        backColor_ = color;
        setDirty(true);
    }
}

void ParamTextDisplay::setFrameColor(Color color)
{
    if (color != frameColor_) {
        frameColor_ = color;
        setDirty(true);
    }
}

void ParamTextDisplay::setShadowColor(Color color)
{
    if (color != shadowColor_) {
        shadowColor_ = color;
        setDirty(true);
    }
}

void ParamTextDisplay::setAlignment(int32_t alignment)
{
    if (alignment != alignment_) {
        alignment_ = alignment;
        setDirty(true);
    }
}

void ParamTextDisplay::setValueToTextWithData(ValueToTextWithData function, void* userData)
{
    valueToTextWithData_ = function;
    userData_ = userData;
}

void ParamTextDisplay::setValueToText(ValueToText function) { valueToText_ = function; }

void ParamTextDisplay::setStyle(int32_t style)
{
    if (style != style_) {
        style_ = style;
        setDirty(true);
    }
}

void ParamTextDisplay::setTextStyle(int32_t style)
{
    if (style != textStyle_) {
        textStyle_ = style;
        setDirty(true);
    }
}

}  // namespace fendwick

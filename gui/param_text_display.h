// A text field that shows a value as text over a picture or a plain box.
#pragma once

#include "color.h"
#include "color_table.h"
#include "control.h"
#include "draw_context.h"

#include <cstddef>
#include <cstdint>

namespace fendwick {

// Writes the text of a value into `text`, at most `capacity` bytes with
// the terminating zero.
using ValueToText = void (*)(float value, char* text, size_t capacity);
using ValueToTextWithData = void (*)(float value, char* text, size_t capacity, void* userData);

// Style bits of a text display.
namespace TextDisplayStyle {
constexpr int32_t shadowText = 4;
// Raised bevel: light (background colour) left and top edges.
constexpr int32_t raisedBevel = 128;
constexpr int32_t loweredBevel = 256;
constexpr int32_t noText = 2048;
constexpr int32_t noDrawing = 4096;
}  // namespace TextDisplayStyle

// Takes no input. Without a value-to-text function it shows the value as
// "%2.2f" ("0.50"), whatever the locale. Each appearance setter marks the
// display dirty when it changes something.
class ParamTextDisplay : public Control {
public:
    ParamTextDisplay(const Rect& size, Bitmap* background, int32_t style);

    void draw(DrawContext& context) override;

    virtual void setFontIndex(int32_t index);
    virtual void setFontColor(Color color);
    virtual void setBackColor(Color color);
    virtual void setFrameColor(Color color);
    virtual void setShadowColor(Color color);
    virtual void setAlignment(int32_t alignment);
    virtual void setValueToTextWithData(ValueToTextWithData function, void* userData);
    virtual void setValueToText(ValueToText function);
    virtual void setStyle(int32_t style);
    // FontStyle bits; bold at creation.
    virtual void setTextStyle(int32_t style);
    // Opaque text (false) fills its box with the background colour.
    virtual void setTextTransparency(bool transparent) { textTransparent_ = transparent; }

    int32_t fontIndex() const { return fontIndex_; }
    int32_t alignment() const { return alignment_; }
    int32_t style() const { return style_; }
    int32_t textStyle() const { return textStyle_; }
    Color fontColor() const { return fontColor_; }
    Color shadowColor() const { return shadowColor_; }

    // The text the display shows for its current value.
    void text(char* out, size_t capacity) const;

private:
    void drawFrame(DrawContext& context) const;

    ValueToText valueToText_ = nullptr;
    ValueToTextWithData valueToTextWithData_ = nullptr;
    void* userData_ = nullptr;
    int32_t alignment_ = TextAlign::center;
    int32_t style_;
    int32_t fontIndex_ = 3;
    int32_t textStyle_ = 1;
    Color fontColor_ = whiteColor;
    Color backColor_ = blackColor;
    Color frameColor_ = blackColor;
    Color shadowColor_ = redColor;
    bool textTransparent_ = true;
};

}  // namespace fendwick

// The two meters of the character editors: a gain bar hanging from the top
// and a level bar standing on the bottom, drawn over the meter's picture.
#pragma once

#include "view.h"

#include <cstdint>

namespace fendwick {

class Bitmap;
class MeterSource;

// A view the size of its picture that shows one reading of `source`. Each
// draw paints the picture and the bar in a picture of its own and copies it
// to the frame at once, so a redraw never shows the bar half drawn. The
// bar spans the picture's width and is filled, then outlined.
class MeterView : public View {
public:
    // Takes a reference to `picture`; `source` outlives the view.
    MeterView(const Rect& size, const MeterSource* source, int32_t index, Bitmap* picture);

    void draw(DrawContext& context) override;

protected:
    ~MeterView() override;

private:
    // The row where the bar ends for a reading: gain bars run from row 0
    // down to it, level bars from it down to the bottom row; -1 when no bar
    // shows.
    virtual int32_t barEdge(float reading) const = 0;
    virtual bool hangsFromTop() const = 0;

    const MeterSource* source_;
    int32_t index_;
    Bitmap* picture_;
};

// Gain: 0 dB shows nothing, each dB of reduction 2.05 rows more, 40 dB and
// beyond the full 81 rows.
class GainMeter : public MeterView {
public:
    using MeterView::MeterView;

private:
    int32_t barEdge(float reading) const override;
    bool hangsFromTop() const override { return true; }
};

// Level: 0 dBFS fills the meter, each 20 dB lower takes 41 rows off the bar,
// -40 dBFS and below shows nothing.
class LevelMeter : public MeterView {
public:
    using MeterView::MeterView;

private:
    int32_t barEdge(float reading) const override;
    bool hangsFromTop() const override { return false; }
};

}  // namespace fendwick

// Meter bars over their pictures.
#include "meter_view.h"

#include "bitmap.h"
#include "color.h"
#include "meter_source.h"
#include "offscreen_context.h"

#include <cmath>

namespace fendwick {

namespace {

constexpr Color kBarFill{0, 166, 166, 0};
constexpr Color kBarOutline{0, 255, 255, 0};

// Rows of the meters' scale: 82 rows for 40 dB.
constexpr int32_t kScaleRows = 82;
constexpr int32_t kLastBarRow = 81;

}  // namespace

MeterView::MeterView(const Rect& size, const MeterSource* source, int32_t index, Bitmap* picture)
    : View(size), source_(source), index_(index), picture_(picture)
{
    if (picture_ != nullptr) {
        picture_->takeReference();
    }
}

MeterView::~MeterView()
{
    if (picture_ != nullptr) {
        picture_->release();
    }
}

void MeterView::draw(DrawContext& context)
{
    OffscreenContext offscreen(context, picture_);
    const int32_t edge = barEdge(source_->meterReading(index_));
    if (edge >= 0) {
        const int32_t right = offscreen.width() - 1;
        const Rect bar = hangsFromTop() ? Rect{0, 0, right, edge} : Rect{0, edge, right, kLastBarRow};
        offscreen.setFillColor(kBarFill);
        offscreen.setFrameColor(kBarOutline);
        offscreen.fillRect(bar);
        offscreen.drawRect(bar);
    }
    offscreen.copyTo(context, viewSize());
    setDirty(false);
}

int32_t GainMeter::barEdge(float reading) const
{
    float dB = -40.0f;
    if (reading > 0.99f) {
        dB = 0.0f;
    } else if (reading > 0.01f) {
        dB = 20.0f * std::log10(reading);
    }
    const auto rows = static_cast<int32_t>(-2.05f * dB);
    if (rows >= kLastBarRow) {
        return kLastBarRow;
    }
    return rows >= 1 ? rows : -1;
}

int32_t LevelMeter::barEdge(float reading) const
{
    float drop = 1.0f;  // of the scale, from the top
    if (reading >= 1.0f) {
        drop = 0.0f;
    } else if (reading > 0.01f) {
        drop = -0.5f * std::log10(reading);
    }
    const auto edge = static_cast<int32_t>(static_cast<float>(kScaleRows) * drop);
    return edge < kScaleRows ? edge : -1;
}

}  // namespace fendwick

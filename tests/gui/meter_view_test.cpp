// The gain and level meters: how far their bars reach for a reading, and
// that they draw their picture beneath.
#include "bitmap.h"
#include "meter_source.h"
#include "meter_view.h"
#include "test_bitmaps.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace fendwick {
namespace {

constexpr uint32_t kOutline = 0x00ffffu;
constexpr uint32_t kFill = 0x00a6a6u;

class FixedReading final : public MeterSource {
public:
    float meterReading(int32_t index) const override { return index == 15 ? reading : -1.0f; }
    float reading = 0.0f;
};

// The rows of the meter's middle column, from the top: 'o' outline, 'f'
// fill, '.' picture, '?' anything else.
template <class Meter>
std::string column(float reading)
{
    HeadlessFrame f{Rect{0, 0, 40, 100}};
    FixedReading source;
    source.reading = reading;
    auto* picture = new Bitmap(testart::artwork(), testart::meterPicture);
    f.add(new Meter(Rect{10, 5, 23, 87}, &source, 15, picture));
    picture->release();
    f.frame->idle();
    std::string rows;
    for (int32_t y = 5; y < 87; ++y) {
        const uint32_t pixel = f.frame->surface().row(y)[16];
        rows += pixel == kOutline ? 'o' : pixel == kFill ? 'f' : pixel == testart::meterPixel ? '.' : '?';
    }
    return rows;
}

// A bar covering rows first..last (outlined at both ends) on the picture.
std::string bar(int32_t first, int32_t last)
{
    std::string rows(82, '.');
    for (int32_t y = first; y <= last; ++y) {
        rows[static_cast<size_t>(y)] = y == first || y == last ? 'o' : 'f';
    }
    return rows;
}

TEST(MeterView, GainBarsHangFromTheTopByTheReduction)
{
    struct Case {
        float reading;
        int32_t lastRow;  // -1: no bar
    };
    const Case cases[] = {
        {1.0f, -1}, {0.995f, -1}, {0.98f, -1},   // under one row of reduction
        {0.5f, 12},                              // 6.02 dB
        {0.1f, 41}, {0.0101f, 81}, {0.01f, 81},  // 40 dB and beyond fill the scale
        {0.0f, 81},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(column<GainMeter>(c.reading), c.lastRow < 0 ? std::string(82, '.') : bar(0, c.lastRow))
            << c.reading;
    }
}

TEST(MeterView, LevelBarsStandOnTheBottomByTheLevel)
{
    struct Case {
        float reading;
        int32_t firstRow;  // -1: no bar
    };
    const Case cases[] = {
        {1.0f, 0}, {1.5f, 0},   // full scale and above fill it
        {0.5f, 12},             // -6.02 dB
        {0.1f, 41},             // -20 dB takes 41 rows
        {0.0101f, 81},          // just above -40 dB: one row
        {0.01f, -1}, {0.0f, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(column<LevelMeter>(c.reading), c.firstRow < 0 ? std::string(82, '.') : bar(c.firstRow, 81))
            << c.reading;
    }
}

}  // namespace
}  // namespace fendwick

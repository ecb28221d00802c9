// Knob frames: the pointer's travel and where the value arc starts.
#include "knob_painter.h"

#include "shape.h"

#include <gtest/gtest.h>

namespace fendwick::artwork {
namespace {

TEST(KnobPainter, PointerTravelsClockwiseThroughTheTop)
{
    EXPECT_FLOAT_EQ(knobAngle(0.0f), 225.0f);
    EXPECT_FLOAT_EQ(knobAngle(0.5f), 90.0f);
    EXPECT_FLOAT_EQ(knobAngle(1.0f), -45.0f);
}

// How strongly the pixel on the value arc's circle at angleDeg shows the arc colour.
float arcLight(const Canvas& frame, float angleDeg)
{
    const float centre = 25.5f;
    float x = 0.0f;
    float y = 0.0f;
    // The 51-pixel knob's groove runs 23 pixels from the centre.
    pointAt(centre, centre, 23.1f, angleDeg, x, y);
    return frame.at(static_cast<int>(x), static_cast<int>(y)).g;
}

TEST(KnobPainter, ArcGrowsFromTheStartOrFromTheTopWhenBipolar)
{
    const Theme theme = ascarellTheme();
    const Canvas plain = paintKnobFrame({51, theme.accent, false}, theme, 0.75f);
    const Canvas bipolar = paintKnobFrame({51, theme.accent, true}, theme, 0.75f);
    // 0.75 points at 22.5 degrees: both arcs pass 60 degrees, only the plain one 160.
    EXPECT_GT(arcLight(plain, 60.0f), 0.6f);
    EXPECT_GT(arcLight(bipolar, 60.0f), 0.6f);
    EXPECT_GT(arcLight(plain, 160.0f), 0.6f);
    EXPECT_LT(arcLight(bipolar, 160.0f), 0.3f);
    EXPECT_LT(arcLight(plain, 0.0f), 0.3f);
}

TEST(KnobPainter, FramesSitOnThePanelAndStackInValueOrder)
{
    const Theme theme = tolverinTheme();
    const Canvas strip = paintKnobStrip({32, theme.accent, false}, theme);
    ASSERT_EQ(strip.width(), 32);
    ASSERT_EQ(strip.height(), 32 * knobFrameCount);
    for (const int frame : {0, 40, 80}) {
        const Colour corner = strip.at(0, frame * 32);
        EXPECT_FLOAT_EQ(corner.r, theme.panel.r);
        EXPECT_FLOAT_EQ(corner.b, theme.panel.b);
    }
    const Canvas last = paintKnobFrame({32, theme.accent, false}, theme, 1.0f);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ASSERT_FLOAT_EQ(strip.at(x, 80 * 32 + y).g, last.at(x, y).g);
        }
    }
}

}  // namespace
}  // namespace fendwick::artwork

// The backend's millisecond clock and sleep.
#include "platform_window.h"

#include <gtest/gtest.h>

namespace fendwick {
namespace {

TEST(X11Clock, SleepLastsAtLeastTheAskedTimeOnTheTickCount)
{
    const uint32_t before = tickCountMs();
    sleepMs(25);
    const uint32_t after = tickCountMs();
    // Unsigned difference, so a wrap of the counter in between still counts.
    EXPECT_GE(static_cast<uint32_t>(after - before), 25u);
}

TEST(X11Clock, TickCountNeverGoesBack)
{
    uint32_t last = tickCountMs();
    for (int i = 0; i < 1000; ++i) {
        const uint32_t now = tickCountMs();
        EXPECT_LT(static_cast<uint32_t>(now - last), 1000u);
        last = now;
    }
}

}  // namespace
}  // namespace fendwick

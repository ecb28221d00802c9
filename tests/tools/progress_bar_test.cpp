// The progress bar stays quiet for short work and draws, then clears, for long work.
#include "fendwick/progress_bar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace fendwick {
namespace {

std::string written(std::FILE* file)
{
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        text += static_cast<char>(c);
    }
    return text;
}

TEST(ProgressBar, ShortWorkAndDisabledBarsDrawNothing)
{
    std::FILE* out = std::tmpfile();
    {
        ProgressBar quick("rendering", 100, true, out);
        for (uint64_t done = 0; done <= 100; ++done) {
            quick.update(done);
        }
        ProgressBar disabled("rendering", 100, false, out);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        disabled.update(1);
    }
    EXPECT_EQ(written(out), "");
    std::fclose(out);
}

TEST(ProgressBar, WorkLookingLongerThanASecondDrawsAndClearsItsLine)
{
    std::FILE* out = std::tmpfile();
    {
        ProgressBar slow("rendering", 100, true, out);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        slow.update(10);
    }
    const std::string text = written(out);
    EXPECT_EQ(text.rfind("\rrendering [###...", 0), 0u) << text;
    EXPECT_NE(text.find("] 10 %"), std::string::npos) << text;
    // Finishing blanks the line and returns to its start.
    EXPECT_EQ(text.back(), '\r');
    std::fclose(out);
}

}  // namespace
}  // namespace fendwick

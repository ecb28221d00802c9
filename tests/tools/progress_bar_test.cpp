// The progress bar stays quiet for short work and draws, then clears, for
// long work, on a clock the tests move by hand.
#include "progress_bar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace fendwick {
namespace {

using std::chrono::milliseconds;

// Time stands still until a test advances it.
class ManualClock {
public:
    ProgressBar::Clock reader()
    {
        return [this] { return now_; };
    }
    void advance(milliseconds step) { now_ += step; }

private:
    std::chrono::steady_clock::time_point now_{};
};

// What a bar wrote to its stream, read once the bar is gone.
class CapturedStream {
public:
    CapturedStream() : file_(std::tmpfile()) {}
    ~CapturedStream() { std::fclose(file_); }
    CapturedStream(const CapturedStream&) = delete;
    CapturedStream& operator=(const CapturedStream&) = delete;

    std::FILE* file() const { return file_; }
    std::string text() const
    {
        std::rewind(file_);
        std::string text;
        for (int c = std::fgetc(file_); c != EOF; c = std::fgetc(file_)) {
            text += static_cast<char>(c);
        }
        return text;
    }

private:
    std::FILE* file_;
};

size_t countOf(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(ProgressBar, ShortWorkAndDisabledBarsDrawNothing)
{
    CapturedStream out;
    ManualClock clock;
    {
        ProgressBar quick("rendering", 100, true, out.file(), clock.reader());
        for (uint64_t done = 0; done <= 100; ++done) {
            clock.advance(milliseconds(1));
            quick.update(done);
        }
        ProgressBar disabled("rendering", 100, false, out.file(), clock.reader());
        ProgressBar empty("rendering", 0, true, out.file(), clock.reader());
        clock.advance(milliseconds(5000));
        disabled.update(1);
        empty.update(0);
    }
    EXPECT_EQ(out.text(), "");
}

TEST(ProgressBar, AppearsOnlyAfterAQuarterSecondForWorkLookingLongerThanASecond)
{
    struct Case {
        int elapsedMs;
        uint64_t done;
        bool drawn;
    };
    const Case cases[] = {
        {200, 1, false},   // far from done, but too early to tell
        {300, 40, false},  // on course to end within 0.75 s
        {300, 0, false},   // no measure of the pace yet
        {300, 10, true},   // on course for 3 s
        {990, 98, true},   // just over a second in all
    };
    for (const Case& c : cases) {
        CapturedStream out;
        ManualClock clock;
        {
            ProgressBar bar("rendering", 100, true, out.file(), clock.reader());
            clock.advance(milliseconds(c.elapsedMs));
            bar.update(c.done);
        }
        EXPECT_EQ(!out.text().empty(), c.drawn) << c.elapsedMs << " ms, " << c.done << " done";
    }
}

TEST(ProgressBar, WorkLookingLongerThanASecondDrawsAndClearsItsLine)
{
    CapturedStream out;
    ManualClock clock;
    {
        ProgressBar slow("rendering", 100, true, out.file(), clock.reader());
        clock.advance(milliseconds(300));
        slow.update(10);
    }
    const std::string text = out.text();
    EXPECT_EQ(text.rfind("\rrendering [###...", 0), 0u) << text;
    EXPECT_NE(text.find("] 10 %  0.3 s"), std::string::npos) << text;
    // Finishing blanks the line and returns to its start.
    EXPECT_EQ(text.back(), '\r');
}

TEST(ProgressBar, RedrawsAtMostTenTimesASecond)
{
    CapturedStream out;
    ManualClock clock;
    {
        ProgressBar bar("rendering", 1000, true, out.file(), clock.reader());
        clock.advance(milliseconds(300));
        // A second of updates every 20 ms after the first drawing.
        for (uint64_t done = 10; done <= 60; ++done) {
            bar.update(done);
            clock.advance(milliseconds(20));
        }
    }
    // The first drawing and one every 100 ms after it.
    EXPECT_EQ(countOf(out.text(), "rendering ["), 11u) << out.text();
}

}  // namespace
}  // namespace fendwick

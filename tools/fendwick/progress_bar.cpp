// Drawing the progress line.
#include "progress_bar.h"

#include "number_text.h"

#include <unistd.h>
#include <utility>

namespace fendwick {
namespace {

constexpr int kBarWidth = 30;
// The bar appears once the work has run this long and looks like lasting a second.
constexpr double kFirstLookSeconds = 0.25;
constexpr double kWorthShowingSeconds = 1.0;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

ProgressBar::ProgressBar(std::string label, uint64_t total, bool enabled, std::FILE* out, Clock clock)
    : label_(std::move(label)), total_(total), enabled_(enabled && total > 0), out_(out), clock_(std::move(clock)),
      start_(clock_()), lastDraw_(start_)
{
}

ProgressBar::~ProgressBar()
{
    finish();
}

bool ProgressBar::standardErrorIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}

void ProgressBar::update(uint64_t done)
{
    if (!enabled_) {
        return;
    }
    const auto now = clock_();
    if (now - lastDraw_ < kRedrawInterval) {
        return;
    }
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    if (!shown_) {
        const double expected = done > 0 ? elapsed * static_cast<double>(total_) / static_cast<double>(done) : 0.0;
        if (elapsed < kFirstLookSeconds || expected < kWorthShowingSeconds) {
            return;
        }
    }
    lastDraw_ = now;
    draw(done, elapsed);
}

void ProgressBar::draw(uint64_t done, double elapsedSeconds)
{
    const double fraction = static_cast<double>(done < total_ ? done : total_) / static_cast<double>(total_);
    const int filled = static_cast<int>(fraction * kBarWidth);
    std::string bar(static_cast<size_t>(filled), '#');
    bar.append(static_cast<size_t>(kBarWidth - filled), '.');
    const std::string line = "\r" + label_ + " [" + bar + "] " + formatFixed(fraction * 100.0, 0) + " %  " +
                             formatFixed(elapsedSeconds, 1) + " s ";
    std::fputs(line.c_str(), out_);
    std::fflush(out_);
    shown_ = true;
}

void ProgressBar::finish()
{
    if (shown_) {
        // Blank the line so the summary starts clean.
        const std::string blank = "\r" + std::string(label_.size() + kBarWidth + 24, ' ') + "\r";
        std::fputs(blank.c_str(), out_);
        std::fflush(out_);
        shown_ = false;
    }
    enabled_ = false;
}

}  // namespace fendwick

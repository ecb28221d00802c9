// Speed of the X11 backend on the paths the editor's idle takes: presenting
// a knob's area, handing on an empty queue, polling the mouse.
#include "pixel_format.h"
#include "platform_window.h"
#include "test_display.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace fendwick {
namespace {

constexpr int32_t windowWidth = 200;
constexpr int32_t windowHeight = 150;
// A film-strip knob of the editors is 51 pixels square.
constexpr int32_t knobSize = 51;

class NullSink final : public WindowEventSink {
public:
    void paintArea(const Rect&) override {}
    void buttonDown(const Point&) override {}
    void wheelTurned(const Point&, float) override {}
    int32_t keyPressed(const KeyEvent&) override { return -1; }
    int32_t keyReleased(const KeyEvent&) override { return -1; }
};

// A display, a parent and a backend window in it, or the reason there is none.
struct Bench {
    Bench()
    {
        if (desk.isOpen()) {
            window = createPlatformWindow(desk.parentHandle(), windowWidth, windowHeight);
        }
        surface.resize(windowWidth, windowHeight);
        for (size_t i = 0; i < surface.pixels.size(); ++i) {
            surface.pixels[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFFu;
        }
    }
    bool skipped(benchmark::State& state)
    {
        if (window == nullptr) {
            state.SkipWithError("no X display (run under xvfb-run)");
            return true;
        }
        return false;
    }

    TestDisplay desk;
    std::unique_ptr<PlatformWindow> window;
    PixelSurface surface;
};

void presentArea(benchmark::State& state, const Rect& area)
{
    Bench bench;
    if (bench.skipped(state)) {
        return;
    }
    for (auto _ : state) {
        bench.window->present(bench.surface, area);
    }
    // The server has shown every image before the time is taken.
    bench.desk.sync();
    state.SetItemsProcessed(state.iterations() * area.width() * area.height());
}

void BM_PresentKnobArea(benchmark::State& state)
{
    presentArea(state, Rect{60, 40, 60 + knobSize, 40 + knobSize});
}
BENCHMARK(BM_PresentKnobArea);

void BM_PresentWholeWindow(benchmark::State& state)
{
    presentArea(state, Rect{0, 0, windowWidth, windowHeight});
}
BENCHMARK(BM_PresentWholeWindow);

void BM_ProcessEventsNothingWaiting(benchmark::State& state)
{
    Bench bench;
    if (bench.skipped(state)) {
        return;
    }
    NullSink sink;
    for (auto _ : state) {
        bench.window->processEvents(sink);
    }
}
BENCHMARK(BM_ProcessEventsNothingWaiting);

void BM_MouseStatePoll(benchmark::State& state)
{
    Bench bench;
    if (bench.skipped(state)) {
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench.window->mouseState());
    }
}
BENCHMARK(BM_MouseStatePoll);

// The converting path of screens whose masks differ from the surface's.
void BM_ConvertKnobAreaForSixteenBits(benchmark::State& state)
{
    const PixelFormat format(0xF800u, 0x07E0u, 0x001Fu, 16);
    std::vector<uint32_t> source(knobSize * knobSize, 0x123456u);
    std::vector<uint32_t> target(source.size());
    for (auto _ : state) {
        format.convertRow(source.data(), target.data(), static_cast<int32_t>(source.size()));
        benchmark::DoNotOptimize(target.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(source.size()));
}
BENCHMARK(BM_ConvertKnobAreaForSixteenBits);

}  // namespace
}  // namespace fendwick

BENCHMARK_MAIN();

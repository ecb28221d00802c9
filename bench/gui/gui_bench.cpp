// Speed of the toolkit's two hot paths: redrawing one 51 x 51 film-strip
// knob (blit plus present) and an idle with nothing to draw.
#include "bitmap.h"
#include "film_strip_knob.h"
#include "frame.h"
#include "embedded_bitmap.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace fendwick {
namespace {

constexpr int32_t knobStripId = 10003;
constexpr int32_t backgroundId = 10001;

struct Artwork {
    std::vector<uint8_t> strip;
    std::vector<uint8_t> background;
    EmbeddedBitmap entries[2];
};

const ArtworkTable& artwork()
{
    static const Artwork art = [] {
        Artwork a{};
        a.strip.resize(51 * 51 * 81 * 3);
        for (size_t i = 0; i < a.strip.size(); ++i)
            a.strip[i] = static_cast<uint8_t>(i * 7);
        a.background.resize(545 * 139 * 3, 0x40);
        a.entries[0] = EmbeddedBitmap{knobStripId, 51, 51 * 81, 24, nullptr, a.strip.data()};
        a.entries[1] = EmbeddedBitmap{backgroundId, 545, 139, 24, nullptr, a.background.data()};
        return a;
    }();
    // Made apart from the pictures, so that it points at their final place.
    static const ArtworkTable table{art.entries, 2};
    return table;
}

// A frame the size of the single-band editor with its ten controls' worth
// of knobs, painted once.
struct EditorLikeFrame {
    EditorLikeFrame() : frame(Frame::create(Rect{0, 0, 545, 139}, nullptr, nullptr))
    {
        Bitmap* background = new Bitmap(artwork(), backgroundId);
        frame->setBackground(background);
        background->release();
        Bitmap* strip = new Bitmap(artwork(), knobStripId);
        for (int32_t i = 0; i < 10; ++i) {
            auto* knob = new FilmStripKnob(Rect{i * 53, 25, i * 53 + 51, 76}, nullptr, i, 81, 51, strip, Point{});
            frame->addView(knob);
            knobs.push_back(knob);
        }
        strip->release();
        frame->idle();
    }

    std::unique_ptr<Frame> frame;
    std::vector<FilmStripKnob*> knobs;
};

void knobRedraw(benchmark::State& state)
{
    EditorLikeFrame editor;
    FilmStripKnob* knob = editor.knobs[6];
    float value = 0.0f;
    for (auto _ : state) {
        value = value >= 1.0f ? 0.0f : value + 0.0125f;
        knob->setValue(value);
        editor.frame->redrawViewNow(knob);
    }
}
BENCHMARK(knobRedraw);

void idleWithNothingDirty(benchmark::State& state)
{
    EditorLikeFrame editor;
    for (auto _ : state)
        editor.frame->idle();
}
BENCHMARK(idleWithNothingDirty);

}  // namespace
}  // namespace fendwick

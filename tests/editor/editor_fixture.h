// An effect with its editor on the headless window and a recording host: the
// fixture of the in-process editor tests and what they read off the frame.
#pragma once

#include "editor_base.h"
#include "editor_layout.h"
#include "effect_base.h"
#include "film_strip_knob.h"
#include "frame.h"
#include "headless_window.h"
#include "recording_host.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace fendwick {

// Any window handle serves the headless backend.
inline void* const kParentWindow = reinterpret_cast<void*>(0x2a);

// Derived fixtures make `effect` in their SetUp, after this one's. The knob
// mode is module-wide, so every test starts and ends circular.
class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* pointer = nullptr)
    {
        return effect->dispatch(opcode, index, value, pointer, 0.0f);
    }
    void open() { ASSERT_EQ(dispatch(EffectOpcode::editorOpen, 0, 0, kParentWindow), 1); }
    void idle() { dispatch(EffectOpcode::editorIdle); }
    // Asks the editor's rectangle before and after open: the whole background.
    void expectRectBeforeAndAfterOpen(int32_t width, int32_t height);

    Frame* frame() { return EditorBase::of(*effect)->frame(); }
    HeadlessWindow* window() { return HeadlessWindow::of(frame()->platformWindow()); }
    template <typename T>
    T* viewAt(int32_t index)
    {
        return dynamic_cast<T*>(frame()->view(index));
    }
    // The knobs and switches (on/off and multi-position) of the open frame
    // that carry `tag`.
    std::vector<Control*> controlsTagged(int32_t tag);
    template <typename T>
    T* controlFor(int32_t parameter)
    {
        const std::vector<Control*> found = controlsTagged(parameter);
        return found.size() == 1 ? dynamic_cast<T*>(found.front()) : nullptr;
    }
    FilmStripKnob* knobFor(int32_t parameter) { return controlFor<FilmStripKnob>(parameter); }
    // What the text display at view `index` shows.
    std::string textAt(int32_t index);
    // What the `count` text displays from view `first` on show.
    std::vector<std::string> textsFrom(int32_t first, int32_t count);
    // The values of parameters 0 to count - 1.
    std::vector<float> parameterValues(int32_t count);
    // The pixels the window last presented over `view`, row by row.
    std::vector<uint32_t> presentedPixels(const View* view);
    // Every view of the open frame lies inside its background and apart
    // from every other.
    void expectViewsApartInside(int32_t width, int32_t height);
    // View `index` covers one image of `picture` from `at`.
    void expectPlaced(int32_t index, const LayoutPlace& at, const LayoutPicture& picture);
    // The pointer steps through `steps` with the primary button pressed at
    // the first; the next idle delivers the press.
    void press(const std::vector<PointerStep>& steps);
    // A click with nothing moved between press and release.
    void click(const Point& at) { press({{MouseState::primary, at}, {0, at}}); }

    std::unique_ptr<EffectBase> effect;
};

// Opens, idles and closes the editor of `effect` a thousand times, changing
// one of its `parameterCount` parameters while it is open, and leaves it closed.
void openAndCloseAThousandTimes(EffectBase& effect, int32_t parameterCount);
// Centre of a view, in frame coordinates.
Point centreOf(const View* view);
// How many requests with this opcode for this index the host was sent.
int32_t requestsFor(int32_t opcode, int32_t index);

}  // namespace fendwick

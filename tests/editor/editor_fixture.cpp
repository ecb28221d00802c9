// The in-process editor tests' fixture and helpers.
#include "editor_fixture.h"

#include "knob_mode.h"
#include "multi_position_switch.h"
#include "on_off_button.h"
#include "param_text_display.h"
#include "rect_ops.h"

#include <algorithm>

namespace fendwick {

namespace {

bool overlap(const Rect& a, const Rect& b) { return !isEmptyRect(intersectRects(a, b)); }

}  // namespace

void EditorFixture::SetUp()
{
    RecordingHost::clear();
    setKnobMode(KnobMode::circular);
}

void EditorFixture::TearDown()
{
    effect.reset();
    setKnobMode(KnobMode::circular);
}

void EditorFixture::expectRectBeforeAndAfterOpen(int32_t width, int32_t height)
{
    for (int pass = 0; pass < 2; ++pass) {
        EditorRect* rect = nullptr;
        EXPECT_EQ(dispatch(EffectOpcode::editorGetRect, 0, 0, &rect), 1);
        ASSERT_NE(rect, nullptr);
        EXPECT_EQ(rect->top, 0);
        EXPECT_EQ(rect->left, 0);
        EXPECT_EQ(rect->bottom, height);
        EXPECT_EQ(rect->right, width);
        open();
    }
}

std::vector<Control*> EditorFixture::controlsTagged(int32_t tag)
{
    std::vector<Control*> found;
    for (int32_t i = 0; i < frame()->viewCount(); ++i) {
        View* view = frame()->view(i);
        auto* control = dynamic_cast<Control*>(view);
        const bool knobOrSwitch = dynamic_cast<FilmStripKnob*>(view) || dynamic_cast<OnOffButton*>(view) ||
                                  dynamic_cast<MultiPositionSwitch*>(view);
        if (knobOrSwitch && control->tag() == tag) {
            found.push_back(control);
        }
    }
    return found;
}

std::string EditorFixture::textAt(int32_t index)
{
    char text[128];
    viewAt<ParamTextDisplay>(index)->text(text, sizeof text);
    return text;
}

std::vector<std::string> EditorFixture::textsFrom(int32_t first, int32_t count)
{
    std::vector<std::string> texts;
    for (int32_t i = first; i < first + count; ++i) {
        texts.push_back(textAt(i));
    }
    return texts;
}

std::vector<float> EditorFixture::parameterValues(int32_t count)
{
    std::vector<float> values;
    for (int32_t p = 0; p < count; ++p) {
        values.push_back(effect->getParameter(p));
    }
    return values;
}

std::vector<uint32_t> EditorFixture::presentedPixels(const View* view)
{
    const Rect& r = view->viewSize();
    std::vector<uint32_t> pixels;
    for (int32_t y = r.top; y < r.bottom; ++y) {
        for (int32_t x = r.left; x < r.right; ++x) {
            pixels.push_back(window()->presentedPixel(x, y));
        }
    }
    return pixels;
}

void EditorFixture::expectViewsApartInside(int32_t width, int32_t height)
{
    for (int32_t i = 0; i < frame()->viewCount(); ++i) {
        const Rect& a = frame()->view(i)->viewSize();
        EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= width && a.bottom <= height) << i;
        for (int32_t j = i + 1; j < frame()->viewCount(); ++j) {
            EXPECT_FALSE(overlap(a, frame()->view(j)->viewSize())) << i << " and " << j;
        }
    }
}

void EditorFixture::expectPlaced(int32_t index, const LayoutPlace& at, const LayoutPicture& picture)
{
    const Rect& r = frame()->view(index)->viewSize();
    EXPECT_EQ(r.left, at.left) << index;
    EXPECT_EQ(r.top, at.top) << index;
    EXPECT_EQ(r.right - r.left, picture.width) << index;
    EXPECT_EQ(r.bottom - r.top, picture.imageHeight) << index;
}

void EditorFixture::press(const std::vector<PointerStep>& steps)
{
    window()->scriptPointer(steps);
    window()->queueButtonDown(steps.front().position);
}

Point centreOf(const View* view)
{
    const Rect& r = view->viewSize();
    return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void openAndCloseAThousandTimes(EffectBase& effect, int32_t parameterCount)
{
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(effect.dispatch(EffectOpcode::editorOpen, 0, 0, kParentWindow, 0.0f), 1);
        effect.dispatch(EffectOpcode::editorIdle, 0, 0, nullptr, 0.0f);
        effect.setParameter(i % parameterCount, 0.25f);
        effect.dispatch(EffectOpcode::editorClose, 0, 0, nullptr, 0.0f);
    }
}

int32_t requestsFor(int32_t opcode, int32_t index)
{
    return static_cast<int32_t>(
        std::count_if(RecordingHost::requests.begin(), RecordingHost::requests.end(),
                      [&](const RecordedRequest& r) { return r.opcode == opcode && r.index == index; }));
}

}  // namespace fendwick

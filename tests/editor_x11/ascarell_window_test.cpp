// The built ascarell library's editor inside a real X window: it opens as a
// child of the host's window, shows what the headless render shows, takes a
// mouse drag from XTest, and leaves nothing behind when it closes.
#include "ascarell_effect.h"
#include "editor_base.h"
#include "frame.h"
#include "headless_window.h"
#include "host_window_fixture.h"

#include <X11/Xutil.h>

#include <string>

namespace fendwick {
namespace {

intptr_t quietHost(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    return opcode == HostOpcode::version ? kInterfaceVersion : 0;
}

class HostWindow : public HostWindowFixture {
protected:
    HostWindow() : HostWindowFixture("ascarell.so") {}
};

// What the editor shows for a fresh instance, drawn in-process headless.
PixelSurface headlessRender()
{
    AscarellEffect effect(quietHost, AscarellChannels::stereo);
    effect.dispatch(EffectOpcode::editorOpen, 0, 0, reinterpret_cast<void*>(1), 0.0f);
    effect.dispatch(EffectOpcode::editorIdle, 0, 0, nullptr, 0.0f);
    return HeadlessWindow::of(EditorBase::of(effect)->frame()->platformWindow())->presented();
}

TEST_F(HostWindow, EditorOpensAsAChildShowingTheHeadlessPicture)
{
    const Window child = openEditor();
    ASSERT_NE(child, 0u);
    const XWindowAttributes attributes = attributesOf(child);
    EXPECT_EQ(attributes.width, 545);
    EXPECT_EQ(attributes.height, 139);

    const PixelSurface expected = headlessRender();
    int mismatches = 0;
    ASSERT_TRUE(idleUntil([&] {
        XImage* image = XGetImage(display, child, 0, 0, 545, 139, AllPlanes, ZPixmap);
        if (image == nullptr) {
            return false;
        }
        mismatches = 0;
        for (int y = 0; y < 139; ++y) {
            for (int x = 0; x < 545; ++x) {
                const uint32_t shown = static_cast<uint32_t>(XGetPixel(image, x, y)) & 0xffffffu;
                mismatches += shown != (expected.row(y)[x] & 0xffffffu) ? 1 : 0;
            }
        }
        XDestroyImage(image);
        return mismatches == 0;
    })) << mismatches << " pixels differ from the headless render";

    plugin->dispatch(EffectOpcode::editorClose);
    XSync(display, False);
    EXPECT_EQ(childCount(), 0);
}

// From the Ratio knob's centre.
TEST_F(HostWindow, AKnobDraggedWithTheMouseSetsItsParameter) { expectKnobDragInsideOneEdit(1, 84 + 16, 44 + 16); }

TEST_F(HostWindow, OpeningAndClosingRepeatedlyLeavesNoWindows)
{
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(plugin->dispatch(EffectOpcode::editorOpen, 0, 0, parentHandle()), 1);
        plugin->dispatch(EffectOpcode::editorIdle);
        plugin->dispatch(EffectOpcode::editorClose);
    }
    XSync(display, False);
    EXPECT_EQ(childCount(), 0);
}

TEST(EditorWithoutDisplay, OpenAnswersZeroAndAudioGoesOn)
{
    const char* saved = std::getenv("DISPLAY");
    const std::string display = saved != nullptr ? saved : "";
    setenv("DISPLAY", ":9999", 1);
    PluginLibrary library(std::string(FENDWICK_TEST_PLUGIN_DIR) + "/ascarell_mono.so");
    HostedPlugin plugin(library);
    EXPECT_EQ(plugin.dispatch(EffectOpcode::editorOpen, 0, 0, reinterpret_cast<void*>(0x400001)), 0);
    plugin.dispatch(EffectOpcode::editorIdle);
    plugin.dispatch(EffectOpcode::editorClose);
    plugin.setParameter(1, 0.4f);
    EXPECT_EQ(plugin.getParameter(1), 0.4f);
    if (saved != nullptr) {
        setenv("DISPLAY", display.c_str(), 1);
    } else {
        unsetenv("DISPLAY");
    }
}

}  // namespace
}  // namespace fendwick

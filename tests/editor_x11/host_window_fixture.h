// A host's top-level X window with a built plug-in loaded, for tests that
// open the plug-in's editor inside it and drive it with XTest.
#pragma once

#include "hosted_plugin.h"
#include "plugin_library.h"

#include <gtest/gtest.h>
// Xlib's macros (None, Bool, ...) would break the test framework's headers.
#include <X11/Xlib.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace fendwick {

// The host's side: its own connection, a window large enough for every
// editor of ours, and one instance of the plug-in `pluginFile` (a file of
// the built plug-ins' folder). Skips without a display or without XTest.
class HostWindowFixture : public ::testing::Test {
protected:
    explicit HostWindowFixture(std::string pluginFile) : pluginFile_(std::move(pluginFile)) {}

    void SetUp() override;
    void TearDown() override;

    void* parentHandle() const { return reinterpret_cast<void*>(static_cast<uintptr_t>(parent)); }
    // Opens the plug-in's editor in the host window; answers the editor's
    // window, or 0 when open failed or made no single child.
    Window openEditor();
    // The editor's window: the parent's only child, or 0.
    Window onlyChild();
    XWindowAttributes attributesOf(Window window);
    int childCount() { return static_cast<int>(children().size()); }

    // Runs the host's idle until the condition holds.
    template <typename Condition>
    bool idleUntil(Condition condition)
    {
        return waitUntil([&] {
            plugin->dispatch(EffectOpcode::editorIdle);
            XSync(display, False);
            return condition();
        });
    }

    // Polls the condition; the deadline only keeps a broken run from
    // hanging, it is far beyond what any passing run needs.
    template <typename Condition>
    static bool waitUntil(Condition condition)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    // Whether the plug-in has sent the host a request with this opcode for
    // this parameter, and the request passes the check.
    template <typename Check>
    bool sent(int32_t opcode, int32_t index, Check check) const
    {
        for (const HostRequest& request : plugin->requests()) {
            if (request.opcode == opcode && request.index == index && check(request)) {
                return true;
            }
        }
        return false;
    }
    int requestsFor(int32_t opcode, int32_t index) const;

    // Presses the primary button at (x, y) of the editor window `child` and
    // drags `pixels` straight up while the host idles the editor, as a hand
    // would: it moves once the knob has begun its edit of parameter `index`
    // and lets go once the host was told a value above `reached`. Answers
    // whether the parameter got there.
    bool dragUp(Window child, int x, int y, int pixels, int32_t index, float reached);

    // The editor opens as a viewable child of `width` x `height` and leaves
    // no window when it closes.
    void expectOpensAsAChild(int width, int height);
    // In linear knob mode, the knob of parameter `index` centred at (x, y)
    // of the editor, dragged 100 pixels up from 0.2, reaches 0.7 inside one
    // edit, with its automation.
    void expectKnobDragInsideOneEdit(int32_t index, int x, int y);

    Display* display = nullptr;
    Window parent = 0;
    std::unique_ptr<PluginLibrary> library;
    std::unique_ptr<HostedPlugin> plugin;

private:
    std::vector<Window> children();

    std::string pluginFile_;
};

}  // namespace fendwick

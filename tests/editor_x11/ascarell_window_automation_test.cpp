// The built ascarell library's editor in a real X window while another
// thread automates every parameter: opening, idling and closing it again and
// again must never touch a control that the interface thread has deleted.
#include "hosted_plugin.h"
#include "plugin_library.h"

#include <gtest/gtest.h>
// Xlib's macros (None, Bool, ...) would break the test framework's headers.
#include <X11/Xlib.h>

#include <atomic>
#include <string>
#include <thread>

namespace fendwick {
namespace {

constexpr int kOpenings = 300;
constexpr int kIdlesPerOpening = 3;

TEST(AscarellWindowAutomation, OpeningAndClosingWhileAnotherThreadSetsEveryParameter)
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        GTEST_SKIP() << "no X display";
    }
    const Window parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 640, 200, 0, 0, 0);
    XMapWindow(display, parent);
    XSync(display, False);
    void* parentHandle = reinterpret_cast<void*>(static_cast<uintptr_t>(parent));
    {
        PluginLibrary library(std::string(FENDWICK_TEST_PLUGIN_DIR) + "/ascarell.so");
        HostedPlugin plugin(library);
        std::atomic<bool> stopped{false};
        std::thread automation([&] {
            float x = 0.0f;
            while (!stopped.load()) {
                for (int32_t p = 0; p < plugin.numParameters(); ++p) {
                    plugin.setParameter(p, x);
                }
                x = x < 1.0f ? x + 1.0f / 64.0f : 0.0f;
            }
        });
        int opened = 0;
        for (int i = 0; i < kOpenings; ++i) {
            opened += plugin.dispatch(EffectOpcode::editorOpen, 0, 0, parentHandle) == 1 ? 1 : 0;
            for (int idles = 0; idles < kIdlesPerOpening; ++idles) {
                plugin.dispatch(EffectOpcode::editorIdle);
            }
            plugin.dispatch(EffectOpcode::editorClose);
        }
        stopped = true;
        automation.join();
        EXPECT_EQ(opened, kOpenings);
    }
    XDestroyWindow(display, parent);
    XCloseDisplay(display);
}

}  // namespace
}  // namespace fendwick

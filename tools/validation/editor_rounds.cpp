// Opening, idling and closing a plug-in's editor as a host does.
#include "editor_rounds.h"

#include "checked_instance.h"
#include "findings.h"
#include "host_window.h"
#include "hosted_plugin.h"

namespace fendwick {
namespace {

constexpr EditorSize kUsualSize{640, 480};
// An X window id no server hands out before millions of windows.
constexpr uintptr_t kAbsentWindowId = 0x5F00001;

}  // namespace

bool hasEditor(const HostedPlugin& plugin)
{
    return (plugin.flags() & EffectFlag::hasEditor) != 0;
}

std::unique_ptr<HostedPlugin> preparedWithEditor(const CheckedLibrary& library, Findings& findings)
{
    auto plugin = library.prepared();
    if (!hasEditor(*plugin)) {
        findings.skip("the plug-in has no editor");
        return nullptr;
    }
    return plugin;
}

void* absentWindow()
{
    return reinterpret_cast<void*>(kAbsentWindowId);
}

EditorSize editorSize(HostedPlugin& plugin)
{
    EditorRect* rect = nullptr;
    if (plugin.dispatch(EffectOpcode::editorGetRect, 0, 0, &rect) == 0 || rect == nullptr) {
        return kUsualSize;
    }
    const int32_t width = rect->right - rect->left;
    const int32_t height = rect->bottom - rect->top;
    return width > 0 && height > 0 ? EditorSize{width, height} : kUsualSize;
}

intptr_t editorRound(HostedPlugin& plugin, void* parent, HostWindow* window)
{
    const intptr_t opened = plugin.dispatch(EffectOpcode::editorOpen, 0, 0, parent);
    for (int idle = 0; opened != 0 && idle < kIdlesPerRound; ++idle) {
        if (window != nullptr) {
            window->pumpEvents();
        }
        plugin.dispatch(EffectOpcode::editorIdle);
    }
    plugin.dispatch(EffectOpcode::editorClose);
    return opened;
}

}  // namespace fendwick

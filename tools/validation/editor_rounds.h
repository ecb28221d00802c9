// A host's editor requests: opening into a parent window, idling and closing.
#pragma once

#include <cstdint>
#include <memory>

namespace fendwick {

class CheckedLibrary;
class Findings;
class HostedPlugin;
class HostWindow;

// Idle requests a host sends while one round's editor is open.
constexpr int kIdlesPerRound = 3;

bool hasEditor(const HostedPlugin& plugin);

// A prepared instance of the library, or null when it has no editor, the
// check then skipped with that reason.
std::unique_ptr<HostedPlugin> preparedWithEditor(const CheckedLibrary& library, Findings& findings);

// A window id as a host without a display would pass one: no window of
// any server, and no address either.
void* absentWindow();

// The size the editor asks for, or a usual size when it answers none.
struct EditorSize {
    int32_t width;
    int32_t height;
};
EditorSize editorSize(HostedPlugin& plugin);

// Opens the editor in `parent`; when it opened, idles it kIdlesPerRound
// times (handling `window`'s events in between, when there is one); then
// closes it, as hosts do whatever the open answered. Answers the open's answer.
intptr_t editorRound(HostedPlugin& plugin, void* parent, HostWindow* window);

}  // namespace fendwick

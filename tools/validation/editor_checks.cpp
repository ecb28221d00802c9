// The editor opened, idled and closed again and again, with a display and without one.
#include "check_groups.h"
#include "checked_instance.h"
#include "editor_rounds.h"
#include "host_window.h"
#include "signal_checks.h"

namespace fendwick {
namespace {

constexpr int kHeadlessRounds = 1000;
constexpr int kQuickHeadlessRounds = 100;
constexpr int kDisplayRounds = 100;
constexpr int kQuickDisplayRounds = 20;
constexpr size_t kAudioFrames = 22050;

std::string roundText(int round)
{
    return "round " + std::to_string(round + 1);
}

void checkRoundsWithoutDisplay(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = preparedWithEditor(library, findings);
    if (plugin == nullptr) {
        return;
    }
    const DisplayHidden hidden;
    const int rounds = settings.quick ? kQuickHeadlessRounds : kHeadlessRounds;
    for (int round = 0; round < rounds; ++round) {
        findings.attempt("editor open, idle and close with no display, " + roundText(round));
        editorRound(*plugin, absentWindow(), nullptr);
    }
}

void checkAudioWithoutDisplay(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = preparedWithEditor(library, findings);
    if (plugin == nullptr) {
        return;
    }
    auto untouched = library.prepared();
    const AudioBuffer before = noiseSignal(plugin->numInputs(), kAudioFrames, 0.7f, 81);
    const AudioBuffer after = noiseSignal(plugin->numInputs(), kAudioFrames, 0.7f, 82);
    processed(*plugin, before, kCheckBlockSize);
    processed(*untouched, before, kCheckBlockSize);
    const DisplayHidden hidden;
    findings.attempt("editor open with no display");
    const intptr_t opened = plugin->dispatch(EffectOpcode::editorOpen, 0, 0, absentWindow());
    if (opened != 0) {
        findings.fail("editor open answered " + std::to_string(opened) + " with no display, where hosts need 0");
    }
    plugin->dispatch(EffectOpcode::editorIdle);
    const std::string difference =
        outputDifference(processed(*untouched, after, kCheckBlockSize), processed(*plugin, after, kCheckBlockSize));
    if (!difference.empty()) {
        findings.fail("after an editor open with no display the output differs from an instance without one: " +
                      difference);
    }
    plugin->dispatch(EffectOpcode::editorClose);
}

void checkRoundsOnDisplay(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = preparedWithEditor(library, findings);
    if (plugin == nullptr) {
        return;
    }
    const EditorSize size = editorSize(*plugin);
    const auto window = HostWindow::open(size.width, size.height);
    if (window == nullptr) {
        findings.skip("no X display to open the editor on");
        return;
    }
    const int rounds = settings.quick ? kQuickDisplayRounds : kDisplayRounds;
    for (int round = 0; round < rounds; ++round) {
        findings.attempt("editor open in the host's window, idle and close, " + roundText(round));
        const intptr_t opened = plugin->dispatch(EffectOpcode::editorOpen, 0, 0, window->handle());
        if (opened == 0) {
            findings.fail("editor open answered 0 on a display in " + roundText(round));
            return;
        }
        if (window->children() == 0) {
            findings.fail("editor open answered " + std::to_string(opened) +
                          " but put no window into the host's window in " + roundText(round));
        }
        for (int idle = 0; idle < kIdlesPerRound; ++idle) {
            window->pumpEvents();
            plugin->dispatch(EffectOpcode::editorIdle);
        }
        plugin->dispatch(EffectOpcode::editorClose);
        if (window->children() != 0) {
            findings.fail("editor close left " + std::to_string(window->children()) +
                          " windows in the host's window in " + roundText(round));
            return;
        }
    }
}

}  // namespace

std::vector<Check> editorChecks()
{
    return {{"editor.rounds-without-display",
             "with no display the editor opens (or refuses), idles and closes 1000 times without a crash",
             checkRoundsWithoutDisplay},
            {"editor.audio-without-display",
             "with no display editor open answers 0 and the audio goes on as if it had never been asked",
             checkAudioWithoutDisplay},
            {"editor.rounds-on-display",
             "on a display the editor opens as a child of the host's window, idles and closes 100 times, "
             "leaving no window behind",
             checkRoundsOnDisplay}};
}

}  // namespace fendwick

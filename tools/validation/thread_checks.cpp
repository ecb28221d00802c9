// A host's threads at once: audio on one, automation, programs and the editor on others.
#include "block_buffers.h"
#include "check_groups.h"
#include "checked_instance.h"
#include "editor_rounds.h"
#include "host_window.h"
#include "watched_buffer.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <thread>

namespace fendwick {
namespace {

// How long the audio thread races the control thread, full and quick.
constexpr double kRaceSeconds = 2.0;
constexpr double kQuickRaceSeconds = 0.2;
// However fast or slow the machine, each side gets this many turns in, so
// that the two really overlap.
constexpr uint64_t kLeastBlocks = 200;
constexpr uint64_t kLeastControlTurns = 20;
// Editor rounds beside the audio thread, with and without a display.
constexpr int kEditorRounds = 50;
constexpr int kQuickEditorRounds = 10;
constexpr int kHeadlessEditorRounds = 1000;
constexpr int kQuickHeadlessEditorRounds = 100;
// Blocks the audio thread must get through after the editor's last round.
constexpr uint64_t kBlocksAfterEditor = 50;

constexpr float kAutomationValues[] = {0.0f, 0.9f, 0.3f, 1.0f, 0.6f, 0.05f};
constexpr float kInputPeaks[] = {0.9f, 0.0f, 0.2f, 2.0f};

// The audio thread's side: blocks of changing level one after another,
// with an automation value set before each when asked to; counts the
// blocks and the first one whose output is not finite.
class AudioSide {
public:
    AudioSide(HostedPlugin& plugin, bool automates)
        : plugin_(plugin), block_(plugin, kCheckBlockSize), automates_(automates)
    {
    }

    void runUntilStopped()
    {
        for (uint64_t number = 0; !stop_.load(); ++number) {
            const int32_t count = plugin_.numParameters();
            if (automates_ && count > 0) {
                plugin_.setParameter(static_cast<int32_t>(number % static_cast<uint64_t>(count)),
                                     kAutomationValues[number % std::size(kAutomationValues)]);
            }
            block_.fill(kInputPeaks[(number / 8) % std::size(kInputPeaks)], static_cast<uint32_t>(number + 1));
            block_.process(plugin_);
            if (!block_.outputFinite() && firstNonFinite_.load() == 0) {
                firstNonFinite_.store(number + 1);
            }
            blocks_.store(number + 1);
        }
    }

    void stop() { stop_.store(true); }
    uint64_t blocks() const { return blocks_.load(); }
    // Zero while every block was finite.
    uint64_t firstNonFinite() const { return firstNonFinite_.load(); }

private:
    HostedPlugin& plugin_;
    BlockBuffers block_;
    bool automates_;
    std::atomic<bool> stop_{false};
    std::atomic<uint64_t> blocks_{0};
    std::atomic<uint64_t> firstNonFinite_{0};
};

void reportNonFinite(const AudioSide& audio, const std::string& during, Findings& findings)
{
    if (audio.firstNonFinite() != 0) {
        findings.fail("the output of block " + std::to_string(audio.firstNonFinite()) + " is not finite " + during);
    }
}

// One control turn: every parameter set, a program selected and renamed,
// and its name read back.
void controlTurn(HostedPlugin& plugin, uint64_t turn)
{
    for (int32_t index = 0; index < plugin.numParameters(); ++index) {
        const uint64_t step = turn + static_cast<uint64_t>(index);
        plugin.setParameter(index, kAutomationValues[step % std::size(kAutomationValues)]);
        plugin.getParameter(index);
    }
    if (plugin.numPrograms() > 0) {
        plugin.setProgram(static_cast<int32_t>(turn % static_cast<uint64_t>(plugin.numPrograms())));
        char name[24];
        std::snprintf(name, sizeof(name), "Renamed %llu", static_cast<unsigned long long>(turn));
        plugin.dispatch(EffectOpcode::setProgramName, 0, 0, name);
        WatchedBuffer readBack;
        plugin.dispatch(EffectOpcode::getProgramName, 0, 0, readBack.data());
    }
}

void checkConcurrentControl(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = library.prepared();
    findings.attempt("processing on one thread while another sets parameters, selects and renames programs");
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::duration<double>(settings.quick ? kQuickRaceSeconds : kRaceSeconds);
    AudioSide audio(*plugin, false);
    std::thread control([&] {
        for (uint64_t turn = 0; turn < kLeastControlTurns || audio.blocks() < kLeastBlocks ||
                                std::chrono::steady_clock::now() < deadline;
             ++turn) {
            controlTurn(*plugin, turn);
        }
        audio.stop();
    });
    audio.runUntilStopped();
    control.join();
    reportNonFinite(audio, "while another thread changed parameters and programs", findings);
}

// Editor rounds on this thread while another processes and automates;
// without `window` the editor is offered a window id with no display.
void editorBesideAudio(HostedPlugin& plugin, int rounds, HostWindow* window, Findings& findings)
{
    const std::string where = window != nullptr ? "on the display" : "with no display";
    findings.attempt("editor rounds " + where + " while another thread processes and automates");
    AudioSide audio(plugin, true);
    std::thread audioThread([&audio] { audio.runUntilStopped(); });
    void* parent = window != nullptr ? window->handle() : absentWindow();
    bool wrongAnswer = false;
    for (int round = 0; round < rounds; ++round) {
        const intptr_t opened = editorRound(plugin, parent, window);
        if (!wrongAnswer && (opened != 0) != (window != nullptr)) {
            wrongAnswer = true;
            findings.fail("editor open answered " + std::to_string(opened) + " " + where + " in round " +
                          std::to_string(round + 1));
        }
    }
    // Audio goes on after the editor: a plug-in holding the audio thread
    // back for its editor hangs here.
    const uint64_t afterEditor = audio.blocks();
    while (audio.blocks() < afterEditor + kBlocksAfterEditor) {
        std::this_thread::yield();
    }
    audio.stop();
    audioThread.join();
    reportNonFinite(audio, "while the editor opened and closed " + where, findings);
}

void checkEditorBesideAudio(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = preparedWithEditor(library, findings);
    if (plugin == nullptr) {
        return;
    }
    {
        const DisplayHidden hidden;
        editorBesideAudio(*plugin, settings.quick ? kQuickHeadlessEditorRounds : kHeadlessEditorRounds, nullptr,
                          findings);
    }
    const EditorSize size = editorSize(*plugin);
    if (const auto window = HostWindow::open(size.width, size.height)) {
        editorBesideAudio(*plugin, settings.quick ? kQuickEditorRounds : kEditorRounds, window.get(), findings);
    }
}

}  // namespace

std::vector<Check> threadChecks()
{
    return {{"threads.control-beside-audio",
             "processing goes on, finite, while another thread sets parameters and selects and renames programs",
             checkConcurrentControl},
            {"threads.editor-beside-audio",
             "the editor opens, idles and closes again and again while another thread processes and automates: "
             "with no display the open answers 0, on a display it opens as a child of the host's window",
             checkEditorBesideAudio}};
}

}  // namespace fendwick

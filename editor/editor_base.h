// The base of every plug-in editor: the object the host's editor requests
// reach, alive as long as its plug-in; only its frame comes and goes.
#pragma once

#include "editor_link.h"
#include "meter_source.h"
#include "plugin_editor.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

namespace fendwick {

class EffectBase;
class Frame;

// Created by the plug-in class's constructor and deleted with the plug-in.
// Open, close, idle, keys and the idle wait run on the host's user-interface
// thread, the editor's thread; setParameter and redraw may come from any
// thread and never touch the frame off the editor's thread: they record what
// changed, lock-free, and idle shows it.
class EditorBase : public PluginEditor, public EditorLink, public MeterSource {
public:
    // The most parameters an editor follows, one bit each in the change words.
    static constexpr int32_t kParameterLimit = 64;
    // Display values are followed up to this index, one bit each.
    static constexpr int32_t kDisplayValueLimit = 64;

    // Reads the plug-in's parameter values, so the plug-in must be fully
    // set up when its editor is made.
    explicit EditorBase(EffectBase* owner);
    ~EditorBase() override;

    // The editor of a plug-in of ours (every one derives from this base);
    // null when it has none.
    static EditorBase* of(EffectBase& effect);

    EditorBase(const EditorBase&) = delete;
    EditorBase& operator=(const EditorBase&) = delete;

    int32_t getRect(EditorRect** out) override;
    // The base takes the calling thread as the editor's thread and keeps the
    // parent window; editors then build their frame and answer 1, or 0 when
    // no window could be made.
    int32_t open(void* parent) override;
    // The base deletes the frame with its controls.
    void close() override;
    // Shows the parameter changes recorded since the last idle, then lets
    // the frame draw what is marked.
    void idle() override;
    int32_t onKeyDown(const KeyRecord& key) override;
    int32_t onKeyUp(const KeyRecord& key) override;
    int32_t setKnobMode(int32_t mode) override;
    virtual bool onWheel(float distance);
    // Follows a change of the plug-in's parameter, which the plug-in has
    // already stored; the stored value is shown, not the one passed.
    void setParameter(int32_t index, float value) final;
    // Notes that a display value has a new reading; idle shows it. Lock-free,
    // for the audio thread.
    void displayValueChanged(int32_t index) final;
    // The effect's latest reading of a display value, for meter views.
    float meterReading(int32_t index) const override;
    // Marks the whole editor for drawing at the next idle.
    void redraw();

    // Keeps the host running while a control tracks the mouse: idles the
    // editor at most every 100 ms (sooner within 50 ms of that), sleeping
    // 4 ms a pass otherwise.
    void idleWait() override;
    void beginEdit(int32_t tag) override;
    void endEdit(int32_t tag) override;

    Frame* frame() const { return frameWindow.get(); }
    void* parent() const { return parentWindow; }

protected:
    // Sets the editor's size answered to the host.
    void setRect(int32_t width, int32_t height);
    // A host may ask to close from inside the idle wait, while a control's
    // drag loop still runs on the frame; the frame then goes when the drag
    // has ended. Editors call this first in close and return when it says so.
    bool closeMustWait();
    // Shows one parameter's value in the controls; called on the editor's
    // thread only, while the frame exists.
    virtual void showParameter(int32_t index, float value) = 0;
    // Shows a display value's new reading (redraws its meter); called from
    // idle on the editor's thread only, while the frame exists, in ascending
    // index order after the parameter changes. Editors without meters keep
    // the base, which shows nothing.
    virtual void showDisplayValue(int32_t /*index*/) {}
    // The parameter the plug-in may move along when `index` changes (a
    // crossover point pushing the other), or -1; it is read back and shown
    // right after `index`.
    virtual int32_t movesAlong(int32_t /*index*/) const { return -1; }
    // The value last stored for a parameter, for controls being built.
    float parameterValue(int32_t index) const;

    EffectBase* effect;
    void* parentWindow = nullptr;
    EditorRect rect{};
    std::unique_ptr<Frame> frameWindow;
    uint32_t nextIdleTime;
    bool inIdle = false;
    bool closePending = false;

private:
    static constexpr int32_t kChangeWords = kParameterLimit / 32;

    bool onEditorThread() const;
    void recordChange(int32_t index);
    void forgetRecordedChanges();
    // Clears the recorded changes and writes their indexes into order, the
    // oldest first; answers how many.
    int32_t takeRecordedChanges(int32_t* order);
    void showRecordedChanges();
    void showDisplayValues();

    // The thread that opened the editor, empty while closed.
    std::atomic<std::thread::id> editorThread{};
    // Each parameter's stored value as read by the thread that stored it, so
    // the editor's thread never reads the plug-in's plain fields while
    // another thread writes them.
    std::atomic<float> values[kParameterLimit];
    // One bit per parameter changed off the editor's thread since the last idle.
    std::atomic<uint32_t> changed[kChangeWords];
    // When each parameter was last recorded, from a counter of records, so
    // idle shows changes in the order they came and a text display names
    // the latest.
    std::atomic<uint32_t> recordedAt[kParameterLimit];
    std::atomic<uint32_t> recordCount{0};
    std::atomic<bool> redrawPending{false};
    // One bit per display value with a reading not yet shown.
    std::atomic<uint64_t> displayPending{0};

    static_assert(std::atomic<std::thread::id>::is_always_lock_free, "the automation thread must not wait");
    static_assert(std::atomic<float>::is_always_lock_free, "the automation thread must not wait");
    static_assert(std::atomic<uint32_t>::is_always_lock_free, "the automation thread must not wait");
    static_assert(std::atomic<uint64_t>::is_always_lock_free, "the audio thread must not wait");
};

}  // namespace fendwick

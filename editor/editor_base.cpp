// The editor base: size, open, idle, keys and the idle wait of every editor.
#include "editor_base.h"

#include "effect_base.h"
#include "frame.h"
#include "knob_mode.h"
#include "platform_window.h"

namespace fendwick {

namespace {

constexpr uint32_t kIdleWaitSleepMs = 4;
constexpr uint32_t kIdleIntervalMs = 100;
constexpr int32_t kIdleEarlyMs = 50;

KeyEvent keyEvent(const KeyRecord& key)
{
    KeyEvent event;
    event.character = key.character;
    event.virtualKey = key.virtualKey;
    event.modifiers = key.modifiers;
    return event;
}

uint32_t bitOf(int32_t index) { return 1u << (index % 32); }

}  // namespace

EditorBase::EditorBase(EffectBase* owner) : effect(owner), nextIdleTime(tickCountMs())
{
    for (int32_t i = 0; i < kParameterLimit; ++i) {
        values[i].store(effect->getParameter(i), std::memory_order_relaxed);
        recordedAt[i].store(0, std::memory_order_relaxed);
    }
    forgetRecordedChanges();
    effect->setEditor(this);
}

EditorBase* EditorBase::of(EffectBase& effect) { return static_cast<EditorBase*>(effect.getEditor()); }

EditorBase::~EditorBase() = default;

int32_t EditorBase::getRect(EditorRect** out)
{
    if (out != nullptr) {
        *out = &rect;
    }
    return 1;
}

int32_t EditorBase::open(void* parent)
{
    // Opened again without a close: the frame stays on the thread that made
    // it, and so does the editor.
    if (frameWindow) {
        return 1;
    }
    editorThread.store(std::this_thread::get_id(), std::memory_order_relaxed);
    // The controls about to be built read every value afresh.
    forgetRecordedChanges();
    parentWindow = parent;
    return 1;
}

void EditorBase::close()
{
    frameWindow.reset();
    editorThread.store(std::thread::id{}, std::memory_order_relaxed);
}

void EditorBase::idle()
{
    if (inIdle) {
        return;
    }
    showRecordedChanges();
    showDisplayValues();
    if (redrawPending.exchange(false, std::memory_order_relaxed) && frameWindow) {
        frameWindow->setDirty(true);
    }
    if (frameWindow) {
        frameWindow->idle();
    }
    if (closePending && !(frameWindow && frameWindow->isTracking())) {
        closePending = false;
        close();
    }
}

int32_t EditorBase::onKeyDown(const KeyRecord& key)
{
    return frameWindow ? frameWindow->keyDown(keyEvent(key)) : -1;
}

int32_t EditorBase::onKeyUp(const KeyRecord& key)
{
    return frameWindow ? frameWindow->keyUp(keyEvent(key)) : -1;
}

int32_t EditorBase::setKnobMode(int32_t mode)
{
    fendwick::setKnobMode(mode);
    return 1;
}

bool EditorBase::onWheel(float distance)
{
    return frameWindow ? frameWindow->wheel(nullptr, Point{}, distance) : false;
}

void EditorBase::setParameter(int32_t index, float)
{
    if (index < 0 || index >= kParameterLimit) {
        return;
    }
    const int32_t companion = movesAlong(index);
    const int32_t count = companion >= 0 && companion < kParameterLimit ? 2 : 1;
    const int32_t moved[] = {index, companion};
    for (int32_t k = 0; k < count; ++k) {
        values[moved[k]].store(effect->getParameter(moved[k]), std::memory_order_relaxed);
    }
    if (!onEditorThread()) {
        for (int32_t k = 0; k < count; ++k) {
            recordChange(moved[k]);
        }
        return;
    }
    // A control dragged on the editor's thread reports through here: its
    // text follows the drag at once, after what other threads changed before.
    showRecordedChanges();
    for (int32_t k = 0; k < count && frameWindow; ++k) {
        showParameter(moved[k], parameterValue(moved[k]));
    }
}

void EditorBase::displayValueChanged(int32_t index)
{
    if (index >= 0 && index < kDisplayValueLimit) {
        // Release: the idle that sees the bit also sees the reading stored before it.
        displayPending.fetch_or(uint64_t{1} << index, std::memory_order_release);
    }
}

float EditorBase::meterReading(int32_t index) const { return effect->getDisplayValue(index); }

// An idle while closed drops what came: a frame being built draws every
// meter afresh.
void EditorBase::showDisplayValues()
{
    uint64_t due = displayPending.exchange(0, std::memory_order_acquire);
    for (int32_t index = 0; due != 0 && frameWindow; ++index, due >>= 1) {
        if ((due & 1u) != 0) {
            showDisplayValue(index);
        }
    }
}

void EditorBase::redraw() { redrawPending.store(true, std::memory_order_relaxed); }

float EditorBase::parameterValue(int32_t index) const { return values[index].load(std::memory_order_relaxed); }

// Open, close and idle all run on the editor's thread, so while a call runs
// there the frame cannot go away beneath it. Only that thread stores its own
// id, and close clears it, so no other thread can ever read its own id here:
// a relaxed load suffices.
bool EditorBase::onEditorThread() const
{
    return editorThread.load(std::memory_order_relaxed) == std::this_thread::get_id();
}

// The release pairs with the acquire in showRecordedChanges, so the value
// and the time stored before it are seen by the idle that takes the bit.
void EditorBase::recordChange(int32_t index)
{
    recordedAt[index].store(recordCount.fetch_add(1, std::memory_order_relaxed), std::memory_order_relaxed);
    changed[index / 32].fetch_or(bitOf(index), std::memory_order_release);
}

void EditorBase::forgetRecordedChanges()
{
    for (std::atomic<uint32_t>& word : changed) {
        word.store(0, std::memory_order_relaxed);
    }
}

int32_t EditorBase::takeRecordedChanges(int32_t* order)
{
    uint32_t taken[kChangeWords];
    for (int32_t w = 0; w < kChangeWords; ++w) {
        taken[w] = changed[w].exchange(0, std::memory_order_acquire);
    }
    // Oldest first, by the time each was recorded (the counter may wrap).
    uint32_t at[kParameterLimit];
    int32_t count = 0;
    for (int32_t i = 0; i < kParameterLimit; ++i) {
        if ((taken[i / 32] & bitOf(i)) == 0) {
            continue;
        }
        const uint32_t time = recordedAt[i].load(std::memory_order_relaxed);
        int32_t slot = count++;
        for (; slot > 0 && static_cast<int32_t>(time - at[slot - 1]) < 0; --slot) {
            order[slot] = order[slot - 1];
            at[slot] = at[slot - 1];
        }
        order[slot] = i;
        at[slot] = time;
    }
    return count;
}

void EditorBase::showRecordedChanges()
{
    int32_t order[kParameterLimit];
    const int32_t count = takeRecordedChanges(order);
    if (!frameWindow) {
        return;
    }
    for (int32_t k = 0; k < count; ++k) {
        showParameter(order[k], parameterValue(order[k]));
    }
}

void EditorBase::idleWait()
{
    uint32_t now = tickCountMs();
    if (static_cast<int32_t>(now - nextIdleTime) < 0) {
        sleepMs(kIdleWaitSleepMs);
        now += kIdleWaitSleepMs;
        if (static_cast<int32_t>(nextIdleTime - now) > kIdleEarlyMs) {
            return;
        }
    }
    idle();
    if (frameWindow) {
        frameWindow->dispatchOnePaint();
    }
    nextIdleTime = now + kIdleIntervalMs;
    inIdle = true;
    effect->hostIdle();
    inIdle = false;
}

void EditorBase::beginEdit(int32_t tag) { effect->beginEdit(tag); }
void EditorBase::endEdit(int32_t tag) { effect->endEdit(tag); }

bool EditorBase::closeMustWait()
{
    closePending = frameWindow && frameWindow->isTracking();
    return closePending;
}

void EditorBase::setRect(int32_t width, int32_t height)
{
    rect.top = 0;
    rect.left = 0;
    rect.bottom = static_cast<int16_t>(height);
    rect.right = static_cast<int16_t>(width);
}

}  // namespace fendwick

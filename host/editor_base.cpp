// The editor base: size, open, idle, keys and the idle wait of every editor.
#include "editor_base.h"

#include "effect_base.h"
#include "gui/frame.h"
#include "gui/knob_mode.h"
#include "gui/platform/platform_window.h"

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

}  // namespace

EditorBase::EditorBase(EffectBase* owner) : effect(owner), nextIdleTime(tickCountMs())
{
    effect->setEditor(this);
}

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
    postUpdate();
    parentWindow = parent;
    return 1;
}

void EditorBase::close() {}

void EditorBase::idle()
{
    if (inIdle) {
        return;
    }
    if (updatePending != 0) {
        updatePending = 0;
        update();
    }
    if (frameWindow) {
        frameWindow->idle();
    }
    if (closePending && !(frameWindow && frameWindow->isTracking())) {
        closePending = false;
        close();
    }
}

void EditorBase::update() {}
void EditorBase::postUpdate() { updatePending = 1; }

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

void EditorBase::setParameter(int32_t, float) {}

void EditorBase::redraw()
{
    if (frameWindow) {
        frameWindow->redrawViewNow(nullptr);
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

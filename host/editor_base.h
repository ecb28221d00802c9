// The base of every plug-in editor: the object the host's editor requests
// reach, alive as long as its plug-in; only its frame comes and goes.
#pragma once

#include "gui/editor_link.h"
#include "vst2_abi.h"

#include <cstdint>
#include <memory>

namespace fendwick {

class EffectBase;
class Frame;

// Created by the plug-in class's constructor and deleted with the plug-in.
// Open, close, idle, keys and the idle wait run on the host's user-interface
// thread; postUpdate and setParameter may come from any thread.
class EditorBase : public EditorLink {
public:
    explicit EditorBase(EffectBase* owner);
    virtual ~EditorBase();

    EditorBase(const EditorBase&) = delete;
    EditorBase& operator=(const EditorBase&) = delete;

    virtual int32_t getRect(EditorRect** out);
    // The base keeps the parent window and posts an update; editors then
    // build their frame and answer 1, or 0 when no window could be made.
    virtual int32_t open(void* parent);
    virtual void close();
    virtual void idle();
    virtual void update();
    virtual void postUpdate();
    virtual int32_t onKeyDown(const KeyRecord& key);
    virtual int32_t onKeyUp(const KeyRecord& key);
    virtual int32_t setKnobMode(int32_t mode);
    virtual bool onWheel(float distance);
    virtual void setParameter(int32_t index, float value);
    virtual void redraw();

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

    EffectBase* effect;
    void* parentWindow = nullptr;
    int32_t updatePending = 0;
    EditorRect rect{};
    std::unique_ptr<Frame> frameWindow;
    uint32_t nextIdleTime;
    bool inIdle = false;
    bool closePending = false;
};

}  // namespace fendwick

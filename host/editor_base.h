// The base of every plug-in editor: the object the host's editor requests
// reach, alive as long as its plug-in; only its window comes and goes.
#pragma once

#include "vst2_abi.h"

#include <cstdint>

namespace fendwick {

class EffectBase;

// Created by the plug-in class's constructor and deleted with the plug-in.
// Open, close, idle and keys arrive on the host's user-interface thread;
// postUpdate and setParameter may come from any thread.
class EditorBase {
public:
    explicit EditorBase(EffectBase* owner);
    virtual ~EditorBase();

    EditorBase(const EditorBase&) = delete;
    EditorBase& operator=(const EditorBase&) = delete;

    virtual int32_t getRect(EditorRect** out);
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
    virtual void idleWait();

protected:
    EffectBase* effect;
    void* parentWindow = nullptr;
    int32_t updatePending = 0;
    EditorRect rect{};
};

}  // namespace fendwick

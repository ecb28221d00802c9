// What the host adapter asks of a plug-in's editor: the editor requests of
// the dispatcher and the parameter changes it must follow.
#pragma once

#include "vst2_abi.h"

#include <cstdint>

namespace fendwick {

// Implemented by the editor base; the effect owns its editor and deletes it.
// The editor requests come on the host's user-interface thread;
// setParameter may come from any thread, displayValueChanged from the audio
// thread.
class PluginEditor {
public:
    virtual ~PluginEditor() = default;

    virtual int32_t getRect(EditorRect** out) = 0;
    // Answers 1 when the editor's window was made inside `parent`, else 0.
    virtual int32_t open(void* parent) = 0;
    virtual void close() = 0;
    virtual void idle() = 0;
    virtual int32_t onKeyDown(const KeyRecord& key) = 0;
    virtual int32_t onKeyUp(const KeyRecord& key) = 0;
    virtual int32_t setKnobMode(int32_t mode) = 0;
    // Follows a change of a parameter that the effect has already stored.
    virtual void setParameter(int32_t index, float value) = 0;
    // A new reading of a display value (a meter) is there to show. Comes on
    // the audio thread: it only notes the index, it never draws or waits.
    virtual void displayValueChanged(int32_t index) = 0;
};

}  // namespace fendwick

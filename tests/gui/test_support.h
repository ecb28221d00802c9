// Shared pieces of the toolkit tests: a recording editor and listener, and a
// frame on a headless window.
#pragma once

#include "control.h"
#include "control_listener.h"
#include "editor_link.h"
#include "frame.h"
#include "rect_ops.h"
#include "headless_window.h"

#include <memory>
#include <string>
#include <vector>

namespace fendwick {

// Records what the toolkit asks of its editor, as "begin 3", "end 3" and a
// count of idle waits.
class RecordingEditor : public EditorLink {
public:
    virtual ~RecordingEditor() = default;
    void idleWait() override { ++idleWaits; }
    void beginEdit(int32_t tag) override { calls.push_back("begin " + std::to_string(tag)); }
    void endEdit(int32_t tag) override { calls.push_back("end " + std::to_string(tag)); }

    int32_t idleWaits = 0;
    std::vector<std::string> calls;
};

// Records each value change and, as the editors do, redraws the control
// with the context it came with.
class RecordingListener : public ControlListener {
public:
    virtual ~RecordingListener() = default;
    void valueChanged(DrawContext* context, Control* control) override
    {
        values.push_back(control->value());
        tags.push_back(control->tag());
        withContext.push_back(context != nullptr);
        control->update(context);
    }

    std::vector<float> values;
    std::vector<int32_t> tags;
    std::vector<bool> withContext;
};

// A frame of the given size on a headless window, with a recording editor.
struct HeadlessFrame {
    explicit HeadlessFrame(const Rect& size = Rect{0, 0, 120, 80});

    // Adds the view and answers it, for chaining in tests.
    template <typename V>
    V* add(V* view)
    {
        frame->addView(view);
        return view;
    }
    // Scripts the pointer and clicks at `where` through the window's queue.
    void click(const Point& where, const std::vector<PointerStep>& steps);

    RecordingEditor editor;
    std::unique_ptr<Frame> frame;
    HeadlessWindow* window = nullptr;
};

}  // namespace fendwick

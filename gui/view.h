// The base of everything placed in a frame: a rectangle that draws itself
// and may take clicks, keys and wheel turns.
#pragma once

#include "geometry.h"
#include "platform_window.h"

#include <cstdint>

namespace fendwick {

class DrawContext;
class EditorLink;
class Frame;

// Reference-counted: 1 at creation; a frame that holds the view releases it,
// and the last release deletes it. Rectangles are in frame coordinates.
// Drawing, input and the count belong to the frame's window thread; only the
// dirty flag is also set from other threads.
class View {
public:
    explicit View(const Rect& size);
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // Base: clears the dirty flag.
    virtual void draw(DrawContext& context);
    // Base: draws all of the view.
    virtual void drawRect(DrawContext& context, const Rect& area);
    // Whether the area overlaps the view, bounds inclusive.
    virtual bool intersects(const Rect& area) const;
    // A button went down at `where` (frame coordinates) on this view.
    virtual void mouse(DrawContext& context, const Point& where);
    // Draws the view when it is dirty; without a context it stays dirty.
    virtual void update(DrawContext* context);
    // Keys answer -1 when not handled.
    virtual int32_t keyDown(const KeyEvent& key);
    virtual int32_t keyUp(const KeyEvent& key);
    // Answers whether the view took the wheel turn.
    virtual bool wheel(DrawContext* context, const Point& where, float distance);
    virtual void loseFocus();

    virtual bool isDirty() const;
    virtual void setDirty(bool dirty);

    virtual void setMouseEnabled(bool enabled) { mouseEnabled_ = enabled; }
    virtual bool mouseEnabled() const { return mouseEnabled_; }
    virtual void setMouseableArea(const Rect& area) { mouseableArea_ = area; }
    virtual const Rect& mouseableArea() const { return mouseableArea_; }
    // Whether the point lies in the view, bounds inclusive.
    virtual bool hit(const Point& where) const;
    virtual void setTransparency(bool transparent) { transparent_ = transparent; }
    virtual bool transparency() const { return transparent_; }
    // Moves or resizes the view and marks it dirty.
    virtual void setViewSize(const Rect& size);
    virtual const Rect& viewSize() const { return size_; }
    virtual void setUserWord(int32_t word) { userWord_ = word; }
    int32_t userWord() const { return userWord_; }
    virtual void setParentFrame(Frame* frame) { parentFrame_ = frame; }
    Frame* parentFrame() const { return parentFrame_; }
    // The editor of the frame the view is in; null outside a frame.
    virtual EditorLink* editor() const;
    // Told by the frame; answer whether the view did anything about it.
    virtual bool removed(Frame* parent);
    virtual bool attached(Frame* parent);

    virtual void release();
    virtual void takeReference() { ++referenceCount_; }
    virtual int32_t referenceCount() const { return referenceCount_; }

protected:
    virtual ~View() = default;

private:
    int32_t referenceCount_ = 1;
    Rect size_;
    Rect mouseableArea_;
    Frame* parentFrame_ = nullptr;
    int32_t userWord_ = 0;
    bool dirty_ = false;
    bool mouseEnabled_ = true;
    bool transparent_ = false;
};

}  // namespace fendwick

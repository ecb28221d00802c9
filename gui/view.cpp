// The base of everything placed in a frame.
#include "view.h"

#include "frame.h"

namespace fendwick {

View::View(const Rect& size) : size_(size), mouseableArea_(size) {}

void View::draw(DrawContext&) { setDirty(false); }

void View::drawRect(DrawContext& context, const Rect&) { draw(context); }

bool View::intersects(const Rect& area) const
{
    return area.left <= size_.right && area.right >= size_.left && area.top <= size_.bottom &&
           area.bottom >= size_.top;
}

void View::mouse(DrawContext&, const Point&) {}

void View::update(DrawContext* context)
{
    if (context == nullptr || !isDirty())
        return;
    draw(*context);
    setDirty(false);
}

int32_t View::keyDown(const KeyEvent&) { return -1; }

int32_t View::keyUp(const KeyEvent&) { return -1; }

bool View::wheel(DrawContext*, const Point&, float) { return false; }

void View::loseFocus() {}

bool View::isDirty() const { return dirty_; }

void View::setDirty(bool dirty) { dirty_ = dirty; }

bool View::hit(const Point& where) const
{
    return where.x >= size_.left && where.x <= size_.right && where.y >= size_.top && where.y <= size_.bottom;
}

void View::setViewSize(const Rect& size)
{
    size_ = size;
    setDirty(true);
}

EditorLink* View::editor() const { return parentFrame_ != nullptr ? parentFrame_->editor() : nullptr; }

bool View::removed(Frame*) { return false; }

bool View::attached(Frame*) { return false; }

void View::release()
{
    if (--referenceCount_ == 0)
        delete this;
}

}  // namespace fendwick

// The frame's input: routing clicks, keys and wheel turns to its views, and
// the window's events.
#include "draw_context.h"
#include "frame.h"

namespace fendwick {
namespace {

// Keeps a view alive while it handles input that may remove it.
class ViewHold {
public:
    explicit ViewHold(View* view) : view_(view) { view_->takeReference(); }
    ~ViewHold() { view_->release(); }
    ViewHold(const ViewHold&) = delete;
    ViewHold& operator=(const ViewHold&) = delete;

private:
    View* view_;
};

// A view may remove itself from the frame while it answers a key.
int32_t offerKeyTo(View* view, int32_t (View::*handler)(const KeyEvent&), const KeyEvent& key)
{
    const ViewHold hold(view);
    return (view->*handler)(key);
}

}  // namespace

void Frame::mouse(DrawContext& context, const Point& where)
{
    setFocusView(nullptr);
    View* target = nullptr;
    if (modalView_ != nullptr) {
        if (modalView_->hit(where))
            target = modalView_;
    } else {
        // The last added view lies on top.
        for (int32_t i = viewCount_ - 1; i >= 0 && target == nullptr; --i) {
            if (views_[i]->mouseEnabled() && views_[i]->hit(where))
                target = views_[i];
        }
    }
    if (target == nullptr)
        return;
    const ViewHold hold(target);
    const bool wasTracking = tracking_;
    tracking_ = true;
    target->mouse(context, where);
    tracking_ = wasTracking;
}

int32_t Frame::offerKey(int32_t (View::*handler)(const KeyEvent&), const KeyEvent& key)
{
    if (focusView_ != nullptr) {
        const int32_t answer = offerKeyTo(focusView_, handler, key);
        if (answer != -1)
            return answer;
    }
    if (modalView_ != nullptr) {
        const int32_t answer = offerKeyTo(modalView_, handler, key);
        if (answer != -1)
            return answer;
    }
    for (int32_t i = viewCount_ - 1; i >= 0; --i) {
        const int32_t answer = offerKeyTo(views_[i], handler, key);
        if (answer != -1)
            return answer;
    }
    return -1;
}

int32_t Frame::keyDown(const KeyEvent& key) { return offerKey(&View::keyDown, key); }

int32_t Frame::keyUp(const KeyEvent& key) { return offerKey(&View::keyUp, key); }

// The wheel goes to the view under the cursor as the window reports it now,
// whatever point the caller passes (the host's wheel request has none).
bool Frame::wheel(DrawContext* context, const Point&, float distance)
{
    const Point where = currentLocation();
    View* target = modalView_;
    for (int32_t i = viewCount_ - 1; i >= 0 && target == nullptr; --i) {
        if (views_[i]->hit(where))
            target = views_[i];
    }
    if (target == nullptr)
        return false;
    const ViewHold hold(target);
    return target->wheel(context, where, distance);
}

void Frame::paintArea(const Rect& area)
{
    DrawContext context(*this);
    drawRect(context, area);
}

void Frame::buttonDown(const Point& where)
{
    DrawContext context(*this);
    mouse(context, where);
}

void Frame::wheelTurned(const Point& where, float distance)
{
    DrawContext context(*this);
    wheel(&context, where, distance);
}

int32_t Frame::keyPressed(const KeyEvent& key) { return keyDown(key); }

int32_t Frame::keyReleased(const KeyEvent& key) { return keyUp(key); }

}  // namespace fendwick

// The editor's child window: views, background and drawing.
#include "frame.h"

#include "bitmap.h"
#include "draw_context.h"
#include "editor_link.h"
#include "rect_ops.h"

#include <new>

namespace fendwick {
namespace {

// The view list grows by this many entries at a time.
constexpr int32_t viewCapacityStep = 20;

}  // namespace

std::unique_ptr<Frame> Frame::create(const Rect& size, void* parentWindow, EditorLink* editor)
{
    std::unique_ptr<Frame> frame(new Frame(size, parentWindow, editor));
    frame->window_ = createPlatformWindow(parentWindow, size.width(), size.height());
    if (!frame->window_)
        return nullptr;
    return frame;
}

Frame::Frame(const Rect& size, void* parentWindow, EditorLink* editor)
    : View(size), editor_(editor), parentWindow_(parentWindow), windowThread_(std::this_thread::get_id())
{
    surface_.resize(size.width(), size.height());
}

Frame::~Frame()
{
    removeAll(true);
    if (background_ != nullptr)
        background_->release();
}

void Frame::setBackground(Bitmap* background)
{
    if (background != nullptr)
        background->takeReference();
    if (background_ != nullptr)
        background_->release();
    background_ = background;
}

bool Frame::addView(View* view)
{
    if (viewCount_ == viewCapacity_) {
        const int32_t capacity = viewCapacity_ + viewCapacityStep;
        std::unique_ptr<View*[]> grown(new (std::nothrow) View*[static_cast<size_t>(capacity)]);
        if (!grown)
            return false;
        for (int32_t i = 0; i < viewCount_; ++i)
            grown[i] = views_[i];
        views_ = std::move(grown);
        viewCapacity_ = capacity;
    }
    views_[viewCount_++] = view;
    view->setParentFrame(this);
    view->attached(this);
    return true;
}

void Frame::removeView(View* view, bool releaseView)
{
    for (int32_t i = 0; i < viewCount_; ++i) {
        if (views_[i] != view)
            continue;
        for (int32_t j = i + 1; j < viewCount_; ++j)
            views_[j - 1] = views_[j];
        --viewCount_;
        if (focusView_ == view)
            focusView_ = nullptr;
        if (modalView_ == view)
            modalView_ = nullptr;
        view->removed(this);
        if (releaseView)
            view->release();
        return;
    }
}

void Frame::removeAll(bool releaseViews)
{
    focusView_ = nullptr;
    modalView_ = nullptr;
    while (viewCount_ > 0) {
        View* last = views_[--viewCount_];
        last->removed(this);
        if (releaseViews)
            last->release();
    }
    views_.reset();
    viewCapacity_ = 0;
}

bool Frame::isChild(const View* view) const
{
    for (int32_t i = 0; i < viewCount_; ++i) {
        if (views_[i] == view)
            return true;
    }
    return false;
}

View* Frame::view(int32_t index) const
{
    return index >= 0 && index < viewCount_ ? views_[index] : nullptr;
}

void Frame::setFocusView(View* view)
{
    View* previous = focusView_;
    focusView_ = view;
    if (previous != nullptr && previous != view)
        previous->loseFocus();
}

void Frame::draw(DrawContext& context)
{
    if (background_ != nullptr)
        background_->draw(context, Rect{0, 0, background_->width(), background_->height()});
    for (int32_t i = 0; i < viewCount_; ++i)
        views_[i]->draw(context);
    if (modalView_ != nullptr)
        modalView_->draw(context);
    setDirty(false);
    firstPaintDone_ = true;
}

void Frame::drawRect(DrawContext& context, const Rect& area)
{
    if (background_ != nullptr)
        background_->draw(context, area, Point{area.left, area.top});
    for (int32_t i = 0; i < viewCount_; ++i) {
        if (views_[i]->intersects(area))
            views_[i]->drawRect(context, area);
    }
    if (modalView_ != nullptr && modalView_->intersects(area))
        modalView_->drawRect(context, area);
    firstPaintDone_ = true;
}

void Frame::update(DrawContext* context)
{
    if (context == nullptr)
        return;
    if (isDirty()) {
        draw(*context);
        return;
    }
    for (int32_t i = 0; i < viewCount_; ++i)
        views_[i]->update(context);
}

void Frame::redrawViewNow(View* view)
{
    DrawContext context(*this);
    if (view != nullptr && isChild(view))
        view->draw(context);
    else
        draw(context);
}

bool Frame::anyDirty() const
{
    if (isDirty())
        return true;
    for (int32_t i = 0; i < viewCount_; ++i) {
        if (views_[i]->isDirty())
            return true;
    }
    return false;
}

void Frame::idleRedraw()
{
    if (!firstPaintDone_ || !onWindowThread() || !anyDirty())
        return;
    DrawContext context(*this);
    update(&context);
}

void Frame::idle()
{
    if (!onWindowThread())
        return;
    if (!tracking_)
        window_->processEvents(*this);
    idleRedraw();
}

bool Frame::dispatchOnePaint() { return onWindowThread() && window_->dispatchOnePaint(*this); }

void Frame::idleWait()
{
    presentPending();
    if (editor_ != nullptr)
        editor_->idleWait();
}

int32_t Frame::mouseState() const { return onWindowThread() ? window_->mouseState() : 0; }

Point Frame::currentLocation() const { return onWindowThread() ? window_->cursorPosition() : Point{}; }

void Frame::notePainted(const Rect& area) { pending_ = uniteRects(pending_, area); }

void Frame::presentPending()
{
    if (isEmptyRect(pending_) || !onWindowThread())
        return;
    window_->present(surface_, pending_);
    pending_ = Rect{};
}

}  // namespace fendwick

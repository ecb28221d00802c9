// The editor's child window: owns the views, draws them over a background
// picture and hands them clicks, keys and wheel turns.
#pragma once

#include "pixel_surface.h"
#include "platform_window.h"
#include "view.h"

#include <cstdint>
#include <memory>
#include <thread>

namespace fendwick {

class Bitmap;
class EditorLink;

// Made by the editor when the host opens it and deleted when the host closes
// it. Draws into a surface of its own size and presents what changed to its
// platform window. Everything runs on the thread that created it; from any
// other thread, idle, painting and the pointer queries do nothing.
class Frame : public View, public WindowEventSink {
public:
    // Null when no window could be made inside the parent.
    static std::unique_ptr<Frame> create(const Rect& size, void* parentWindow, EditorLink* editor);
    ~Frame() override;

    // Takes a reference to the new background and releases the old one.
    void setBackground(Bitmap* background);
    Bitmap* background() const { return background_; }

    // The frame takes over the caller's reference; false when the list
    // cannot grow.
    virtual bool addView(View* view);
    virtual void removeView(View* view, bool releaseView = true);
    virtual void removeAll(bool releaseViews = true);
    virtual bool isChild(const View* view) const;
    virtual int32_t viewCount() const { return viewCount_; }
    // Null when the index is out of range.
    virtual View* view(int32_t index) const;

    // A view drawn over all others and the only one that takes clicks.
    void setModalView(View* view) { modalView_ = view; }
    View* modalView() const { return modalView_; }
    // The previous focus view is told that it lost the focus.
    void setFocusView(View* view);
    View* focusView() const { return focusView_; }

    void draw(DrawContext& context) override;
    void drawRect(DrawContext& context, const Rect& area) override;
    void mouse(DrawContext& context, const Point& where) override;
    int32_t keyDown(const KeyEvent& key) override;
    int32_t keyUp(const KeyEvent& key) override;
    bool wheel(DrawContext* context, const Point& where, float distance) override;
    void update(DrawContext* context) override;
    EditorLink* editor() const override { return editor_; }

    // Draws the view (or, for null or a stranger, the whole frame) at once;
    // on the frame's own thread only, as editors show values there alone.
    void redrawViewNow(View* view = nullptr);
    // Draws the dirty views once the window has been painted for the first time.
    void idleRedraw();
    // Handles the window's waiting events (not while a control tracks the
    // mouse), then redraws what is dirty.
    void idle();
    // Whether a control is following the mouse inside the frame right now.
    bool isTracking() const { return tracking_; }
    // Handles one waiting paint request of the window, if any.
    bool dispatchOnePaint();
    // Presents what was drawn, then runs the editor's idle wait; controls
    // call it on every pass of a mouse drag.
    void idleWait();

    // The pointer as the window reports it now (0 off the window's thread).
    int32_t mouseState() const;
    // The cursor relative to the window's top-left corner.
    Point currentLocation() const;

    void* parentWindow() const { return parentWindow_; }
    PlatformWindow* platformWindow() const { return window_.get(); }
    // What the frame has drawn; the window shows what has been presented.
    const PixelSurface& surface() const { return surface_; }

    // WindowEventSink
    void paintArea(const Rect& area) override;
    void buttonDown(const Point& where) override;
    void wheelTurned(const Point& where, float distance) override;
    int32_t keyPressed(const KeyEvent& key) override;
    int32_t keyReleased(const KeyEvent& key) override;

private:
    friend class DrawContext;

    Frame(const Rect& size, void* parentWindow, EditorLink* editor);
    bool onWindowThread() const { return std::this_thread::get_id() == windowThread_; }
    bool anyDirty() const;
    // Offers a key to the focus view, the modal view, then the views from
    // the last added; the first answer other than -1 wins.
    int32_t offerKey(int32_t (View::*handler)(const KeyEvent&), const KeyEvent& key);
    // Called by draw contexts on this frame's surface.
    void notePainted(const Rect& area);
    void presentPending();

    EditorLink* editor_;
    void* parentWindow_;
    Bitmap* background_ = nullptr;
    int32_t viewCount_ = 0;
    int32_t viewCapacity_ = 0;
    std::unique_ptr<View*[]> views_;
    View* modalView_ = nullptr;
    View* focusView_ = nullptr;
    bool firstPaintDone_ = false;
    bool tracking_ = false;
    std::unique_ptr<PlatformWindow> window_;
    std::thread::id windowThread_;
    PixelSurface surface_;
    Rect pending_{};
};

}  // namespace fendwick

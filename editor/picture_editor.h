// The editors drawn from a product line's pictures: a frame over the line's
// background picture, the views each family builds on it, and control
// changes passed to the plug-in as the user's edits.
#pragma once

#include "control_listener.h"
#include "editor_base.h"

#include <cstdint>

namespace fendwick {

struct ArtworkTable;
class Bitmap;

// The editor is the size of its background. Open builds the frame and asks
// the family for its views; close deletes them, and the family's pointers to
// them go stale until the next open (isOpen tells). A control whose tag is
// a parameter sets that parameter and tells the host; other controls (the
// product plates) only turn their own picture.
class PictureEditor : public EditorBase, public ControlListener {
public:
    // Every picture comes from `table`, which outlives the editor.
    PictureEditor(EffectBase* owner, const ArtworkTable& table, int32_t backgroundId);
    ~PictureEditor() override;

    int32_t open(void* parent) final;
    void close() final;
    void valueChanged(DrawContext* context, Control* control) final;

protected:
    // Adds the family's views to the new frame, which shows the background.
    virtual void buildViews() = 0;
    bool isOpen() const { return opened; }

    const ArtworkTable& artwork;

private:
    Bitmap* background;
    bool opened = false;
};

}  // namespace fendwick

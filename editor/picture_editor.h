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
// a parameter sets that parameter, and those a family moves with it, and
// tells the host; other controls (the product plates) only turn their own
// picture.
class PictureEditor : public EditorBase, public ControlListener {
public:
    // Every picture comes from `table`, which outlives the editor.
    PictureEditor(EffectBase* owner, const ArtworkTable& table, int32_t backgroundId);
    ~PictureEditor() override;

    int32_t open(void* parent) final;
    void close() final;
    void valueChanged(DrawContext* context, Control* control) final;
    // A drag on a control brackets every parameter it sets, each in its own
    // begin and end edit.
    void beginEdit(int32_t tag) final;
    void endEdit(int32_t tag) final;

protected:
    static constexpr int32_t kMostEditedTogether = 4;

    // Adds the family's views to the new frame, which shows the background.
    virtual void buildViews() = 0;
    // The parameters the user's move of control `tag` sets, `tag` first;
    // answers how many. The base sets the tag alone.
    virtual int32_t editedTogether(int32_t tag, int32_t (&tags)[kMostEditedTogether]) const;
    bool isOpen() const { return opened; }

    const ArtworkTable& artwork;

private:
    // The parameters of the drag in progress, decided when it began, so that
    // what changes during the drag cannot leave a bracket open; tag -1
    // between drags.
    struct Edit {
        int32_t tag = -1;
        int32_t count = 0;
        int32_t tags[kMostEditedTogether] = {};
    };

    Bitmap* background;
    bool opened = false;
    Edit edit;
};

}  // namespace fendwick

// The frame, background and control changes every picture editor shares.
#include "picture_editor.h"

#include "bitmap.h"
#include "control.h"
#include "effect_base.h"
#include "frame.h"

namespace fendwick {

PictureEditor::PictureEditor(EffectBase* owner, const ArtworkTable& table, int32_t backgroundId)
    : EditorBase(owner), artwork(table), background(new Bitmap(table, backgroundId))
{
    setRect(background->width(), background->height());
}

PictureEditor::~PictureEditor()
{
    close();
    background->release();
}

int32_t PictureEditor::open(void* parent)
{
    EditorBase::open(parent);
    if (opened) {
        return 1;
    }
    frameWindow = Frame::create(Rect{0, 0, rect.right, rect.bottom}, parent, this);
    if (!frameWindow) {
        return 0;
    }
    frameWindow->setBackground(background);
    buildViews();
    opened = true;
    return 1;
}

void PictureEditor::close()
{
    if (closeMustWait()) {
        return;
    }
    opened = false;
    EditorBase::close();
}

void PictureEditor::valueChanged(DrawContext* context, Control* control)
{
    const int32_t tag = control->tag();
    if (tag < 0 || tag >= effect->parameterCount()) {
        return;  // a plate turns only its own picture
    }
    // A click, a wheel turn or a key moves a control without a drag.
    Edit moved = edit;
    if (moved.tag != tag) {
        moved.tag = tag;
        moved.count = editedTogether(tag, moved.tags);
    }
    for (int32_t i = 0; i < moved.count; ++i) {
        effect->setParameterAndNotify(moved.tags[i], control->value());
    }
    control->update(context);
}

void PictureEditor::beginEdit(int32_t tag)
{
    edit.tag = tag;
    edit.count = editedTogether(tag, edit.tags);
    for (int32_t i = 0; i < edit.count; ++i) {
        EditorBase::beginEdit(edit.tags[i]);
    }
}

void PictureEditor::endEdit(int32_t tag)
{
    if (tag != edit.tag) {
        EditorBase::endEdit(tag);
        return;
    }
    for (int32_t i = 0; i < edit.count; ++i) {
        EditorBase::endEdit(edit.tags[i]);
    }
    edit = Edit{};
}

int32_t PictureEditor::editedTogether(int32_t tag, int32_t (&tags)[kMostEditedTogether]) const
{
    tags[0] = tag;
    return 1;
}

}  // namespace fendwick

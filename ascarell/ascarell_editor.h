// The single-band plug-ins' editor: seven film-strip knobs, the ARC switch,
// a text display of the parameter moved last, and the product strip.
#pragma once

#include "ascarell_editor_layout.h"
#include "editor_base.h"
#include "control_listener.h"

#include <cstdint>
#include <iterator>

namespace fendwick {

class AscarellCompressor;
class Bitmap;
struct ArtworkTable;
class Control;
class ParamTextDisplay;

// Lives as long as the plug-in; open builds the frame and its controls,
// close deletes them. Controls report changes through valueChanged on the
// user-interface thread; the base shows every parameter change through
// showParameter on that thread, at once or at the next idle.
class AscarellEditor : public EditorBase, public ControlListener {
public:
    // Every picture comes from `table`, which outlives the editor.
    AscarellEditor(AscarellCompressor* owner, const ArtworkTable& table);
    ~AscarellEditor() override;

    int32_t open(void* parent) override;
    void close() override;
    void valueChanged(DrawContext* context, Control* control) override;

protected:
    void showParameter(int32_t index, float value) override;

private:
    void clearControls();

    AscarellCompressor* compressor;
    const ArtworkTable& artwork;
    Control* controls[std::size(AscarellLayout::controls)] = {};  // row by row of the layout
    ParamTextDisplay* textDisplay = nullptr;
    Control* stripButton = nullptr;
    Bitmap* background;
    bool opened = false;
};

}  // namespace fendwick

// The single-band plug-ins' editor: seven film-strip knobs, the ARC switch,
// a text display of the parameter moved last, and the product strip.
#pragma once

#include "ascarell_editor_layout.h"
#include "picture_editor.h"

#include <cstdint>
#include <iterator>

namespace fendwick {

class AscarellCompressor;
class Control;
class ParamTextDisplay;

// Lives as long as the plug-in; each open builds the controls anew. The base
// shows every parameter change through showParameter on the user-interface
// thread, at once or at the next idle.
class AscarellEditor : public PictureEditor {
public:
    // Every picture comes from `table`, which outlives the editor.
    AscarellEditor(AscarellCompressor* owner, const ArtworkTable& table);

protected:
    void buildViews() override;
    void showParameter(int32_t index, float value) override;

private:
    Control* controls[std::size(AscarellLayout::controls)] = {};  // row by row of the layout
    ParamTextDisplay* textDisplay = nullptr;
};

}  // namespace fendwick

// The three-band plug-ins' editor: per band a power, a compression and an
// ARC switch, four knobs, a threshold knob and a text naming the value moved
// last; the crossover, band input and output knobs with their value fields;
// and the product plate.
#pragma once

#include "ascarell3_editor_layout.h"
#include "picture_editor.h"

#include <cstdint>
#include <iterator>

namespace fendwick {

class MultibandCompressor;
class Control;
class ParamTextDisplay;

// Lives as long as the plug-in; each open builds the controls anew. The base
// shows every parameter change through showParameter on the user-interface
// thread, at once or at the next idle.
class MultibandEditor : public PictureEditor {
public:
    // Every picture comes from `table`, which outlives the editor.
    MultibandEditor(MultibandCompressor* owner, const ArtworkTable& table);

protected:
    void buildViews() override;
    void showParameter(int32_t index, float value) override;
    // Moving one crossover point may push the other along.
    int32_t movesAlong(int32_t index) const override;

private:
    Control* controls[std::size(Ascarell3Layout::controls)] = {};  // row by row of the layout
    ParamTextDisplay* bandTexts[kMultibandBandCount] = {};          // Hi, Mid, Lo
    ParamTextDisplay* valueFields[std::size(Ascarell3Layout::valueFields)] = {};
};

}  // namespace fendwick

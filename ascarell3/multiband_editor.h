// The three-band plug-ins' editor: per band a power, a compression and an
// ARC switch, four knobs, a threshold knob and a text naming the value moved
// last; the crossover, band input and output knobs with their value fields;
// and the product plate.
#pragma once

#include "ascarell3_editor_layout.h"
#include "control_listener.h"
#include "editor_base.h"

#include <cstdint>
#include <iterator>

namespace fendwick {

class MultibandCompressor;
class Bitmap;
struct ArtworkTable;
class Control;
class ParamTextDisplay;

// Lives as long as the plug-in; open builds the frame and its controls,
// close deletes them. Controls report changes through valueChanged on the
// user-interface thread; the base shows every parameter change through
// showParameter on that thread, at once or at the next idle.
class MultibandEditor : public EditorBase, public ControlListener {
public:
    // Every picture comes from `table`, which outlives the editor.
    MultibandEditor(MultibandCompressor* owner, const ArtworkTable& table);
    ~MultibandEditor() override;

    int32_t open(void* parent) override;
    void close() override;
    void valueChanged(DrawContext* context, Control* control) override;

protected:
    void showParameter(int32_t index, float value) override;
    // Moving one crossover point may push the other along.
    int32_t movesAlong(int32_t index) const override;

private:
    void clearControls();

    MultibandCompressor* compressor;
    const ArtworkTable& artwork;
    Control* controls[std::size(Ascarell3Layout::controls)] = {};  // row by row of the layout
    ParamTextDisplay* bandTexts[kMultibandBandCount] = {};          // Hi, Mid, Lo
    ParamTextDisplay* valueFields[std::size(Ascarell3Layout::valueFields)] = {};
    Control* panelButton = nullptr;
    Bitmap* background;
    bool opened = false;
};

}  // namespace fendwick

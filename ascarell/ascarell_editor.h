// The single-band plug-ins' editor: seven film-strip knobs, the ARC switch,
// a text display of the parameter moved last, and the product strip.
#pragma once

#include "editor_base.h"
#include "control_listener.h"

#include <cstdint>

namespace fendwick {

class AscarellCompressor;
class Bitmap;
struct ArtworkTable;
class FilmStripKnob;
class OnOffButton;
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
    FilmStripKnob* addKnob(int32_t tag, int32_t left, int32_t top, int32_t bitmapId);
    OnOffButton* addButton(int32_t tag, int32_t left, int32_t top, int32_t bitmapId);
    FilmStripKnob* knobOf(int32_t index) const;
    void clearControls();

    AscarellCompressor* compressor;
    const ArtworkTable& artwork;
    OnOffButton* arcSwitch = nullptr;
    FilmStripKnob* smallKnobs[5] = {};  // Input, Ratio, Knee, Attack, Release
    FilmStripKnob* threshKnob = nullptr;
    FilmStripKnob* outLevelKnob = nullptr;
    ParamTextDisplay* textDisplay = nullptr;
    OnOffButton* stripButton = nullptr;
    Bitmap* background;
    bool opened = false;
};

}  // namespace fendwick

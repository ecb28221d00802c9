// The character plug-ins' editor: meters of the compressor, the output and
// the limiter; switches, knobs and value fields for every parameter; and the
// product plate. Stereo and mono differ only in their layout.
#pragma once

#include "control_listener.h"
#include "editor_base.h"
#include "parameter_table.h"
#include "tolverin_editor_layout.h"

#include <cstdint>

namespace fendwick {

class Bitmap;
struct ArtworkTable;
class Control;
class MeterView;
class ParamTextDisplay;

// Lives as long as the plug-in; open builds the frame, its meters and
// controls, close deletes them. Controls report changes through
// valueChanged on the user-interface thread; the base shows every parameter
// change through showParameter, and every new meter reading through
// showDisplayValue, on that thread.
class CharacterEditor : public EditorBase, public ControlListener {
public:
    static constexpr int32_t kMostMeters = 6;
    static constexpr int32_t kMostControls = 15;
    static constexpr int32_t kMostFields = 7;

    // Every picture comes from `table` and every place from `places`, both
    // outliving the editor; `fieldText` gives a parameter's value-field text.
    CharacterEditor(EffectBase* owner, const ArtworkTable& table, const CharacterEditorLayout& places,
                    ParameterText (*fieldText)(int32_t index));
    ~CharacterEditor() override;

    int32_t open(void* parent) override;
    void close() override;
    void valueChanged(DrawContext* context, Control* control) override;

protected:
    void showParameter(int32_t index, float value) override;
    void showDisplayValue(int32_t index) override;

private:
    void clearViews();

    const ArtworkTable& artwork;
    const CharacterEditorLayout& layout;
    ParameterText (*textOf)(int32_t index);
    MeterView* meters[kMostMeters] = {};              // as the layout lists them
    Control* controls[kMostControls] = {};            // as the layout lists them
    ParamTextDisplay* fields[kMostFields] = {};       // as the layout lists them
    Control* plate = nullptr;
    Bitmap* background;
    bool opened = false;
};

}  // namespace fendwick

// The character plug-ins' editor: meters of the compressor, the output and
// the limiter; switches, knobs and value fields for every parameter; and the
// product plate. Stereo and mono differ only in their layout.
#pragma once

#include "parameter_table.h"
#include "picture_editor.h"
#include "tolverin_editor_layout.h"

#include <cstdint>

namespace fendwick {

class Control;
class MeterView;
class ParamTextDisplay;

// Lives as long as the plug-in; each open builds the meters and controls
// anew. The base shows every parameter change through showParameter, and
// every new meter reading through showDisplayValue, on the user-interface
// thread.
class CharacterEditor : public PictureEditor {
public:
    static constexpr int32_t kMostMeters = 6;
    static constexpr int32_t kMostControls = 15;
    static constexpr int32_t kMostFields = 7;

    // Every picture comes from `table` and every place from `places`, both
    // outliving the editor; `fieldText` gives a parameter's value-field text.
    CharacterEditor(EffectBase* owner, const ArtworkTable& table, const CharacterEditorLayout& places,
                    ParameterText (*fieldText)(int32_t index));

protected:
    void buildViews() override;
    void showParameter(int32_t index, float value) override;
    void showDisplayValue(int32_t index) override;

private:
    const CharacterEditorLayout& layout;
    ParameterText (*textOf)(int32_t index);
    MeterView* meters[kMostMeters] = {};         // as the layout lists them
    Control* controls[kMostControls] = {};       // as the layout lists them
    ParamTextDisplay* fields[kMostFields] = {};  // as the layout lists them
};

}  // namespace fendwick

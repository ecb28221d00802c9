// The character lines' editor: meters, switches, knobs and value fields
// placed by a layout, and the product plate. The single-band builds use it
// as it is; the three-band build adds its crossover pair and band links.
#pragma once

#include "editor_layout.h"
#include "parameter_table.h"
#include "picture_editor.h"

#include <cstdint>
#include <vector>

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
    // As the layout lists them; filled by each open, stale after close.
    std::vector<MeterView*> meters;
    std::vector<Control*> controls;
    std::vector<ParamTextDisplay*> fields;
};

}  // namespace fendwick

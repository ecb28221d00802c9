// The host's display text and the editor's text of a parameter row.
#include "parameter_table.h"

#include "bounded_text.h"

namespace fendwick {

void ParameterRow::hostText(float x, char* text, size_t capacity) const
{
    if (value == nullptr) {
        char normalized[16] = {};
        formatValueText(x, normalized);
        copyBoundedText(text, normalized, capacity);
        return;
    }
    TextBuilder out(text, capacity);
    value->write(x, out, label == nullptr || label[0] == '\0');
}

void ParameterRow::editorText(float x, char* text, size_t capacity) const
{
    TextBuilder out(text, capacity);
    out.text(caption);
    if (value != nullptr) {
        value->write(x, out, true);
    }
}

}  // namespace fendwick

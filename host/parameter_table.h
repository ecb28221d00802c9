// One row per parameter: its host name, label, and how its value reads.
#pragma once

#include "value_type.h"

#include <cstddef>
#include <cstdint>

namespace fendwick {

// Writes the text of the normalized value x into text, at most capacity
// bytes with the terminator; the shape of a text display's text function.
using ParameterText = void (*)(float x, char* text, size_t capacity);

// The host and the editor read a value through the same value type, so the
// host's display text is the number the editor shows.
struct ParameterRow {
    const char* name;        // written whole, up to 15 characters
    const char* label;       // the unit the host shows beside the display text
    const ValueType* value;  // null: the host reads the normalized value
    const char* caption;     // the editor's words before the value; null for a
                             // control whose picture says it all

    // The host's display text: the value in the label's unit, carrying the
    // unit itself where the label is empty ("2.0 : 1"); cut to capacity.
    void hostText(float x, char* text, size_t capacity) const;
    // The editor's text: caption, then the value with its unit.
    void editorText(float x, char* text, size_t capacity) const;
};

// A family's rows, indexed by parameter; a view of a constant array.
class ParameterTable {
public:
    ParameterTable() = default;
    template <size_t RowCount>
    explicit ParameterTable(const ParameterRow (&rows)[RowCount])
        : first(rows), count(static_cast<int32_t>(RowCount))
    {
    }

    int32_t size() const { return count; }
    bool contains(int32_t index) const { return index >= 0 && index < count; }
    // The row of index; null when the family has no such parameter.
    const ParameterRow* find(int32_t index) const { return contains(index) ? first + index : nullptr; }

private:
    const ParameterRow* first = nullptr;
    int32_t count = 0;
};

}  // namespace fendwick

// One row per parameter: its host name, label and the editor's text of a value.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fendwick {

// Writes the text of the normalized value x into text, at most capacity
// bytes with the terminator; the shape of a text display's text function.
using ParameterText = void (*)(float x, char* text, size_t capacity);

struct ParameterRow {
    const char* name;         // at most 8 characters, as the host's buffer allows
    const char* label;
    ParameterText valueText;  // null for a control whose picture says it all

    // What the host shows beside the label; the normalized value, eight
    // characters, for every parameter of every plug-in so far.
    void hostText(float x, char* text) const;
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

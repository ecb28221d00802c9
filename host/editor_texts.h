// The editor's texts of a family's parameter rows as plain functions, the
// shape a text display takes, and the text shown before any value.
#pragma once

#include "parameter_table.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <utility>

namespace fendwick {

// What a parameter text display shows before any parameter has changed.
void idleDisplayText(float x, char* text, size_t capacity);

// EditorTexts<rows>::of(index): the caption and value in units of the row
// `index` of the constant array `rows`; null for a row without a caption
// (a switch shows its state by its picture) and for unknown indexes.
template <const auto& Rows>
class EditorTexts {
public:
    static ParameterText of(int32_t index)
    {
        if (index < 0 || static_cast<size_t>(index) >= kCount || Rows[index].caption == nullptr) {
            return nullptr;
        }
        return kTexts[static_cast<size_t>(index)];
    }

private:
    static constexpr size_t kCount = std::size(Rows);

    template <size_t Index>
    static void text(float x, char* out, size_t capacity)
    {
        Rows[Index].editorText(x, out, capacity);
    }

    template <size_t... Index>
    static constexpr std::array<ParameterText, kCount> texts(std::index_sequence<Index...>)
    {
        return {text<Index>...};
    }

    static constexpr std::array<ParameterText, kCount> kTexts = texts(std::make_index_sequence<kCount>());
};

}  // namespace fendwick

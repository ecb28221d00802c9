// The toolkit's module-wide table of eight fonts.
#pragma once

#include <cstdint>

namespace fendwick {

// One entry of the font table: every entry is the 8-pixel "FenFont".
struct FontEntry {
    const char* faceName;
    int32_t size;
    // Entry 0 draws bold whatever style it is asked for.
    bool alwaysBold;
};

constexpr int32_t fontTableSize = 8;
extern const FontEntry fontTable[fontTableSize];

}  // namespace fendwick

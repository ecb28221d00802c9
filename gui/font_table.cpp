// The toolkit's module-wide table of eight fonts.
#include "font_table.h"

namespace fendwick {

const FontEntry fontTable[fontTableSize] = {
    {"FenFont", 8, true},  {"FenFont", 8, false}, {"FenFont", 8, false}, {"FenFont", 8, false},
    {"FenFont", 8, false}, {"FenFont", 8, false}, {"FenFont", 8, false}, {"FenFont", 8, false}};

}  // namespace fendwick

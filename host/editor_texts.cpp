// The text a parameter display shows before any value.
#include "editor_texts.h"

#include "bounded_text.h"

namespace fendwick {

void idleDisplayText(float, char* text, size_t capacity) { TextBuilder(text, capacity).text("- - - - - - - - -"); }

}  // namespace fendwick

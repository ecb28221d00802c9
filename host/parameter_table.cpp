// The host's display text of a parameter row.
#include "parameter_table.h"

#include "value_text.h"

namespace fendwick {

void ParameterRow::hostText(float x, char* text) const { formatValueText(x, text); }

}  // namespace fendwick

// The module-wide state of the library entry.
#include "plugin_entry.h"

namespace fendwick {

bool editorCreationFailed = false;

}  // namespace fendwick

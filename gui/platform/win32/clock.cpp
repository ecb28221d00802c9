// The toolkit's millisecond clock and sleep on Windows.
#include "platform_window.h"

#include <windows.h>

namespace fendwick {

uint32_t tickCountMs() { return GetTickCount(); }

void sleepMs(uint32_t milliseconds) { Sleep(milliseconds); }

}  // namespace fendwick

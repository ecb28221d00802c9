// A build without Xlib has no display to open an editor on.
#include "host_window.h"

namespace fendwick {

std::unique_ptr<HostWindow> HostWindow::open(int32_t, int32_t)
{
    return nullptr;
}

}  // namespace fendwick

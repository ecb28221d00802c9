// Taking DISPLAY out of the environment for a while.
#include "host_window.h"

#include <cstdlib>

namespace fendwick {

DisplayHidden::DisplayHidden() : wasSet_(std::getenv("DISPLAY") != nullptr)
{
    if (wasSet_) {
        saved_ = std::getenv("DISPLAY");
        unsetenv("DISPLAY");
    }
}

DisplayHidden::~DisplayHidden()
{
    if (wasSet_) {
        setenv("DISPLAY", saved_.c_str(), 1);
    }
}

}  // namespace fendwick

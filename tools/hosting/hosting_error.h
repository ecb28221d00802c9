// The one error the hosting library raises: a plug-in that cannot be loaded or created.
#pragma once

#include <stdexcept>
#include <string>

namespace fendwick {

// Carries a message fit to show a user as it is (the loader's own words where
// the loader failed).
class HostingError : public std::runtime_error {
public:
    explicit HostingError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace fendwick

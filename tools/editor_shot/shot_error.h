// The error of drawing an editor into a picture: no editor, or no file written.
#pragma once

#include <stdexcept>
#include <string>

namespace fendwick {

// Carries a message fit to show a user as it is.
class ShotError : public std::runtime_error {
public:
    explicit ShotError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace fendwick

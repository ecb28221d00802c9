// A malformed command line, answered with the usage text and exit code 2.
#pragma once

#include <stdexcept>
#include <string>

namespace fendwick {

class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace fendwick

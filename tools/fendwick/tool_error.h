// A failure the tool reports to the user and answers with exit code 1.
#pragma once

#include <stdexcept>
#include <string>

namespace fendwick {

class ToolError : public std::runtime_error {
public:
    explicit ToolError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace fendwick

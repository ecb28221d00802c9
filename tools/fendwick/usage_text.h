// The help texts of the tool and of each subcommand.
#pragma once

#include <optional>
#include <string>

namespace fendwick {

// The overview: what the tool is and its subcommands.
std::string usageText();

// The help of one subcommand; nothing for an unknown name.
std::optional<std::string> commandUsageText(const std::string& command);

}  // namespace fendwick

// Numbers in option values, read strictly: unlike a box, an option value with trailing text is an error.
#pragma once

#include <optional>
#include <string_view>

namespace kelvane::cli {

// The whole text as one finite number ("1.5", "-2e3"); nothing for anything else.
std::optional<double> ParseFiniteNumber(std::string_view text);

}  // namespace kelvane::cli

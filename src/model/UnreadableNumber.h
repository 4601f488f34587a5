// Number texts as the commands read them: a text that the reading rule would take otherwise than the user
// meant is refused before a command uses it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// The message for a box text that a command must not read: a decimal comma ("12,5", which reads as 12)
// or a number too large for the computation ("1e400"). Nothing for any other text: letters read as 0.
std::optional<std::string> UnreadableNumberMessage(std::string_view text);

}  // namespace kelvane

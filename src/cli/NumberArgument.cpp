// Reading an option value as one finite number.
#include "cli/NumberArgument.h"

#include <charconv>
#include <cmath>

namespace kelvane::cli {

std::optional<double> ParseFiniteNumber(std::string_view text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace kelvane::cli

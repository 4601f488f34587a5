#include "cli/Sweep.h"

#include <utility>

#include "cli/NumberArgument.h"

namespace kelvane::cli {

std::optional<std::vector<double>> ParseSweep(std::string_view text) {
  const std::size_t first = text.find(':');
  const std::size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const auto from = ParseFiniteNumber(text.substr(0, first));
  const auto to = ParseFiniteNumber(text.substr(first + 1, second - first - 1));
  const auto step = ParseFiniteNumber(text.substr(second + 1));
  if (!from || !to || !step) return std::nullopt;
  SweepValues sweep = MakeSweep(*from, *to, *step);
  if (sweep.fault) return std::nullopt;
  return std::move(sweep.values);
}

}  // namespace kelvane::cli

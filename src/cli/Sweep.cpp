// Parsing a sweep's range and checking it by the engine's rules, in the command line's words.
#include "cli/Sweep.h"

#include <string>

#include "cli/NumberArgument.h"
#include "model/Numbers.h"

namespace kelvane::cli {

double AsTyped(double value) { return ReadNumber(PlainNumberText(value)); }

Expected<std::vector<double>> ParseSweep(std::string_view text) {
  const std::size_t first = text.find(':');
  const std::size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
  if (second == std::string_view::npos) return Outcome::Refused("FROM:TO:STEP takes three numbers");
  const auto from = ParseFiniteNumber(text.substr(0, first));
  const auto to = ParseFiniteNumber(text.substr(first + 1, second - first - 1));
  const auto step = ParseFiniteNumber(text.substr(second + 1));
  if (!from || !to || !step) return Outcome::Refused("FROM:TO:STEP takes three finite numbers");
  return MakeSweep(
      *from, *to, *step,
      {.stepNotPositive = "STEP must be positive",
       .empty = "the range is empty: TO lies below FROM",
       .tooManyPoints = "a sweep has at most " + std::to_string(kMaxSweepPoints) + " points; take a larger STEP"});
}

}  // namespace kelvane::cli

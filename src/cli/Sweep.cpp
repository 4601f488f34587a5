#include "cli/Sweep.h"

#include <utility>

#include "cli/NumberArgument.h"

namespace kelvane::cli {
namespace {

std::string SweepFaultReason(SweepFault fault) {
  switch (fault) {
    case SweepFault::StepNotPositive: return "STEP must be positive";
    case SweepFault::Empty: return "the range is empty: TO lies below FROM";
    case SweepFault::TooManyPoints:
      return "a sweep has at most " + std::to_string(kMaxSweepPoints) + " points; take a larger STEP";
  }
  return {};
}

}  // namespace

std::optional<std::vector<double>> ParseSweep(std::string_view text, std::string* problem) {
  const auto fail = [problem](std::string reason) -> std::optional<std::vector<double>> {
    if (problem) *problem = std::move(reason);
    return std::nullopt;
  };
  const std::size_t first = text.find(':');
  const std::size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
  if (second == std::string_view::npos) return fail("FROM:TO:STEP takes three numbers");
  const auto from = ParseFiniteNumber(text.substr(0, first));
  const auto to = ParseFiniteNumber(text.substr(first + 1, second - first - 1));
  const auto step = ParseFiniteNumber(text.substr(second + 1));
  if (!from || !to || !step) return fail("FROM:TO:STEP takes three finite numbers");
  SweepValues sweep = MakeSweep(*from, *to, *step);
  if (sweep.fault) return fail(SweepFaultReason(*sweep.fault));
  return std::move(sweep.values);
}

}  // namespace kelvane::cli

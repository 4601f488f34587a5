#include "cli/Sweep.h"

#include <cmath>

#include "cli/NumberArgument.h"

namespace kelvane::cli {
namespace {

// Lets 0:1:0.1 end at 1 although (1 - 0) / 0.1 comes out a hair below 10.
constexpr double kCountTolerance = 1e-9;

}  // namespace

std::optional<std::vector<double>> ParseSweep(std::string_view text) {
  const std::size_t first = text.find(':');
  const std::size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const auto from = ParseFiniteNumber(text.substr(0, first));
  const auto to = ParseFiniteNumber(text.substr(first + 1, second - first - 1));
  const auto step = ParseFiniteNumber(text.substr(second + 1));
  if (!from || !to || !step || *step <= 0) return std::nullopt;

  const double count = std::floor((*to - *from) / *step + kCountTolerance) + 1;
  if (!(count >= 1 && count <= kMaxSweepPoints)) return std::nullopt;
  std::vector<double> points(static_cast<std::size_t>(count));
  for (std::size_t k = 0; k < points.size(); ++k) points[k] = *from + static_cast<double>(k) * *step;
  return points;
}

}  // namespace kelvane::cli

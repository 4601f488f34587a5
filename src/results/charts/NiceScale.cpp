// Axis ranges and tick steps that read well: 1, 2 or 5 times a power of ten.
#include "results/charts/NiceScale.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace kelvane::charts {
namespace {

constexpr std::array<int, 3> kMantissas{1, 2, 5};
// A range this many steps from zero has ticks that a double cannot tell apart.
constexpr double kLargestTickIndex = 1e15;
// Lets a value that lies on a tick by rounding count as lying on it.
constexpr double kOnTick = 1e-9;
// An empty range around a value other than zero is widened by this share of the value.
constexpr double kWidening = 0.1;
// Fixed decimals read well from this step up to this size of value; exponent form outside.
constexpr double kSmallestFixedStep = 1e-4;
constexpr double kLargestFixedValue = 1e6;

// mantissa * 10^exponent, with mantissa 1, 2 or 5.
struct Step {
  int mantissa = 1;
  int exponent = 0;

  // k steps, computed so that decimal ticks come out as the nearest double: 3 * 0.1 gives 0.3.
  double Times(long long k) const {
    const double count = static_cast<double>(k) * mantissa;
    return exponent >= 0 ? count * std::pow(10.0, exponent) : count / std::pow(10.0, -exponent);
  }
  double Value() const { return Times(1); }
  Step Next() const { return mantissa == 5 ? Step{1, exponent + 1} : Step{mantissa == 1 ? 2 : 5, exponent}; }
};

Step NiceStepOf(double rough) {
  const int exponent = static_cast<int>(std::floor(std::log10(rough)));
  for (const int mantissa : kMantissas) {
    const Step step{mantissa, exponent};
    if (step.Value() >= rough) return step;
  }
  return Step{1, exponent + 1};
}

// A range whose ticks could not be told apart keeps its ends as its only ticks.
Axis PlainAxis(std::string title, double low, double high) {
  return Axis{.title = std::move(title), .min = low, .max = high, .ticks = {low, high}, .step = high - low};
}

// Ticks at a 1-2-5 step inside [low, high], or, with `roundEnds`, a range widened to the ticks around it.
Axis MakeAxis(std::string title, double low, double high, int maxTicks, bool roundEnds) {
  if (!std::isfinite(low) || !std::isfinite(high)) {
    low = 0;
    high = 1;
  }
  if (low > high) std::swap(low, high);
  if (low == high) {
    const double widening = low == 0 ? 1 : std::abs(low) * kWidening;
    low -= widening;
    high += widening;
  }
  const double range = high - low;
  if (!std::isfinite(range) || maxTicks < 2) return PlainAxis(std::move(title), low, high);

  Step step = NiceStepOf(range / (maxTicks - 1));
  long long first = 0, last = 0;
  for (;;) {
    const double size = step.Value();
    if (std::abs(low / size) > kLargestTickIndex || std::abs(high / size) > kLargestTickIndex)
      return PlainAxis(std::move(title), low, high);
    if (roundEnds) {
      first = static_cast<long long>(std::floor(low / size + kOnTick));
      last = static_cast<long long>(std::ceil(high / size - kOnTick));
      if (step.Times(first) > low) --first;
      if (step.Times(last) < high) ++last;
    } else {
      first = static_cast<long long>(std::ceil(low / size));
      last = static_cast<long long>(std::floor(high / size));
      if (step.Times(first) < low) ++first;
      if (step.Times(last) > high) --last;
    }
    if (last - first <= maxTicks - 1) break;
    step = step.Next();
  }

  Axis axis{.title = std::move(title),
            .min = roundEnds ? step.Times(first) : low,
            .max = roundEnds ? step.Times(last) : high,
            .ticks = {},
            .step = step.Value()};
  for (long long k = first; k <= last; ++k) axis.ticks.push_back(step.Times(k));
  return axis;
}

}  // namespace

double NiceStep(double rough) { return NiceStepOf(rough).Value(); }

Axis NiceAxis(std::string title, double low, double high, int maxTicks) {
  return MakeAxis(std::move(title), low, high, maxTicks, true);
}

Axis AxisWithin(std::string title, double low, double high, int maxTicks) {
  return MakeAxis(std::move(title), low, high, maxTicks, false);
}

std::string TickLabel(double value, double step) {
  std::array<char, 64> buffer{};
  char* const begin = buffer.data();
  char* const end = begin + buffer.size();
  std::to_chars_result written{};
  if (value == 0) return "0";
  if (step >= kSmallestFixedStep && std::abs(value) < kLargestFixedValue) {
    const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(step) - kOnTick)));
    written = std::to_chars(begin, end, value, std::chars_format::fixed, decimals);
  } else {
    const int digits = std::max(0, static_cast<int>(std::floor(std::log10(std::abs(value)) + kOnTick) -
                                                    std::floor(std::log10(step) + kOnTick)));
    written = std::to_chars(begin, end, value, std::chars_format::scientific, digits);
  }
  return std::string(begin, written.ptr);
}

}  // namespace kelvane::charts

// Sweeps of operating points: the values of a range, and the wing solved at each.
#include "results/Polar.h"

#include <cmath>

#include <algorithm>
#include <memory>

#include "model/Counts.h"
#include "solver/SolveLiftingLine.h"

namespace kelvane {
namespace {

// Lets 0:1:0.1 end at 1 although (1 - 0) / 0.1 comes out a hair below 10.
constexpr double kCountTolerance = 1e-9;

}  // namespace

Expected<std::vector<double>> MakeSweep(double from, double to, double step, const SweepMessages& messages) {
  if (!(step > 0)) return Outcome::Refused(messages.stepNotPositive);
  const double count = std::floor((to - from) / step + kCountTolerance) + 1;
  if (!(count >= 1)) return Outcome::Refused(messages.empty);
  if (count > kMaxSweepPoints) return Outcome::Refused(messages.tooManyPoints);
  std::vector<double> values(static_cast<std::size_t>(count));
  for (std::size_t k = 0; k < values.size(); ++k) values[k] = from + static_cast<double>(k) * step;
  return values;
}

Polar SolvePolar(const Module_ortak& record, SystemCache& cache, SolutionMode mode, std::span<const double> values,
                 std::span<const Flap> flaps) {
  const auto copy = std::make_unique<Module_ortak>(record);  // on the heap: the record holds two matrices
  Polar polar;
  polar.points.reserve(values.size());
  for (const double value : values) {
    if (const auto solved = SolveAt(*copy, cache, mode, value, flaps); !solved) {
      polar.stop = solved.Refusal();
      polar.stoppedAt = value;
      break;
    }
    polar.points.push_back({.AlfaK = copy->AlfaK, .CL = copy->CL, .CDi = copy->CDi});
  }
  return polar;
}

bool SameWingInputs(const Module_ortak& first, const Module_ortak& second) {
  const auto same = [&first, &second](double Module_ortak::*number) { return first.*number == second.*number; };
  for (const auto number :
       {&Module_ortak::Pi, &Module_ortak::PiHalf, &Module_ortak::Voo, &Module_ortak::S, &Module_ortak::AR,
        &Module_ortak::b, &Module_ortak::cOrt, &Module_ortak::N, &Module_ortak::SemiSpan, &Module_ortak::AszK,
        &Module_ortak::Alfa0K, &Module_ortak::AszU, &Module_ortak::Alfa0U, &Module_ortak::dAlfa})
    if (!same(number)) return false;
  // The stations from the tip (0) to the root (N); entries past N are left from older wings.
  const std::size_t entries = static_cast<std::size_t>(StationCount(first).value_or(0)) + 1;
  const auto sameStations = [&first, &second, entries](StationTable Module_ortak::*table) {
    return std::equal((first.*table).begin(), (first.*table).begin() + entries, (second.*table).begin());
  };
  return sameStations(&Module_ortak::theta) && sameStations(&Module_ortak::y) && sameStations(&Module_ortak::c);
}

}  // namespace kelvane

// The stall onset of the linear model, from two solutions and each station's maximum lift.
#include "results/StallOnset.h"

#include <cmath>
#include <vector>

#include <memory>
#include "model/Counts.h"

namespace kelvane {
namespace {

// The two root angles of the linear model, degrees: their lift difference is the lift per degree.
constexpr double kLowerAngle = 0;
constexpr double kUpperAngle = 1;

}  // namespace

std::optional<StallOnset> LinearStallOnset(std::span<const StationLift> stations, double CL0, double CL1) {
  std::optional<StallOnset> onset;
  for (std::size_t k = 0; k < stations.size(); ++k) {
    const StationLift& station = stations[k];
    const double s = station.cl1 - station.cl0;
    if (!(s > 0)) continue;
    const double alfa = (station.clmax - station.cl0) / s;
    if (onset && !(alfa < onset->AlfaK)) continue;
    onset = StallOnset{.AlfaK = alfa, .y = station.y, .station = static_cast<int>(k) + 1};
  }
  if (onset) onset->CL = CL0 + onset->AlfaK * (CL1 - CL0);
  return onset;
}

Expected<std::optional<StallOnset>> FindStallOnset(const Module_ortak& record, SystemCache& cache,
                                                   const SectionMaxLift& maxLift, std::span<const Flap> flaps) {
  const auto copy = std::make_unique<Module_ortak>(record);  // on the heap: the record holds two matrices
  Module_ortak& m = *copy;
  const int n = StationCount(m).value_or(0);
  std::vector<StationLift> stations(n);
  for (int i = 1; i <= n; ++i) {
    stations[i - 1].y = m.y[i];
    stations[i - 1].clmax = StationMaxLift(m, maxLift, i);
  }

  if (const auto solved = SolveAt(m, cache, SolutionMode::GivenAngle, kLowerAngle, flaps); !solved)
    return solved.Refusal();
  const double CL0 = m.CL;
  for (int i = 1; i <= n; ++i) stations[i - 1].cl0 = LocalLiftCoefficient(m, i);

  if (const auto solved = SolveAt(m, cache, SolutionMode::GivenAngle, kUpperAngle, flaps); !solved)
    return solved.Refusal();
  const double CL1 = m.CL;
  for (int i = 1; i <= n; ++i) stations[i - 1].cl1 = LocalLiftCoefficient(m, i);

  // A clmax beyond reach of the linear model (1e308) puts the onset at an infinite angle and CL: no onset
  // to show, the same refusal as any other result that would not be finite.
  const std::optional<StallOnset> onset = LinearStallOnset(stations, CL0, CL1);
  if (onset && !(std::isfinite(onset->AlfaK) && std::isfinite(onset->CL))) return Outcome::Refused(kNotFiniteMessage);
  return onset;
}

}  // namespace kelvane

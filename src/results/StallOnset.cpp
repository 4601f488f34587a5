#include "results/StallOnset.h"

#include <cmath>
#include <vector>

#include "model/Counts.h"
#include "model/Module_ortak.h"
#include "model/SavedRecord.h"

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

StallSearch FindStallOnset(const SectionMaxLift& maxLift) {
  const SavedRecord saved;
  const int n = StationCount().value_or(0);
  std::vector<StationLift> stations(n);
  for (int i = 1; i <= n; ++i) {
    stations[i - 1].y = ortak.y[i];
    stations[i - 1].clmax = StationMaxLift(maxLift, i);
  }

  if (const SolveOutcome solved = SolveAt(SolutionMode::GivenAngle, kLowerAngle); !solved)
    return {solved.fault, std::nullopt};
  const double CL0 = ortak.CL;
  for (int i = 1; i <= n; ++i) stations[i - 1].cl0 = LocalLiftCoefficient(i);

  if (const SolveOutcome solved = SolveAt(SolutionMode::GivenAngle, kUpperAngle); !solved)
    return {solved.fault, std::nullopt};
  const double CL1 = ortak.CL;
  for (int i = 1; i <= n; ++i) stations[i - 1].cl1 = LocalLiftCoefficient(i);

  // A clmax beyond reach of the linear model (1e308) puts the onset at an infinite angle and CL: no onset
  // to show, the same refusal as any other result that would not be finite.
  const std::optional<StallOnset> onset = LinearStallOnset(stations, CL0, CL1);
  if (onset && !(std::isfinite(onset->AlfaK) && std::isfinite(onset->CL))) return {SolveFault::NotFinite, std::nullopt};
  return {std::nullopt, onset};
}

}  // namespace kelvane

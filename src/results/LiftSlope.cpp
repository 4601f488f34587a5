// The lift-curve slope from two solutions of the linear model.
#include "results/LiftSlope.h"

#include <array>

#include "results/Polar.h"

namespace kelvane {
namespace {

// The two root angles, degrees, one degree apart.
constexpr std::array<double, 2> kAngles{0, 1};

}  // namespace

Expected<LiftSlope> LiftCurveSlope(const Module_ortak& record, SystemCache& cache, std::span<const Flap> flaps) {
  const Polar polar = SolvePolar(record, cache, SolutionMode::GivenAngle, kAngles, flaps);
  if (polar.stop.IsRefused()) return polar.stop;
  return LiftSlope{.dCLdAlfa = (polar.points[1].CL - polar.points[0].CL) / (kAngles[1] - kAngles[0])};
}

}  // namespace kelvane

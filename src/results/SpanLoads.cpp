// Lift, shear and bending moment along the semi-span from the solution's sine series, and the wing's forces.
#include "results/SpanLoads.h"

#include <cmath>
#include <utility>

#include "model/Counts.h"
#include "solver/LiftingLine.h"

namespace kelvane {
namespace {

// I_n: the integral of sin(n t)·sin t over t = 0..theta, for odd n; n = 1 has no n − 1 to divide by.
double ShearIntegral(double n, double theta) {
  if (n == 1) return (theta - std::sin(2 * theta) / 2) / 2;
  return (std::sin((n - 1) * theta) / (n - 1) - std::sin((n + 1) * theta) / (n + 1)) / 2;
}

// J_n: the integral of sin(n t)·sin t·cos t over t = 0..theta, for odd n (n = 1 divides by n − 2 = −1).
double MomentIntegral(double n, double theta) {
  return (std::sin((n - 2) * theta) / (n - 2) - std::sin((n + 2) * theta) / (n + 2)) / 4;
}

bool LoadsFinite(const SpanLoads& loads) {
  for (const StationLoad& s : loads.stations)
    if (!std::isfinite(s.y) || !std::isfinite(s.l) || !std::isfinite(s.Q) || !std::isfinite(s.M)) return false;
  return std::isfinite(loads.Q0) && std::isfinite(loads.M0) && std::isfinite(loads.L) && std::isfinite(loads.Di) &&
         std::isfinite(loads.Dp.value_or(0)) && std::isfinite(loads.D.value_or(0));
}

}  // namespace

Outcome CheckAirDensity(double rho) {
  if (!(rho > 0 && std::isfinite(rho))) return Outcome::Refused(kAirDensityMessage);
  return Outcome::Done();
}

ShearAndMoment ShearAndMomentAt(const Module_ortak& m, int n, double rho, double theta) {
  const double K = 4 * rho * (m.Voo * m.Voo);
  const double s = m.SemiSpan;
  const double cosTheta = std::cos(theta);
  double shearSum = 0;
  double momentSum = 0;
  for (int j = 1; j <= n; ++j) {
    const double shearIntegral = ShearIntegral(Harmonic(j), theta);
    shearSum = shearSum + m.An[j] * shearIntegral;
    momentSum = momentSum + m.An[j] * (MomentIntegral(Harmonic(j), theta) - cosTheta * shearIntegral);
  }
  return {K * (s * s) * shearSum, K * (s * s * s) * momentSum};
}

Outcome ComputeSpanLoads(const Module_ortak& m, double rho, std::optional<double> CDp, SpanLoads& loads) {
  if (Outcome density = CheckAirDensity(rho); density.IsRefused()) return density;
  const std::optional<int> count = WholeCount(m.N, kMaxStationCount);
  if (!count) return Outcome::Refused(kNotFiniteMessage);
  const int n = *count;

  SpanLoads result;
  result.stations.reserve(n);
  for (int i = 1; i <= n; ++i) {
    const ShearAndMoment station = ShearAndMomentAt(m, n, rho, m.theta[i]);
    result.stations.push_back({.y = m.y[i], .l = rho * m.Voo * m.Gamma[i], .Q = station.Q, .M = station.M});
  }
  const ShearAndMoment root = ShearAndMomentAt(m, n, rho, m.PiHalf);
  result.Q0 = root.Q;
  result.M0 = root.M;
  const double dynamicPressure = 0.5 * rho * (m.Voo * m.Voo);
  result.L = dynamicPressure * m.S * m.CL;
  result.Di = dynamicPressure * m.S * m.CDi;
  if (CDp) {
    result.Dp = dynamicPressure * m.S * *CDp;
    result.D = result.Di + *result.Dp;
  }
  if (!LoadsFinite(result)) return Outcome::Refused(kNotFiniteMessage);
  loads = std::move(result);
  return Outcome::Done();
}

}  // namespace kelvane

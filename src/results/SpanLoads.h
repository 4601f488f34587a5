// The loads a solved wing carries, in newtons: lift per unit span, shear and bending moment along the
// semi-span, and the whole wing's lift and drag at a given air density.
//
// Reads N, theta, y, Gamma, An, SemiSpan, Voo, PiHalf, S, CL, CDi; writes nothing to the record.
#pragma once

#include <optional>
#include <vector>

#include "model/Module_ortak.h"
#include "model/Outcome.h"

namespace kelvane {

inline constexpr double kSeaLevelAirDensity = 1.225;  // kg/m³, the standard atmosphere at sea level
inline constexpr const char* kAirDensityMessage = "Hava yoğunluğu ρ sıfırdan büyük, sonlu bir sayı olmalıdır";

// Refuses a density that is not positive and finite, with kAirDensityMessage.
Outcome CheckAirDensity(double rho);

struct StationLoad {
  double y = 0;  // m
  double l = 0;  // lift per unit span, N/m
  double Q = 0;  // shear, N: the lift from the station out to the tip
  double M = 0;  // bending moment, N·m, of that lift about the station
};

struct ShearAndMoment {
  double Q = 0;  // N
  double M = 0;  // N·m
};

struct SpanLoads {
  std::vector<StationLoad> stations;  // station i = 1..N at index i - 1: next to the tip first, root last
  double Q0 = 0;                      // shear at the root, N: half the wing's lift
  double M0 = 0;                      // root bending moment, N·m
  double L = 0;                       // the wing's lift, N
  double Di = 0;                      // induced drag, N
  std::optional<double> Dp;           // profile drag, N, when a profile drag coefficient is given
  std::optional<double> D;            // Di + Dp
};

// Q and M at station angle theta, the sine series integrated exactly harmonic by harmonic over stations
// 1..n's coefficients: Q = K·s²·Σ a_n·I_n, M = K·s³·Σ a_n·(J_n − cos θ·I_n) with K = 4·ρ·Voo².
ShearAndMoment ShearAndMomentAt(const Module_ortak& m, int n, double rho, double theta);

// The loads of the solution in the record at density rho; Dp and D only with the profile drag coefficient
// CDp. Refuses a bad density, a record without a station count and a load that is not finite, leaving
// loads untouched.
Outcome ComputeSpanLoads(const Module_ortak& m, double rho, std::optional<double> CDp, SpanLoads& loads);

}  // namespace kelvane

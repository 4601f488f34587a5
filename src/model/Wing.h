// A wing as values: everything a configuration file holds, the station count and which two planform
// parameters are taken as given. It is what the engine solves; the window holds the same in its boxes.
// A default Wing is the wing the window starts with.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "model/Flap.h"
#include "model/Module_ortak.h"

namespace kelvane {

enum class PlanformType { Elliptic, Trapezoidal };

// The planform parameters ticked as given; the window starts with S and AR.
struct PlanformInputs {
  bool S = true;
  bool AR = true;
  bool b = false;
  bool cOrt = false;
  bool operator==(const PlanformInputs&) const = default;
};

inline constexpr double kStartArea = 10;
inline constexpr double kStartAspectRatio = 10;
inline constexpr double kStartMeanChord = 1;
inline constexpr double kStartSpan = 10;
inline constexpr double kStartRootAngle = 10;
inline constexpr double kStartSpeed = 1;
inline constexpr const char* kStartStations = "15";
inline const double kStartSectionSlope = 2 * (4 * std::atan(1.0));  // 2π per radian, thin-airfoil theory

struct Wing {
  double S = kStartArea;
  double AR = kStartAspectRatio;
  double b = kStartSpan;
  double cOrt = kStartMeanChord;
  PlanformInputs given;
  // Nothing when neither planform type is chosen: the planform command then asks for one.
  std::optional<PlanformType> planform = PlanformType::Elliptic;
  // The panels, rows 1..nTrap, used by the trapezoidal type; nTrap is kept as read, whole or not.
  double nTrap = 1;
  TrapezoidTable ks{0, 1};
  TrapezoidTable kc{0, 1};
  double dAlfa = 0;
  double AszK = kStartSectionSlope;
  double Alfa0K = 0;
  double AszU = kStartSectionSlope;
  double Alfa0U = 0;
  double CL = 0;
  double AlfaK = kStartRootAngle;
  // The station count as typed: the planform command judges the text.
  std::string stations = kStartStations;
  // Beyond the window's wing: flaps, on the solutions of the wing solver.
  std::vector<Flap> flaps;
};

}  // namespace kelvane

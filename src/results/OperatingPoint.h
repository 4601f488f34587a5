// One solved operating point at full precision: the wing, then its equivalent elliptic wing.
#pragma once

#include <array>
#include <utility>

namespace kelvane {

struct OperatingPoint {
  double AlfaK = 0;  // root angle, degrees
  double CL = 0;
  double CDi = 0;
  double E = 0;      // CL / CDi
  double AlfE = 0;   // the elliptic wing's angle, degrees
  double CDiE = 0;
  double EE = 0;
};

// The values by their names, in the order tables and reports give them; each name is also its result box's
// name without "Text_".
inline constexpr std::array<std::pair<const char*, double OperatingPoint::*>, 7> kOperatingPointValues{{
    {"AlfaK", &OperatingPoint::AlfaK},
    {"CL", &OperatingPoint::CL},
    {"CDi", &OperatingPoint::CDi},
    {"E", &OperatingPoint::E},
    {"AlfE", &OperatingPoint::AlfE},
    {"CDiE", &OperatingPoint::CDiE},
    {"EE", &OperatingPoint::EE},
}};

}  // namespace kelvane

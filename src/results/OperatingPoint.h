// One solved operating point at full precision: the wing, then its equivalent elliptic wing.
#pragma once

namespace kelvane {

struct OperatingPoint {
  double AlfaK = 0;  // root angle, degrees
  double CL = 0;
  double CDi = 0;
  double E = 0;     // CL / CDi
  double AlfE = 0;  // the elliptic wing's angle, degrees
  double CDiE = 0;
  double EE = 0;
};

}  // namespace kelvane

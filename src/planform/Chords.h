// The chord at every station, for an elliptic planform or one to four trapezoidal panels.
#pragma once

#include <array>
#include <string>

#include "model/Module_ortak.h"

namespace kelvane {

inline constexpr int kMaxPanels = 4;
inline constexpr const char* kPanelCountMessage = "Trapez sayısı 1 ile 4 arasında olmalıdır";

// Fills entries 0..N of the given chord table with the ellipse of span 2*SemiSpan and aspect ratio AR.
void Planform_Eliptik(StationTable& c);

// The texts of the trapezoid boxes: the panel count and, for panels 1..4, the end fraction and chord ratio.
struct TrapezInput {
  std::string nTrap;
  std::array<std::string, kMaxPanels + 1> ks;  // index 1..4
  std::array<std::string, kMaxPanels + 1> kc;  // index 1..4
};

// Reads the panels into nTrap, ks and kc, fills yTrap, cTrap and c(0..N). Rejects a panel count that is not
// a whole number from 1 to 4, panel ends that do not fall strictly from ks(1) = 1 towards the root, and
// chord ratios that are not positive: it then sets InputError, changes no chord and returns the message.
std::string Planform_Trapez(const TrapezInput& input);

}  // namespace kelvane

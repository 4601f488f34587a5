// The chord at every station, for an elliptic planform or one to four trapezoidal panels, and the
// panel-count rule that every place taking a panel count follows.
//
// Step              Reads                                 Writes
// Planform_Eliptik  N, y, SemiSpan, AR, Pi                the given chord table, entries 0..N
// Planform_Trapez   the panel boxes; S, b, SemiSpan, N, y  nTrap, ks and kc (1..nTrap + 1), yTrap and cTrap
//                                                         (1..nTrap + 1), c(0..N); InputError when refused
#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/Counts.h"
#include "model/Module_ortak.h"
#include "model/Outcome.h"

namespace kelvane {

// The panel-count rule. The window has rows for panels 1..4 and the panel tables reach entry nTrap + 1, so
// a count outside 1..4 is refused with kPanelCountMessage wherever it is taken. The count box and the
// configuration writer and reader ask no more than that (2.5 shows, saves and reads back panels 1 and 2);
// building the chords takes a whole number of panels only.
inline constexpr int kMaxPanels = 4;
inline constexpr const char* kPanelCountMessage = "Trapez sayısı 1 ile 4 arasında olmalıdır";

inline bool PanelCountInRange(double count) { return count >= 1 && count <= kMaxPanels; }
inline std::optional<int> WholePanelCount(double count) { return WholeCount(count, kMaxPanels); }

// Fills entries 0..N of the given chord table (usually m.c) with the ellipse of span 2*SemiSpan and aspect ratio AR;
// nothing when N is no station count.
void Planform_Eliptik(const Module_ortak& m, StationTable& c);

// The texts of the trapezoid boxes: the panel count and, for panels 1..4, the end fraction and chord ratio.
struct TrapezInput {
  std::string nTrap;
  std::array<std::string, kMaxPanels + 1> ks;  // index 1..4
  std::array<std::string, kMaxPanels + 1> kc;  // index 1..4
};

// Reads the panels into nTrap, ks and kc and builds the chords. Refuses a panel count that is not a whole
// number from 1 to 4, panel ends that do not fall strictly from ks(1) = 1 towards the root, chord ratios
// that are not positive, and a wing whose size gives no usable root chord: it then raises InputError and
// changes no field but that.
Outcome Planform_Trapez(Module_ortak& m, const TrapezInput& input);

}  // namespace kelvane

// Where and at which root angle the wing's first section reaches its maximum lift. The lifting-line model
// is linear in the root angle, so two given-angle solutions (0 and 1 degree) give every station's local
// lift at any angle.
//
// FindStallOnset reads N, y, SemiSpan and what SolveLiftingLine reads from the given record, and solves on
// a copy of it: the record stays as it was.
#pragma once

#include <optional>
#include <span>

#include "results/SpanwiseResults.h"
#include "solver/SolveLiftingLine.h"

namespace kelvane {

struct StallOnset {
  double AlfaK = 0;  // root angle, degrees
  double CL = 0;     // wing lift coefficient at that angle
  double y = 0;      // spanwise position of the station that stalls first, m
  int station = 0;   // its index i
};

// One station as the linear model sees it: its local lift at root angles 0 and 1 degree.
struct StationLift {
  double y = 0;
  double clmax = 0;
  double cl0 = 0;
  double cl1 = 0;
};

// The smallest root angle at which a station whose lift grows with the angle reaches its clmax (the first
// such station on ties; stations[k] is station k + 1), and the wing's CL there from CL0 and CL1 at 0 and
// 1 degree. Nothing when no station's lift grows with the angle.
std::optional<StallOnset> LinearStallOnset(std::span<const StationLift> stations, double CL0, double CL1);

// Solves the wing in the record (with the flaps, if any) at root angles 0 and 1 degree and finds its stall
// onset (nothing when no station's lift grows with the angle); refused when one of the two solutions is, or
// when the onset's angle or CL would not be finite.
Expected<std::optional<StallOnset>> FindStallOnset(const Module_ortak& record, SystemCache& cache,
                                                   const SectionMaxLift& maxLift, std::span<const Flap> flaps = {});

}  // namespace kelvane

// The solve command's computation as the window runs it, on the texts of its boxes: the sections, the
// twist and the operating point are read into the record, the wing is solved and the report blocks of the
// solution are put together. The window and the wing solver both run it, so both refuse the same input
// with the same message and report the same bytes.
#pragma once

#include <span>
#include <string>

#include "model/Flap.h"
#include "model/Module_ortak.h"
#include "model/Outcome.h"
#include "solver/LiftingLine.h"
#include "solver/SystemCache.h"

namespace kelvane {

struct SolveInputs {
  std::string AszK, AszU, Alfa0K, Alfa0U, dAlfa;
  SolutionMode mode = SolutionMode::GivenAngle;
  std::string operatingPoint;  // the root angle in degrees, or CL
  bool detail = false;         // the detailed report blocks
};

struct SolvedInputs {
  EllipticWingResult elliptic;
  std::string report;  // every report block of this solution, in order
};

// Refuses a text the reading rule would take otherwise than meant, then solves, with the flaps (checked
// against the wing already) lowering their stations' zero-lift angles right after SectionTables. The record
// keeps what the stages wrote before a refusal.
Expected<SolvedInputs> SolveFromInputs(Module_ortak& m, SystemCache& cache, const SolveInputs& inputs,
                                       std::span<const Flap> flaps = {});

// The texts the window's boxes hold for these values.
SolveInputs InputsAsShown(double AszK, double AszU, double Alfa0K, double Alfa0U, double dAlfa, SolutionMode mode,
                          double operatingPoint, bool detail);

}  // namespace kelvane

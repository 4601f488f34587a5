// The planform command's steps as the window runs them, on the texts of its boxes: the check that every
// number text can be read, the planform parameters, the stations and the chords. The window and the wing
// solver both run it, so both refuse the same input with the same message.
//
// Reads the texts below and the record's constants; writes what PlanPar, yDist and the chord step write.
#pragma once

#include <optional>
#include <string>

#include "model/Module_ortak.h"
#include "model/Outcome.h"
#include "model/Wing.h"
#include "planform/Chords.h"
#include "planform/PlanPar.h"

namespace kelvane {

inline constexpr const char* kChoosePlanformType = "Üst görünüm şeklini seçiniz";

struct PlanformTexts {
  PlanParInput parameters;
  std::string stations;
  std::optional<PlanformType> type;  // nothing when neither type is chosen
  TrapezInput panels;                // read only for the trapezoidal type
};

struct PlanformSteps {
  Outcome outcome;
  // PlanPar went through: the four parameters in the record are the ones the window shows from now on,
  // whatever a later step said.
  bool parametersResolved = false;
};

// Stops at the first step that refuses.
PlanformSteps RunPlanformSteps(Module_ortak& m, const PlanformTexts& texts);

// The texts the window's boxes hold for a wing: each number as the box shows it.
PlanformTexts WingPlanformTexts(const Wing& wing);

}  // namespace kelvane

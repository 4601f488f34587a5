// Wings for the section-polar tests and benchmarks: a record after the planform command and the linear
// solution, copied out of the program-wide record. The one place the polar tests reach that record.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "model/Module_ortak.h"
#include "solver/SolveLiftingLine.h"
#include "testkit/WingOnRecord.h"
#include "ui/DeferredWrites.h"
#include "ui/Form_Wing.h"

namespace kelvane::testing {

// A record on the heap: it holds four 102 x 102 matrices.
using Record = std::unique_ptr<Module_ortak>;

// The record after the linear solution of wing at a root angle in degrees (given angle) or at a CL.
inline Record LinearSolution(const Module_ortak& wing, SolutionMode mode, double value) {
  ortak = wing;
  if (!SolveAt(mode, value)) throw std::runtime_error("the linear solution was refused");
  return std::make_unique<Module_ortak>(ortak);
}

// Sections the same from root to tip.
struct Sections {
  double slope = kTwoPiAsSaved;  // per radian
  double zeroLift = 0;           // degrees
  double twist = 0;              // degrees at the tip
};

// b = S = AR = 10 with n stations, elliptic (taper nothing) or straight-tapered, solved at a root angle of 0.
inline Record TenByTenWing(int n, std::optional<double> taper, const Sections& sections) {
  ResetModuleOrtak();
  PlaceStations(10, 10, 10, n);
  if (taper) {
    TaperedChords(*taper);
  } else {
    EllipticChords();
  }
  UniformSections(sections.slope);
  ortak.Alfa0K = ortak.Alfa0U = sections.zeroLift;
  ortak.dAlfa = sections.twist;
  return LinearSolution(ortak, SolutionMode::GivenAngle, 0);
}

// The planform parameters ticked as given.
struct PlanformTicks {
  bool S = true;
  bool AR = true;
  bool b = false;
  bool cOrt = false;
};

// The wing of a configuration file read through the window with the station text and ticks, solved at a
// root angle of 0. Nothing of the window's files is written.
inline Record ConfigWing(const std::filesystem::path& config, const std::optional<std::string>& stations,
                         const PlanformTicks& ticks) {
  ResetModuleOrtak();
  ui::Form_Wing form;
  ui::DeferredWrites held(form);
  form.Form_Load();
  held.Discard();  // the read writes what is held first
  if (stations) form.Text_N.SetText(*stations);
  form.Check_Area.SetValue(ticks.S);
  form.Check_AR.SetValue(ticks.AR);
  form.Check_b.SetValue(ticks.b);
  form.Check_cOrt.SetValue(ticks.cOrt);
  form.ConfigFileName = config.string();
  const bool read = form.ReadAnExistingConfig_from_aFile() && form.Messages().empty();
  held.Discard();
  if (!read) throw std::runtime_error("the configuration was refused: " + config.string());
  return LinearSolution(ortak, SolutionMode::GivenAngle, 0);
}

}  // namespace kelvane::testing

// The wing solver: the planform command and the solve command on a record of its own.
#include "results/WingSolver.h"

#include <cmath>

#include "graphics/PlotSurface.h"
#include "graphics/Plots.h"
#include "planform/PlanformCommand.h"
#include "solver/Flaps.h"
#include "solver/Report.h"
#include "solver/SolveInputs.h"

namespace kelvane {
namespace {

// The planform drawing also fills the elliptic wing's outline for panels into the record; without a
// window it draws nowhere.
class NoPicture : public PlotSurface {
 public:
  void SetUserScale(double, double, double, double) override {}
  void Clear() override {}
  void DrawLine(double, double, double, double, LineColor) override {}
  void DrawLineTo(double, double, LineColor) override {}
};

// What reading the wing's configuration file puts into the record.
void PutWing(Module_ortak& m, const Wing& wing) {
  m.S = wing.S;
  m.AR = wing.AR;
  m.cOrt = wing.cOrt;
  m.b = wing.b;
  if (wing.planform == PlanformType::Trapezoidal) {
    m.nTrap = wing.nTrap;
    for (int row = 1; row < kTrapezoidEntries && row <= wing.nTrap; ++row) {
      m.ks[row] = wing.ks[row];
      m.kc[row] = wing.kc[row];
    }
  }
  m.dAlfa = wing.dAlfa;
  m.AszK = wing.AszK;
  m.Alfa0K = wing.Alfa0K;
  m.AszU = wing.AszU;
  m.Alfa0U = wing.Alfa0U;
  m.CL = wing.CL;
  m.AlfaK = wing.AlfaK;
}

}  // namespace

void PutStartValues(Module_ortak& m) {
  m.Pi = 4 * std::atan(1.0);
  m.PiHalf = m.Pi / 2;
  m.DegToRad = m.Pi / 180;
  m.Voo = kStartSpeed;
  const Wing start;
  m.S = start.S;
  m.AR = start.AR;
  m.cOrt = start.cOrt;
  m.b = start.b;
  m.nTrap = start.nTrap;
  m.ks[1] = start.ks[1];
  m.kc[1] = start.kc[1];
  m.dAlfa = start.dAlfa;
  m.AszK = 2 * m.Pi;
  m.Alfa0K = start.Alfa0K;
  m.AszU = 2 * m.Pi;
  m.Alfa0U = start.Alfa0U;
  m.CL = start.CL;
  m.AlfaK = start.AlfaK;
}

WingSolver::WingSolver(const Wing& wing) : wing_(wing), record_(std::make_unique<Module_ortak>()) {}

Expected<WingSolver> WingSolver::Plan(const Wing& wing) {
  WingSolver solver(wing);
  Module_ortak& m = *solver.record_;
  PutStartValues(m);
  PutWing(m, wing);
  if (PlanformSteps steps = RunPlanformSteps(m, WingPlanformTexts(wing)); steps.outcome.IsRefused())
    return std::move(steps.outcome);
  if (Outcome flaps = CheckFlapValues(wing.flaps); flaps.IsRefused()) return flaps;
  if (Outcome flaps = CheckFlapsOnWing(wing.flaps, m.SemiSpan); flaps.IsRefused()) return flaps;
  NoPicture nowhere;
  PlanCiz(m, nowhere, *wing.planform);
  solver.planformReport_ = PlanformSummaryBlock(m);
  m.PlanformDone = true;
  return solver;
}

Expected<SolvedPoint> WingSolver::Solve(SolutionMode mode, double operatingPoint, bool detail) {
  const SolveInputs inputs =
      InputsAsShown(wing_.AszK, wing_.AszU, wing_.Alfa0K, wing_.Alfa0U, wing_.dAlfa, mode, operatingPoint, detail);
  auto solved = SolveFromInputs(*record_, cache_, inputs, wing_.flaps);
  if (!solved) return solved.Refusal();
  const Module_ortak& m = *record_;
  return SolvedPoint{.point = {.AlfaK = m.AlfaK,
                               .CL = m.CL,
                               .CDi = m.CDi,
                               .E = m.E,
                               .AlfE = m.AlfE,
                               .CDiE = solved->elliptic.CDiE,
                               .EE = solved->elliptic.EE},
                     .report = std::move(solved->report)};
}

Expected<WingSolution> SolveWing(const Wing& wing, SolutionMode mode, double operatingPoint, bool detail,
                                 const std::optional<SectionMaxLift>& maxLift) {
  auto solver = WingSolver::Plan(wing);
  if (!solver) return solver.Refusal();
  auto solved = solver->Solve(mode, operatingPoint, detail);
  if (!solved) return solved.Refusal();
  return WingSolution{.point = solved->point,
                      .spanwise = ReadSpanwiseResults(solver->Record(), maxLift),
                      .report = solver->PlanformReport() + solved->report,
                      .record = std::make_shared<const Module_ortak>(solver->Record())};
}

}  // namespace kelvane

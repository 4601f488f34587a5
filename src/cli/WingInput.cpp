// Reading the wing of a kelvane-solve run and judging its flaps against it.
#include "cli/WingInput.h"

#include "batch/BatchSession.h"
#include "config/ConfigFile.h"
#include "results/WingSolver.h"
#include "solver/Flaps.h"

namespace kelvane::cli {

Expected<Wing> ReadWing(const Arguments& args) {
  Expected<Wing> wing =
      args.wing ? Expected<Wing>(*args.wing) : config::ReadConfigFile(batch::PanelPath(args.config), Wing{});
  if (!wing) return wing;
  if (args.stations) wing->stations = *args.stations;
  wing->given = args.Inputs();
  // --flap replaces a project's flaps.
  if (!args.flaps.empty()) wing->flaps = args.flaps;
  return wing;
}

Outcome CheckFlapsFit(const Wing& wing) {
  if (wing.flaps.empty()) return Outcome::Done();
  Wing bare = wing;
  bare.flaps.clear();
  const auto planned = WingSolver::Plan(bare);
  if (!planned) return Outcome::Done();
  return CheckFlapsOnWing(wing.flaps, planned->Record().SemiSpan);
}

}  // namespace kelvane::cli

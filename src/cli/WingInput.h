// The wing kelvane-solve solves: the configuration file read as the window's file panel reads it (or a
// project's wing), with the command line's station count, planform inputs and flaps.
#pragma once

#include "cli/Arguments.h"
#include "model/Outcome.h"
#include "model/Wing.h"

namespace kelvane::cli {

// The configuration's (or the project's) wing with the arguments' settings; refused as the configuration
// reader refuses.
Expected<Wing> ReadWing(const Arguments& args);

// Refuses flaps that reach past the wing's half span or overlap, as the planform command would, so that
// the command line can tell them from the wing's own faults. A wing whose planform is refused passes:
// solving it says why.
Outcome CheckFlapsFit(const Wing& wing);

}  // namespace kelvane::cli

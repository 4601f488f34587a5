// A project file given to kelvane-solve in place of a configuration file: its settings join those of the
// command line, which win.
#pragma once

#include "cli/Arguments.h"
#include "model/Outcome.h"

namespace kelvane::cli {

// The arguments with the project's wing and, where the command line gives none, its settings. What belongs
// to one kind of run joins only that kind: the report detail and the sections' clmax the linear model's, the
// clmax a single solution's. The project's flags (given CL, detail) add to the command line's; its flaps go
// unless --flap gives others. Refused as the project reader refuses.
Expected<Arguments> WithProject(Arguments args);

}  // namespace kelvane::cli

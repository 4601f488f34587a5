// Joining a project's settings to kelvane-solve's command line.
#include "cli/ProjectInput.h"

#include <utility>

#include "batch/BatchSession.h"
#include "project/ProjectFile.h"
#include "project/ProjectPaths.h"

namespace kelvane::cli {

Expected<Arguments> WithProject(Arguments args) {
  // Named in messages as a configuration file is.
  const std::string path = batch::PanelPath(args.config);
  Expected<project::Project> read = project::ReadProjectFile(path);
  if (!read) return read.Refusal();
  project::Project& project = *read;
  if (!args.stations) args.stations = project.wing.stations;
  if (!args.inputs) args.inputs = project.wing.given;
  args.givenCL = args.givenCL || project.givenCL;
  if (!args.polars && project.polar) {
    const project::ProjectPolars polars = project::PolarsFromProject(*project.polar, project::ProjectFolder(path));
    args.polars = PolarArguments{polars.root, polars.tip};
  }
  if (!args.polars) {
    args.detail = args.detail || project.detail;
    if (!args.clmax && !args.sweep) args.clmax = project.clmax;
  }
  args.defaultRho = project.rho;
  args.wing = std::move(project.wing);
  return args;
}

}  // namespace kelvane::cli

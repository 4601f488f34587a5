// kelvane-solve given a project file: the same output as the configuration with the same options, the
// command line's options winning, and polar files found from the project's folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/ComparedWings.h"
#include "cli/ProjectInput.h"
#include "cli/SolveProcess.h"
#include "config/ConfigFile.h"
#include "project/ProjectFile.h"
#include "support/ScopedWorkDir.h"

namespace kelvane::testing {
namespace {

namespace fs = std::filesystem;

const std::string kTaperedWing = std::string(KELVANE_EXAMPLES_DIR) + "/04-two-panels-twist-detail/input.cfg";
const fs::path kPolar2412 = fs::path(KELVANE_TEST_POLARS_DIR) / "naca2412-re1e6.txt";

// The tapered wing of the worked example with every setting away from the window's own.
project::Project Design() {
  const auto wing = config::ReadConfigFile(kTaperedWing, Wing{});
  EXPECT_TRUE(wing) << wing.Message();
  project::Project design;
  design.wing = *wing;
  design.wing.stations = "13";
  design.wing.given = {.S = false, .AR = true, .b = true, .cOrt = false};
  design.wing.flaps = {{.y1 = 0.5, .y2 = 2, .E = 0.25, .delta = 10}};
  design.givenCL = true;
  design.clmax = SectionMaxLift{.clmaxK = 1.4, .clmaxU = 1.2};
  design.rho = 1.1;
  return design;
}

std::string Output(const std::vector<std::string>& args, const fs::path& workDir) {
  const ProcessResult run = RunSolve(args, workDir);
  EXPECT_EQ(run.status, 0) << run.err;
  return run.out;
}

TEST(ProjectTool, GivesTheOutputOfTheConfigurationWithTheSameOptionsAndOptionsWin) {
  ScopedWorkDir workDir;
  WriteFile(workDir.Path() / "design.kelvane", project::ProjectText(Design()));
  const std::vector<std::string> settings{"--inputs", "AR,b",          "--given-cl", "--clmax", "1.4:1.2",
                                          "--flap",   "0.5:2:0.25:10", "--rho",      "1.1",     "--json"};
  std::vector<std::string> fromConfig = settings;
  fromConfig.insert(fromConfig.end(), {"--stations", "13", kTaperedWing});
  EXPECT_EQ(Output({"--json", "design.kelvane"}, workDir.Path()), Output(fromConfig, workDir.Path()));

  fromConfig.insert(fromConfig.end() - 1, {"--stations", "9"});
  EXPECT_EQ(Output({"--json", "--stations", "9", "design.kelvane"}, workDir.Path()),
            Output(fromConfig, workDir.Path()));
}

TEST(ProjectTool, PolarFilesAreFoundFromTheProjectsFolder) {
  ScopedWorkDir workDir;
  project::Project design = Design();
  design.clmax.reset();
  const fs::path folder = workDir.Path() / "designs";
  fs::create_directory(folder);
  design.polar =
      project::ProjectPolars{fs::relative(kPolar2412, folder).string(), fs::relative(kPolar2412, folder).string()};
  WriteFile(folder / "design.kelvane", project::ProjectText(design));
  EXPECT_EQ(Output({"--json", "designs/design.kelvane"}, workDir.Path()),
            Output({"--inputs", "AR,b", "--given-cl", "--flap", "0.5:2:0.25:10", "--rho", "1.1", "--stations", "13",
                    "--polar", kPolar2412, "--json", kTaperedWing},
                   workDir.Path()));

  // Options that the project's polars rule out are the command line's fault.
  EXPECT_EQ(RunSolve({"--clmax", "1.4", "designs/design.kelvane"}, workDir.Path()).status, 2);
  WriteFile(folder / "design.kelvane", "{}");
  const ProcessResult broken = RunSolve({"designs/design.kelvane"}, workDir.Path());
  EXPECT_EQ(broken.status, 1);
  EXPECT_NE(broken.err.find("design.kelvane projesi okunamadı"), std::string::npos) << broken.err;
}

// Beside a project, or as one, a compared wing is its own file's wing, solved with the run's flaps.
TEST(ProjectTool, ComparedWingsAreTheirOwnFilesWings) {
  ScopedWorkDir workDir;
  WriteFile(workDir.Path() / "design.kelvane", project::ProjectText(Design()));
  const std::string elliptic = std::string(KELVANE_EXAMPLES_DIR) + "/01-default-elliptic/input.cfg";
  cli::Arguments args;
  args.config = (workDir.Path() / "design.kelvane").string();
  args.compare = {elliptic, args.config};
  const auto joined = cli::WithProject(args);
  ASSERT_TRUE(joined) << joined.Message();
  const auto compared = cli::SolveComparedWings(*joined, *joined->wing);
  ASSERT_TRUE(compared) << compared.Message();
  ASSERT_EQ(compared->size(), 2u);
  EXPECT_EQ((*compared)[0].planform, PlanformType::Elliptic);
  EXPECT_EQ((*compared)[1].planform, PlanformType::Trapezoidal);
  EXPECT_EQ((*compared)[1].name, "design.kelvane");
  EXPECT_EQ((*compared)[0].record->N, 13);  // the project's stations, as for its own wing
}

}  // namespace
}  // namespace kelvane::testing

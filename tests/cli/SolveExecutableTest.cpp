// kelvane-solve as a user runs it: a child process in a fresh working directory.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/SolveProcess.h"
#include "model/MessageText.h"
#include "model/Module_ortak.h"
#include "model/Numbers.h"
#include "model/Version.h"
#include "support/ScopedWorkDir.h"
#include "support/WorkedExample.h"
#include "ui/Form_Wing.h"

namespace kelvane::testing {
namespace {

const std::string kDefaultWing = std::string(KELVANE_EXAMPLES_DIR) + "/01-default-elliptic/input.cfg";
constexpr char kUsageStart[] = "Usage: kelvane-solve";

std::vector<std::string> ArgsOf(const WorkedExample& example) {
  std::vector<std::string> args = example.argv;
  for (std::string& arg : args) {
    if (arg == "CONFIG") arg = example.Input().string();
  }
  return args;
}

std::vector<std::vector<double>> CsvRows(const std::string& text) {
  std::vector<std::vector<double>> rows;
  std::istringstream lines(text);
  std::string line;
  std::getline(lines, line);  // the header
  while (std::getline(lines, line)) {
    std::istringstream cells(line);
    rows.emplace_back();
    for (std::string cell; std::getline(cells, cell, ',');)
      rows.back().push_back(cell.empty() ? std::nan("") : std::stod(cell));
  }
  return rows;
}

// Between them the examples cover --stations (odd, even, letters, hexadecimal), --inputs, --given-cl,
// --detail and --json, and rejections by the planform command.
class WorkedExamplesThroughTool : public ::testing::TestWithParam<WorkedExample> {
 protected:
  ScopedWorkDir workDir_;
};

TEST_P(WorkedExamplesThroughTool, PrintsTheResultsAndWritesTheExpectedFiles) {
  const WorkedExample& example = GetParam();
  const ProcessResult result = RunSolve(ArgsOf(example), workDir_.Path());

  if (example.message) {
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, *example.message + "\n");
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(std::filesystem::exists(ui::kLastConfigFileName));
    return;
  }
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  const auto printed = FlatJsonReader::Read(result.out);
  for (const auto& [key, expected] : example.numbers) {
    ASSERT_TRUE(printed.contains(key)) << key << " in " << result.out;
    EXPECT_NEAR(std::stod(printed.at(key)), expected, ExampleTolerance(expected)) << key;
  }
  EXPECT_EQ(ReadFile("PLL.txt"), example.Expected("PLL.txt"));
  EXPECT_EQ(ReadFile(ui::kLastConfigFileName), example.Expected("LastConfig.cfg"));
}

INSTANTIATE_TEST_SUITE_P(Examples, WorkedExamplesThroughTool, ::testing::ValuesIn(LoadWorkedExamples()),
                         [](const auto& info) { return TestName(info.param); });

TEST(SolveTool, DefaultWingPrintsTheBoxesAndWritesWhatTheWindowWrites) {
  std::string windowReport, windowConfig;
  {
    ScopedWorkDir windowDir;
    ui::Form_Wing form;
    form.Form_Load();
    form.PLL.Click();
    ASSERT_TRUE(form.Messages().empty());
    windowReport = ReadFile("PLL.txt");
    windowConfig = ReadFile(ui::kLastConfigFileName);
  }

  ScopedWorkDir toolDir;
  const ProcessResult result = RunSolve({kDefaultWing}, toolDir.Path());
  ASSERT_EQ(result.status, 0) << result.err;
  for (const char* line : {"AlfaK 10\n", "CL    0.91385\n", "CDi   0.026583\n", "E     34.377\n", "AlfE  10\n",
                           "CDiE  0.02658\n", "EE    34.377\n"}) {
    EXPECT_NE(result.out.find(line), std::string::npos) << line << " in\n" << result.out;
  }
  EXPECT_EQ(ReadFile("PLL.txt"), windowReport);
  EXPECT_EQ(ReadFile(ui::kLastConfigFileName), windowConfig);
}

TEST(SolveTool, MissingFileEndsWithTheReadersMessage) {
  ScopedWorkDir workDir;
  const ProcessResult result = RunSolve({"missing.cfg"}, workDir.Path());
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("missing.cfg"), std::string::npos) << result.err;
  EXPECT_EQ(result.out, "");
}

TEST(SolveTool, BadOptionIsAUsageErrorWithStatus2) {
  ScopedWorkDir workDir;
  const ProcessResult result = RunSolve({"--bogus", kDefaultWing}, workDir.Path());
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.err.find(kUsageStart), std::string::npos);
  EXPECT_EQ(result.out, "");
  EXPECT_FALSE(std::filesystem::exists("PLL.txt"));
}

TEST(SolveTool, HelpPrintsTheUsageOnStdout) {
  ScopedWorkDir workDir;
  const ProcessResult result = RunSolve({"--help"}, workDir.Path());
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(result.out.starts_with(kUsageStart));
  EXPECT_EQ(result.err, "");
}

TEST(SolveTool, VersionNamesTheProgramAndItsVersion) {
  ScopedWorkDir workDir;
  const ProcessResult result = RunSolve({"--version"}, workDir.Path());
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, std::string("kelvane-solve ") + kVersion + "\n");
  EXPECT_TRUE(std::filesystem::is_empty(workDir.Path()));
}

TEST(SolveTool, StallOnsetFollowsTheBoxes) {
  ScopedWorkDir workDir;
  const ProcessResult result = RunSolve({"--clmax", "1.2", kDefaultWing}, workDir.Path());
  ASSERT_EQ(result.status, 0) << result.err;
  // The elliptic wing's local lift is its CL at every station, 0.0913852... per degree: all stations
  // reach 1.2 at 13.131 degrees (which one is first is a matter of rounding).
  EXPECT_TRUE(result.out.starts_with("AlfaK 10\n")) << result.out;
  EXPECT_NE(result.out.find("EE    34.377\nStall onset: AlfaK 13.131 CL 1.2 at y = "), std::string::npos) << result.out;
  EXPECT_TRUE(result.out.ends_with(" m\n")) << result.out;
}

TEST(SolveTool, SpanwiseFileThatCannotBeWrittenEndsTheRunBeforeAnythingIsPrinted) {
  ScopedWorkDir workDir;
  std::filesystem::create_directory(workDir.Path() / "stations.csv");
  const ProcessResult result = RunSolve({"--spanwise", "stations.csv", kDefaultWing}, workDir.Path());
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_TRUE(result.err.starts_with("kelvane-solve: cannot write stations.csv: ")) << result.err;
  EXPECT_TRUE(std::filesystem::is_directory(workDir.Path() / "stations.csv"));
}

// Width and height from a PNG file's header chunk.
std::pair<int, int> PngSize(const std::string& png) {
  const auto at = [&png](std::size_t offset) {
    int value = 0;
    for (std::size_t k = 0; k < 4; ++k) value = value * 256 + static_cast<unsigned char>(png[offset + k]);
    return value;
  };
  return {at(16), at(20)};
}

// The charts come out on a machine without a display, whatever platform the environment names.
TEST(SolveTool, PlotsChartsAsPngAndSvgWithoutADisplay) {
  ScopedWorkDir workDir;
  const std::string platform = getenv("QT_QPA_PLATFORM") ? getenv("QT_QPA_PLATFORM") : "";
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  unsetenv("DISPLAY");
  const ProcessResult result = RunSolve({"--clmax", "1.2", "--plot", "circulation:c.svg", "--plot", "lift:l.png",
                                         "--plot", "planform:p.PNG", "--plot", "angles:a.svg", kDefaultWing},
                                        workDir.Path());
  setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  for (const char* png : {"l.png", "p.PNG"}) {
    const std::string image = ReadFile(workDir.Path() / png);
    ASSERT_GT(image.size(), 24u) << png;
    EXPECT_EQ(image.substr(1, 3), "PNG");
    EXPECT_EQ(PngSize(image), std::make_pair(800, 500));
  }
  const std::string svg = ReadFile(workDir.Path() / "c.svg");
  EXPECT_NE(svg.find("viewBox=\"0 0 800 500\""), std::string::npos);
  // Text in the SVG, where Greek letters start a run of their own.
  for (const char* text : {"Dolaşım dağılımı", "Eşdeğer eliptik kanat", "V∞ (m)", "y (m)", "0.6"})
    EXPECT_NE(svg.find(text), std::string::npos) << text;
  EXPECT_NE(ReadFile(workDir.Path() / "a.svg").find("indüklenmiş hücum açısı"), std::string::npos);
}

TEST(SolveTool, PolarPlotFollowsTheSweepAndAnUnwritablePlotFails) {
  ScopedWorkDir workDir;
  const ProcessResult polar = RunSolve({"--sweep", "0:8:2", "--plot", "polar:polar.svg", kDefaultWing}, workDir.Path());
  ASSERT_EQ(polar.status, 0) << polar.err;
  const std::string svg = ReadFile(workDir.Path() / "polar.svg");
  EXPECT_NE(svg.find("Kaldırma eğrisi"), std::string::npos);
  EXPECT_NE(svg.find("İndüklenmiş sürükleme poları"), std::string::npos);

  std::filesystem::create_directory(workDir.Path() / "c.png");
  const ProcessResult blocked = RunSolve({"--plot", "circulation:c.png", kDefaultWing}, workDir.Path());
  EXPECT_EQ(blocked.status, 1);
  EXPECT_EQ(blocked.out, "");
  EXPECT_TRUE(blocked.err.starts_with("kelvane-solve: cannot write c.png: ")) << blocked.err;
}

// The wings of --compare are solved as the own one is and drawn on its charts, a legend entry each naming
// its file; one that is refused stops the run before anything is written.
TEST(SolveTool, ComparesOtherWingsOnTheSameChartsNamedByTheirFiles) {
  ScopedWorkDir workDir;
  std::filesystem::copy_file(std::string(KELVANE_EXAMPLES_DIR) + "/04-two-panels-twist-detail/input.cfg",
                             workDir.Path() / "uav.cfg");
  for (const std::vector<std::string>& plot :
       {std::vector<std::string>{"--plot", "circulation:c.svg"}, {"--sweep", "0:8:2", "--plot", "polar:p.svg"}}) {
    std::vector<std::string> args = plot;
    args.insert(args.end(), {"--compare", "uav.cfg", "--compare", "uav.cfg", kDefaultWing});
    const ProcessResult result = RunSolve(args, workDir.Path());
    ASSERT_EQ(result.status, 0) << result.err;
  }
  const std::string circulation = ReadFile(workDir.Path() / "c.svg");
  EXPECT_NE(circulation.find(">input.cfg · "), std::string::npos);  // the subtitle
  // The legend, with the operating point; the same file twice, in two styles.
  EXPECT_NE(circulation.find(">uav.cfg · "), circulation.rfind(">uav.cfg · "));
  EXPECT_NE(ReadFile(workDir.Path() / "p.svg").find(">uav.cfg<"), std::string::npos);

  std::filesystem::remove(workDir.Path() / "c.svg");
  std::filesystem::remove(workDir.Path() / "PLL.txt");
  const ProcessResult refused =
      RunSolve({"--plot", "circulation:c.svg", "--compare", "yok.cfg", kDefaultWing}, workDir.Path());
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.out, "");
  EXPECT_TRUE(refused.err.starts_with("kelvane-solve: --compare yok.cfg: ")) << refused.err;
  EXPECT_FALSE(std::filesystem::exists(workDir.Path() / "c.svg") ||
               std::filesystem::exists(workDir.Path() / "PLL.txt"));
}

// The chart module is loaded for --plot alone: a copy of the tool with no module in reach solves as before,
// and asked for a chart it says where it looked. Laid out below the tool's folder as an installation lays
// it out, under whatever prefix, the module draws; one beside the tool comes first, even a broken one.
TEST(SolveTool, ChartModuleIsNeededForChartsAloneAndFoundWhereItIsInstalled) {
  ScopedWorkDir workDir;
  const std::filesystem::path folder = workDir.Path() / "bin";
  std::filesystem::create_directory(folder);
  const std::filesystem::path tool = folder / "kelvane-solve";
  std::filesystem::copy_file(KELVANE_SOLVE_EXE, tool);
  const std::filesystem::path installed =
      (std::filesystem::canonical(folder) / KELVANE_CHART_MODULE_FROM_PROGRAM).lexically_normal();
  const std::vector<std::string> plotting{"--plot", "circulation:c.svg", kDefaultWing};

  const ProcessResult plain = RunSolve({kDefaultWing}, workDir.Path(), {}, tool);
  EXPECT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(plain.err, "");

  const ProcessResult missing = RunSolve(plotting, workDir.Path(), {}, tool);
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "kelvane-solve: cannot draw charts: kelvane-chartfiles.so was not found in " +
                             PathForMessage(std::filesystem::canonical(folder).string()) + " or in " +
                             PathForMessage(installed.string()) + "\n");

  std::filesystem::create_directories(installed);
  std::filesystem::copy_file(KELVANE_CHART_MODULE, installed / "kelvane-chartfiles.so");
  const ProcessResult drawn = RunSolve(plotting, workDir.Path(), {}, tool);
  EXPECT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_TRUE(std::filesystem::remove(workDir.Path() / "c.svg"));

  WriteFile(folder / "kelvane-chartfiles.so", "not a module");
  const ProcessResult broken = RunSolve(plotting, workDir.Path(), {}, tool);
  EXPECT_EQ(broken.status, 1);
  EXPECT_EQ(broken.out, "");
  EXPECT_TRUE(broken.err.starts_with("kelvane-solve: cannot draw charts: cannot load ")) << broken.err;
  EXPECT_NE(broken.err.find("kelvane-chartfiles.so: "), std::string::npos) << broken.err;
  EXPECT_FALSE(std::filesystem::exists(workDir.Path() / "c.svg"));
}

// A broken chart module is reported before the loader maps it: a file cut short would otherwise end the tool
// by SIGBUS, and one for another machine is named as such.
TEST(SolveTool, ABrokenChartModuleIsReportedNotLoaded) {
  ScopedWorkDir workDir;
  const std::filesystem::path folder = workDir.Path() / "bin";
  std::filesystem::create_directory(folder);
  std::filesystem::copy_file(KELVANE_SOLVE_EXE, folder / "kelvane-solve");
  const std::string module = ReadFile(KELVANE_CHART_MODULE);
  constexpr std::size_t kMachineOffset = 18;  // e_machine, two bytes after e_type
  std::string foreign = module;
  foreign[kMachineOffset] = static_cast<char>(foreign[kMachineOffset] + 1);

  struct Case {
    std::string content;
    std::string reason;
  };
  for (const auto& [content, reason] :
       {Case{module.substr(0, 1000), "cut short at 1000 bytes"},
        Case{module.substr(0, module.size() - 1), "cut short at " + std::to_string(module.size() - 1) + " bytes"},
        Case{foreign, "built for another kind of machine"}, Case{module.substr(0, 10), "not a shared library"}}) {
    SCOPED_TRACE(reason);
    WriteFile(folder / "kelvane-chartfiles.so", content);
    const ProcessResult broken =
        RunSolve({"--plot", "circulation:c.svg", kDefaultWing}, workDir.Path(), {}, folder / "kelvane-solve");
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.err.starts_with("kelvane-solve: cannot draw charts: cannot load ")) << broken.err;
    EXPECT_TRUE(broken.err.ends_with("kelvane-chartfiles.so: " + reason + "\n")) << broken.err;
  }
}

TEST(SolveTool, AngleSweepGivesALinearLiftCurve) {
  ScopedWorkDir workDir;
  const ProcessResult result = RunSolve({"--sweep", "-4:12:2", kDefaultWing}, workDir.Path());
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(result.out.starts_with("AlfaK,CL,CDi,E,AlfE,CDiE,EE,e\n"));
  const auto rows = CsvRows(result.out);
  ASSERT_EQ(rows.size(), 9u);
  // The elliptic wing's span efficiency is 1 at every angle but the zero-lift one, where it is undefined.
  const std::size_t zeroLift = result.out.find("\n0,0,");
  ASSERT_NE(zeroLift, std::string::npos) << result.out;
  EXPECT_EQ(result.out[result.out.find('\n', zeroLift + 1) - 1], ',') << result.out;
  constexpr double kLinearity = 1e-12;
  const double slope = rows[1][1] - rows[0][1];
  EXPECT_GT(slope, 0);
  for (std::size_t k = 0; k < rows.size(); ++k) {
    EXPECT_EQ(rows[k][0], -4.0 + 2.0 * static_cast<double>(k));
    if (rows[k][0] != 0) {
      EXPECT_EQ(rows[k][7], 1) << "point " << k;
    }
    if (k > 0) {
      EXPECT_NEAR(rows[k][1] - rows[k - 1][1], slope, kLinearity) << "point " << k;
    }
  }
}

TEST(SolveTool, LiftSweepSolvesForEachCLAsTheBoxShowsIt) {
  ScopedWorkDir workDir;
  const ProcessResult result = RunSolve({"--given-cl", "--sweep", "0.2:0.6:0.2", kDefaultWing}, workDir.Path());
  ASSERT_EQ(result.status, 0) << result.err;
  const auto rows = CsvRows(result.out);
  ASSERT_EQ(rows.size(), 3u);
  // 0.2 + 2 * 0.2 is a hair above 0.6; the box text rounds it away.
  const double lifts[] = {0.2, 0.4, 0.6};
  for (std::size_t k = 0; k < rows.size(); ++k) {
    EXPECT_EQ(rows[k][1], lifts[k]);
    if (k > 0) {
      EXPECT_GT(rows[k][0], rows[k - 1][0]);
    }
  }
}

// The tool writes a polar's files once at its end; they must be those of one press of the solve button per
// point, up to a point that is refused.
TEST(SolveTool, SweepWritesTheFilesOfOnePressPerPoint) {
  const std::string wing = std::string(KELVANE_EXAMPLES_DIR) + "/04-two-panels-twist-detail/input.cfg";
  struct Case {
    std::string sweep;
    std::vector<double> pressed;
    int status;
  };
  const Case cases[] = {
      {"-2:3:0.5", {-2, -1.5, -1, -0.5, 0, 0.5, 1, 1.5, 2, 2.5, 3}, 0},
      {"0:1e308:5e307", {0, 5e307}, 1},  // the second point's drag overflows
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sweep);
    ScopedWorkDir toolDir;
    const ProcessResult result = RunSolve({"--stations", "9", "--detail", "--sweep", c.sweep, wing}, toolDir.Path());
    EXPECT_EQ(result.status, c.status) << result.err;

    ScopedWorkDir formDir;
    ui::Form_Wing form;
    form.Form_Load();
    form.Text_N.SetText("9");
    form.ConfigFileName = wing;
    ASSERT_TRUE(form.ReadAnExistingConfig_from_aFile());
    form.Option_Alfa.Click();
    form.Check1.SetValue(1);
    for (const double angle : c.pressed) {
      form.Text_AlfaK.SetText(PlainNumberText(angle));
      form.PLL.Click();
    }
    EXPECT_EQ(form.Messages().size(), static_cast<std::size_t>(c.status));
    if (c.status != 0) {
      // A run that did not end well leaves no report of its own.
      EXPECT_FALSE(std::filesystem::exists(toolDir.Path() / "PLL.txt"));
      continue;
    }
    EXPECT_EQ(ReadFile(toolDir.Path() / "PLL.txt"), ReadFile("PLL.txt"));
    EXPECT_EQ(ReadFile(toolDir.Path() / "LastConfig.cfg"), ReadFile("LastConfig.cfg"));
  }
}

}  // namespace
}  // namespace kelvane::testing

// The batch path and the window's form, held to each other: every worked example's wing and every fuzz
// seed, at several station counts and in both modes, gives the same message, or the same "PLL.txt" and
// "LastConfig.cfg" byte for byte, whichever of the two runs it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "batch/BatchSession.h"
#include "support/ScopedWorkDir.h"
#include "support/WorkedExample.h"
#include "ui/Form_Wing.h"

namespace kelvane::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = fs::path(KELVANE_EXAMPLES_DIR) / ".." / ".." / "fuzz" / "corpus" / "config";

struct Outcomes {
  std::string message;  // empty when solved
  std::string report;
  std::string lastConfig;
  bool operator==(const Outcomes&) const = default;
};

struct Settings {
  std::string stations;
  bool givenCL;
  bool detail;
};

// One press of the solve button after the clicks a user makes, in a fresh working folder.
Outcomes ThroughForm(const fs::path& config, const Settings& s) {
  const ScopedWorkDir workDir;
  ui::Form_Wing form;
  form.Form_Load();
  form.Text_N.SetText(s.stations);
  form.ConfigFileName = config.string();
  if (form.ReadAnExistingConfig_from_aFile()) {
    (s.givenCL ? form.Option_CL : form.Option_Alfa).Click();
    form.Check1.SetValue(s.detail ? 1 : 0);
    form.PLL.Click();
  }
  if (!form.Messages().empty()) return {form.Messages().front(), "", ""};
  return {"", ReadFile("PLL.txt"), ReadFile(ui::kLastConfigFileName)};
}

Outcomes ThroughBatch(const fs::path& config, const Settings& s) {
  const ScopedWorkDir workDir;
  batch::BatchSession session({.stations = s.stations, .givenCL = s.givenCL, .detail = s.detail}, config.string());
  if (!session.Solve() || !session.WriteFiles()) return {session.Refusal().Message(), "", ""};
  return {"", ReadFile("PLL.txt"), ReadFile(ui::kLastConfigFileName)};
}

std::vector<fs::path> Wings() {
  std::vector<fs::path> wings;
  for (const WorkedExample& example : LoadWorkedExamples()) wings.push_back(example.Input());
  for (const auto& entry : fs::directory_iterator(kCorpus)) wings.push_back(entry.path());
  return wings;
}

TEST(BatchEquivalence, TheBatchPathWritesWhatTheFormWrites) {
  const Settings settings[] = {{"15", false, false}, {"5", true, true}, {"99", false, true}, {"4", false, false}};
  for (const fs::path& wing : Wings()) {
    for (const Settings& s : settings) {
      SCOPED_TRACE(wing.filename().string() + " at " + s.stations + (s.givenCL ? ", given CL" : ""));
      EXPECT_EQ(ThroughBatch(wing, s), ThroughForm(wing, s));
    }
  }
}

}  // namespace
}  // namespace kelvane::testing

// The worked examples through the form itself, step by step as a user would take them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "model/Module_ortak.h"
#include "support/ScopedWorkDir.h"
#include "support/TurkishLocale.h"
#include "support/WorkedExample.h"
#include "ui/Form_Wing.h"

namespace kelvane::ui {
namespace {

using testing::ReadFile;
using testing::ScopedTurkishLocale;
using testing::ScopedWorkDir;
using testing::WorkedExample;

// The window is used under the Turkish locale, whose C library writes "2,5": every example runs there.

// The example's arguments as user actions: the station text and the ticks before the read, the mode
// and the report option after it.
struct UserInputs {
  std::optional<std::string> stations;
  std::vector<std::string> ticked{"S", "AR"};
  bool givenCL = false;
  bool detail = false;
};

UserInputs InputsOf(const WorkedExample& example) {
  UserInputs inputs;
  for (std::size_t i = 0; i < example.argv.size(); ++i) {
    const std::string& arg = example.argv[i];
    if (arg == "--stations") {
      inputs.stations = example.argv[++i];
    } else if (arg == "--inputs") {
      inputs.ticked.clear();
      std::stringstream list(example.argv[++i]);
      for (std::string name; std::getline(list, name, ',');) inputs.ticked.push_back(name);
    } else if (arg == "--given-cl") {
      inputs.givenCL = true;
    } else if (arg == "--detail") {
      inputs.detail = true;
    }
  }
  return inputs;
}

bool Ticked(const UserInputs& inputs, const std::string& name) {
  return std::find(inputs.ticked.begin(), inputs.ticked.end(), name) != inputs.ticked.end();
}

const std::map<std::string, TextBox Form_Wing::*> kResultBoxes{
    {"Text_AlfaK", &Form_Wing::Text_AlfaK}, {"Text_CL", &Form_Wing::Text_CL},     {"Text_CDi", &Form_Wing::Text_CDi},
    {"Text_E", &Form_Wing::Text_E},         {"Text_AlfE", &Form_Wing::Text_AlfE}, {"Text_CDiE", &Form_Wing::Text_CDiE},
    {"Text_EE", &Form_Wing::Text_EE},
};

class WorkedExamplesThroughForm : public ::testing::TestWithParam<WorkedExample> {
 protected:
  // Runs the example up to the first message; true when the solve button was pressed without one.
  bool Run(const WorkedExample& example) {
    const UserInputs inputs = InputsOf(example);
    form_.Form_Load();
    if (inputs.stations) form_.Text_N.SetText(*inputs.stations);
    form_.Check_Area.SetValue(Ticked(inputs, "S"));
    form_.Check_AR.SetValue(Ticked(inputs, "AR"));
    form_.Check_b.SetValue(Ticked(inputs, "b"));
    form_.Check_cOrt.SetValue(Ticked(inputs, "cOrt"));
    form_.ConfigFileName = example.Input().string();
    form_.ReadAnExistingConfig_from_aFile();
    if (!form_.Messages().empty()) return false;

    if (inputs.givenCL) {
      form_.Option_CL.Click();
    } else {
      form_.Option_Alfa.Click();
    }
    if (inputs.detail) form_.Check1.SetValue(1);
    form_.PLL.Click();
    return form_.Messages().empty();
  }

  ScopedTurkishLocale turkish_;
  ScopedWorkDir workDir_;
  Form_Wing form_;
};

TEST_P(WorkedExamplesThroughForm, ShowsTheExpectedResultsAndWritesTheExpectedFiles) {
  ASSERT_EQ(turkish_.Problem(), "");
  const WorkedExample& example = GetParam();
  const bool solved = Run(example);

  if (example.message) {
    EXPECT_FALSE(solved);
    EXPECT_EQ(form_.Messages(), std::vector<std::string>{*example.message});
    EXPECT_FALSE(std::filesystem::exists(kLastConfigFileName));
    return;
  }
  ASSERT_TRUE(solved) << form_.Messages().front();
  ASSERT_EQ(example.boxes.size(), kResultBoxes.size());
  for (const auto& [name, text] : example.boxes) {
    EXPECT_EQ((form_.*kResultBoxes.at(name)).Text(), text) << name;
  }
  EXPECT_EQ(ReadFile("PLL.txt"), example.Expected("PLL.txt"));
  EXPECT_EQ(ReadFile(kLastConfigFileName), example.Expected("LastConfig.cfg"));
}

INSTANTIATE_TEST_SUITE_P(Examples, WorkedExamplesThroughForm, ::testing::ValuesIn(testing::LoadWorkedExamples()),
                         [](const auto& info) { return testing::TestName(info.param); });

}  // namespace
}  // namespace kelvane::ui

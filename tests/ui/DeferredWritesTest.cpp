// A polar with the solve command's files held back against the same polar pressed point by point.
#include "ui/DeferredWrites.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "StartedForm.h"
#include "model/Module_ortak.h"
#include "model/Numbers.h"
#include "ui/Form_Wing.h"

namespace kelvane::ui::testing {
namespace {

namespace fs = std::filesystem;

// What a run leaves: the two files and, for each press, the result boxes.
struct PolarRun {
  std::string report;
  std::optional<std::string> config;
  std::vector<std::string> boxes;
  std::vector<std::string> messages;
};

struct Polar {
  std::string stations;
  int detail = 0;
  bool givenCL = false;
  std::vector<double> values;
};

// Start-up in a fresh folder, the polar's wing, then one press per value; with deferred set, all of it
// inside a DeferredWrites that ends with the run.
PolarRun RunPolar(const Polar& polar, bool deferred) {
  const kelvane::testing::ScopedWorkDir workDir;
  const auto form = StartForm();
  form->Text_N.SetText(polar.stations);
  form->Text_dAlfa.SetText("-2");
  form->Text_AszU.SetText("5.7");
  form->Check1.SetValue(polar.detail);
  form->Cmd_Planform.Click();
  (polar.givenCL ? form->Option_CL : form->Option_Alfa).Click();
  TextBox& value = polar.givenCL ? form->Text_CL : form->Text_AlfaK;

  PolarRun run;
  {
    std::optional<DeferredWrites> held;
    if (deferred) held.emplace(*form);
    for (const double v : polar.values) {
      value.SetText(PlainNumberText(v));
      form->PLL.Click();
      run.boxes.push_back(form->Text_AlfaK.Text() + " " + form->Text_CL.Text() + " " + form->Text_CDi.Text());
    }
  }
  run.report = ReadFile("PLL.txt");
  if (fs::exists("LastConfig.cfg")) run.config = ReadFile("LastConfig.cfg");
  run.messages = form->Messages();
  return run;
}

// Hands back the messages shown.
std::vector<std::string> ExpectSameFiles(const Polar& polar) {
  const PolarRun pressed = RunPolar(polar, false);
  const PolarRun held = RunPolar(polar, true);
  EXPECT_EQ(held.report, pressed.report);
  EXPECT_EQ(held.config, pressed.config);
  EXPECT_EQ(held.boxes, pressed.boxes);
  EXPECT_EQ(held.messages, pressed.messages);
  return held.messages;
}

TEST(DeferredWrites, PolarLeavesTheFilesOfOnePressPerPoint) {
  const Polar polars[] = {
      {"7", 0, false, {-2, 0, 2.5, 4, 8}},      // station and distribution tables at every point
      {"15", 0, false, {0, 1, 2, 3}},           // the performance block alone
      {"9", 1, true, {-0.2, 0, 0.3, 0.6}},      // every block, given CL through zero lift
      {"21", 0, false, {3, 1e308, 4}},          // a point the solution refuses writes nothing
  };
  for (const Polar& polar : polars) {
    SCOPED_TRACE(polar.stations);
    const auto messages = ExpectSameFiles(polar);
    EXPECT_EQ(messages.size(), polar.stations == "21" ? 1u : 0u);
  }
}

// A detailed polar at 99 stations holds more report than the limit; what goes out early goes out in order.
TEST(DeferredWrites, LongDetailedPolarLeavesTheSameReport) {
  std::vector<double> angles;
  for (int k = 0; k < 90; ++k) angles.push_back(0.1 * k);
  const PolarRun held = RunPolar({"99", 1, false, angles}, true);
  const PolarRun pressed = RunPolar({"99", 1, false, angles}, false);
  EXPECT_GT(held.report.size(), 8u * 1024 * 1024);
  EXPECT_EQ(held.report, pressed.report);
}

class HeldFiles : public StartedForm {
 protected:
  void Press(double angle) {
    form.Text_AlfaK.SetText(PlainNumberText(angle));
    form.PLL.Click();
  }
};

TEST_F(HeldFiles, NothingIsWrittenUntilTheEnd) {
  const std::string summary = ReadFile("PLL.txt");
  bool flushed = false;
  {
    DeferredWrites held(form);
    Press(3);
    Press(4);
    EXPECT_EQ(ReadFile("PLL.txt"), summary);
    EXPECT_FALSE(fs::exists("LastConfig.cfg"));
    flushed = held.Flush();
    EXPECT_GT(ReadFile("PLL.txt").size(), summary.size());
    fs::remove("LastConfig.cfg");
    Press(5);  // held again after a flush
    EXPECT_FALSE(fs::exists("LastConfig.cfg"));
  }
  EXPECT_TRUE(flushed);
  EXPECT_TRUE(fs::exists("LastConfig.cfg"));
  EXPECT_TRUE(form.Messages().empty());
}

// The planform command starts the report afresh: the held blocks belong before it, not after.
TEST_F(HeldFiles, PlanformCommandWritesTheHeldFilesFirst) {
  const auto pressAndReplan = [this](bool deferred) {
    std::optional<DeferredWrites> held;
    if (deferred) held.emplace(form);
    Press(3);
    form.Cmd_Planform.Click();
    Press(4);
    held.reset();
    return ReadFile("PLL.txt");
  };
  EXPECT_EQ(pressAndReplan(true), pressAndReplan(false));
}

// Reading a configuration file, here the one the last press saved, finds it as the press left it.
TEST_F(HeldFiles, ReadingAConfigurationWritesTheHeldFilesFirst) {
  DeferredWrites held(form);
  Press(3.25);
  form.Text_AlfaK.SetText("7");
  form.ConfigFileName = "LastConfig.cfg";
  EXPECT_TRUE(form.ReadAnExistingConfig_from_aFile());
  EXPECT_EQ(form.Text_AlfaK.Text(), "3.25");
  EXPECT_TRUE(form.Messages().empty());
}

TEST_F(HeldFiles, AWriteThatFailsAtTheEndIsReported) {
  fs::create_directory("LastConfig.cfg");
  DeferredWrites held(form);
  Press(3);
  EXPECT_TRUE(form.Messages().empty());
  EXPECT_FALSE(held.Flush());
  ASSERT_EQ(form.Messages().size(), 1u);
  EXPECT_EQ(form.Messages()[0].rfind("LastConfig.cfg dosyası yazılamadı", 0), 0u);
  EXPECT_NE(ReadFile("PLL.txt").find("Aerodinamik performans"), std::string::npos);  // the report went out
  EXPECT_TRUE(held.Flush());  // what failed is not tried again
}

TEST_F(HeldFiles, AnInnerScopeLeavesTheHoldingToTheOuterOne) {
  DeferredWrites outer(form);
  {
    DeferredWrites inner(form);
    Press(3);
  }
  EXPECT_FALSE(fs::exists("LastConfig.cfg"));
  EXPECT_TRUE(outer.Flush());
  EXPECT_TRUE(fs::exists("LastConfig.cfg"));
}

}  // namespace
}  // namespace kelvane::ui::testing

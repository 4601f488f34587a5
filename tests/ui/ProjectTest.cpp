// Tests of the window's project files: a design saved, opened in a fresh window and solved again gives the
// same numbers bit for bit, and the project menu asks the front end for the path.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "StartedForm.h"

namespace kelvane::ui::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kPolars = KELVANE_TEST_POLARS_DIR;

// Every setting a project holds, away from the start values, as a user puts them in.
void EnterDesign(Form_Wing& form) {
  form.Option_Trapez.Click();
  form.Text_nTrap.SetText("2");
  form.Text_ks[2]->SetText("0.4");
  form.Text_kc[1]->SetText("0.6");
  form.Text_kc[2]->SetText("1");
  form.Check_Area.SetValue(0);
  form.Check_b.SetValue(1);
  form.Text_b.SetText("8.5");
  form.Text_AR.SetText("7.25");
  form.Text_N.SetText("21");
  form.Text_dAlfa.SetText("-2.5");
  form.Text_Alfa0K.SetText("-2.1");
  form.Option_CL.Click();
  form.Text_CL.SetText("0.45");
  form.Check1.SetValue(1);
  form.Cmd_Planform.Click();
  ResultsForm& results = form.Form_Results;
  results.Text_clmaxK.SetText("1.45");
  results.Text_clmaxU.SetText("1.2");
  results.Text_Rho.SetText("1.1");
  results.Text_PolarRoot.SetText((kPolars / "naca2412-re1e6.txt").string());
  results.Text_PolarTip.SetText((kPolars / "naca0012-re1e6.txt").string());
  results.Cmd_PolarLoad.Click();
  FlapBoxes& flap = results.Text_Flaps[0];
  for (auto [box, text] : {std::pair{&flap.y1, "0.5"}, {&flap.y2, "2"}, {&flap.E, "0.25"}, {&flap.delta, "10"}})
    box->SetText(text);
  results.Cmd_Flaps.Click();
}

void Solve(Form_Wing& form) {
  form.PLL.Click();
  form.Mn_Charts.Click();
}

TEST_F(StartedForm, ProjectReopenedInAFreshWindowSolvesBitForBit) {
  EnterDesign(form);
  Solve(form);
  ASSERT_TRUE(form.SaveProject("design.kelvane"));

  const auto reopened = StartForm();
  ASSERT_TRUE(reopened->OpenProject((workDir.Path() / "design.kelvane").string()));
  Solve(*reopened);
  EXPECT_TRUE(form.Messages().empty() && reopened->Messages().empty());

  for (const auto box : {&Form_Wing::Text_AlfaK, &Form_Wing::Text_CL, &Form_Wing::Text_CDi, &Form_Wing::Text_E,
                         &Form_Wing::Text_AlfE, &Form_Wing::Text_CDiE, &Form_Wing::Text_EE})
    EXPECT_EQ(((*reopened).*box).Text(), (form.*box).Text()) << (form.*box).Name();
  for (const auto value : {&Module_ortak::AlfaK, &Module_ortak::CL, &Module_ortak::CDi, &Module_ortak::E})
    EXPECT_EQ(reopened->Record().*value, form.Record().*value);
  const ResultsForm &before = form.Form_Results, &after = reopened->Form_Results;
  EXPECT_EQ(after.TableRows(), before.TableRows());  // every station at full precision, clmax among them
  EXPECT_EQ(after.Flaps().size(), 1u);
  ASSERT_TRUE(before.SectionPolarSolution() && after.SectionPolarSolution());
  EXPECT_EQ(after.SectionPolarSolution()->CD, before.SectionPolarSolution()->CD);
  for (const auto note : {&ResultsForm::Label_Stall, &ResultsForm::Label_Loads, &ResultsForm::Label_Flaps})
    EXPECT_EQ((after.*note).Caption(), (before.*note).Caption());

  ASSERT_TRUE(reopened->SaveProject("again.kelvane"));
  EXPECT_EQ(ReadFile("again.kelvane"), ReadFile("design.kelvane"));
}

TEST_F(StartedForm, ProjectMenuAsksForThePathAndTellsWhatItRefused) {
  EXPECT_EQ(form.Mn_OpenProject.Parent(), &form.Mn_Project);
  EXPECT_EQ(form.Mn_OpenProject.Shortcut(), "Ctrl+O");
  EXPECT_EQ(form.Mn_SaveProject.Shortcut(), "Ctrl+S");
  std::vector<PathRequest> asked;
  std::optional<std::string> answer = "wing.kelvane";
  form.SetPathHook([&](PathRequest request) {
    asked.push_back(request);
    return answer;
  });
  form.Mn_SaveProject.Click();
  EXPECT_TRUE(fs::exists("wing.kelvane"));

  WriteFile("wing.kelvane", R"({"kelvane": 2, "wing": {}})");
  form.Mn_OpenProject.Click();
  ASSERT_EQ(form.Messages().size(), 1u);
  EXPECT_NE(form.Messages()[0].find("proje sürümü 1 olmalı"), std::string::npos) << form.Messages()[0];
  answer.reset();
  form.Mn_OpenProject.Click();
  EXPECT_EQ(asked, (std::vector{PathRequest::SaveProject, PathRequest::OpenProject, PathRequest::OpenProject}));

  form.Form_Results.Text_Rho.SetText("1,2");
  EXPECT_FALSE(form.SaveProject("wing.kelvane"));
  EXPECT_EQ(form.Messages().back(), kAirDensityMessage);
}

}  // namespace
}  // namespace kelvane::ui::testing

// A solution always belongs to the planform on view: editing a planform input asks for the planform
// command first, and the planform command takes the old results off the window.
#include <filesystem>
#include <functional>

#include "StartedForm.h"

namespace kelvane::ui::testing {
namespace {

constexpr char kNoPlanform[] = "Önce üst-görünüm hesabını yapınız";

using Edit = std::function<void(Form_Wing&)>;

struct NamedEdit {
  const char* name;
  Edit edit;
};

class PlanformOnView : public StartedForm {
 protected:
  // The result boxes as the window shows them.
  std::vector<std::string> Results() const {
    return {form.Text_CDi.Text(), form.Text_E.Text(), form.Text_AlfE.Text(), form.Text_CDiE.Text(),
            form.Text_EE.Text()};
  }
};

TEST_F(PlanformOnView, EveryPlanformInputAsksForThePlanformCommandFirst) {
  const NamedEdit edits[] = {
      {"area", [](Form_Wing& f) { f.Text_Area.SetText("20"); }},
      {"aspect ratio", [](Form_Wing& f) { f.Text_AR.SetText("8"); }},
      {"span", [](Form_Wing& f) { f.Text_b.SetText("12"); }},
      {"mean chord", [](Form_Wing& f) { f.Text_cOrt.SetText("2"); }},
      {"area tick", [](Form_Wing& f) { f.Check_Area.SetValue(0); }},
      {"aspect ratio tick", [](Form_Wing& f) { f.Check_AR.SetValue(0); }},
      {"span tick", [](Form_Wing& f) { f.Check_b.SetValue(1); }},
      {"mean chord tick", [](Form_Wing& f) { f.Check_cOrt.SetValue(1); }},
      {"stations", [](Form_Wing& f) { f.Text_N.SetText("17"); }},
      {"trapezoidal type", [](Form_Wing& f) { f.Option_Trapez.Click(); }},
      {"panel count", [](Form_Wing& f) { f.Text_nTrap.SetText("1 "); }},
      {"panel end", [](Form_Wing& f) { f.Text_ks[1]->SetText("1.0"); }},
      {"chord ratio", [](Form_Wing& f) { f.Text_kc[1]->SetText("0.5"); }},
  };
  for (const NamedEdit& c : edits) {
    SCOPED_TRACE(c.name);
    const auto started = StartForm();
    ASSERT_TRUE(form.Record().PlanformDone);
    c.edit(*started);
    started->PLL.Click();
    EXPECT_EQ(started->Messages(), std::vector<std::string>{kNoPlanform});
    EXPECT_FALSE(std::filesystem::exists(kLastConfigFileName));
  }
}

TEST_F(PlanformOnView, ReturningToTheEllipticTypeAsksForThePlanformCommandToo) {
  form.Option_Trapez.Click();
  form.Cmd_Planform.Click();
  form.Option_Eliptik.Click();
  form.PLL.Click();
  EXPECT_EQ(form.Messages(), std::vector<std::string>{kNoPlanform});
}

TEST_F(PlanformOnView, OtherInputsAndRepeatedClicksKeepThePlanform) {
  const NamedEdit edits[] = {
      {"twist", [](Form_Wing& f) { f.Text_dAlfa.SetText("-2"); }},
      {"root slope", [](Form_Wing& f) { f.Text_AszK.SetText("6"); }},
      {"tip zero-lift angle", [](Form_Wing& f) { f.Text_Alfa0U.SetText("-1"); }},
      {"root angle", [](Form_Wing& f) { f.Text_AlfaK.SetText("4"); }},
      {"mode",
       [](Form_Wing& f) {
         f.Option_CL.Click();
         f.Option_Alfa.Click();
       }},
      {"report option", [](Form_Wing& f) { f.Check1.SetValue(1); }},
      {"the selected type again", [](Form_Wing& f) { f.Option_Eliptik.Click(); }},
      {"the same text again", [](Form_Wing& f) { f.Text_Area.SetText("10"); }},
      {"speed", [](Form_Wing& f) { f.Text_Voo.SetText("30"); }},
  };
  for (const NamedEdit& c : edits) {
    SCOPED_TRACE(c.name);
    c.edit(form);
    EXPECT_TRUE(form.Record().PlanformDone);
  }
  form.PLL.Click();
  EXPECT_TRUE(form.Messages().empty());
}

TEST_F(PlanformOnView, TypingANewAreaNeverSolvesTheOldWing) {
  form.Text_Area.SetText("20");
  form.PLL.Click();
  form.Cmd_Planform.Click();
  form.PLL.Click();
  EXPECT_EQ(form.Messages(), std::vector<std::string>{kNoPlanform});
  const std::vector<std::string> saved = CrLfLines(ReadFile(kLastConfigFileName));
  ASSERT_GT(saved.size(), 1u);
  EXPECT_EQ(saved[0], " 20 ");
}

TEST_F(PlanformOnView, PlanformCommandTakesTheOldResultsOffTheWindow) {
  const std::vector<std::string> startResults = Results();
  EXPECT_EQ(startResults, (std::vector<std::string>{"0", "", "", "0", ""}));
  form.PLL.Click();
  ASSERT_NE(Results(), startResults);
  ASSERT_GT(form.Picture2.Surface().Commands().size(), 0u);

  form.Text_Area.SetText("20");
  form.Cmd_Planform.Click();
  EXPECT_EQ(Results(), startResults);
  EXPECT_TRUE(form.Picture2.Surface().Commands().empty());
  EXPECT_TRUE(form.Picture3.Surface().Commands().empty());
  // The operating point stays: it is the user's input for the next solution.
  EXPECT_EQ(form.Text_AlfaK.Text(), "10");
}

TEST_F(PlanformOnView, ReadingAFileTakesTheOldResultsOffAndSolvesTheNewWing) {
  form.PLL.Click();
  WriteFile("wing.cfg",
            " 20 \r\n 5 \r\n 2 \r\n 10 \r\nTrue\r\nFalse\r\n 0 \r\n 6 \r\n 0 \r\n 6 \r\n 0 \r\n 0 \r\n 4 \r\n");
  form.ConfigFileName = "wing.cfg";
  ASSERT_TRUE(form.ReadAnExistingConfig_from_aFile());
  EXPECT_EQ(Results(), (std::vector<std::string>{"0", "", "", "0", ""}));
  EXPECT_TRUE(form.Picture3.Surface().Commands().empty());
  form.PLL.Click();
  EXPECT_TRUE(form.Messages().empty());
  EXPECT_EQ(CrLfLines(ReadFile(kLastConfigFileName))[0], " 20 ");
}

}  // namespace
}  // namespace kelvane::ui::testing

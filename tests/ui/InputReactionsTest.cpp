// Tests of the planform-type, panel-count and mode reactions.
#include "StartedForm.h"
#include "solver/Report.h"

namespace kelvane::ui::testing {
namespace {

constexpr char kPanelCountMessage[] = "Trapez sayısı 1 ile 4 arasında olmalıdır";

class InputReactions : public StartedForm {
 protected:
  InputReactions() { form.Option_Trapez.Click(); }

  // How many panel rows are on view, checking that each row shows or hides as a whole.
  int RowsOnView() const {
    int rows = 0;
    for (int row = 1; row <= 4; ++row) {
      const bool onView = form.Text_ks[row]->Shown();
      EXPECT_EQ(form.Label_ks[row]->Shown(), onView) << row;
      EXPECT_EQ(form.Label_kc[row]->Shown(), onView) << row;
      EXPECT_EQ(form.Text_kc[row]->Shown(), onView) << row;
      rows += onView;
    }
    return rows;
  }
};

TEST_F(InputReactions, TypingACountIntoTheEmptiedBoxFirstReportsTheEmptyBox) {
  form.Text_nTrap.SetText("");
  EXPECT_EQ(form.Messages(), std::vector<std::string>{kPanelCountMessage});
  EXPECT_EQ(form.Record().nTrap, 0);
  form.Text_nTrap.SetText("3");
  EXPECT_EQ(form.Messages().size(), 1u);
  EXPECT_EQ(RowsOnView(), 3);
  EXPECT_EQ(form.Record().nTrap, 3);
}

TEST_F(InputReactions, CountOutOfRangeIsReportedAndKeptWithTheRowsUnchanged) {
  for (const auto& [text, count] : {std::pair{"5", 5.0}, std::pair{"0", 0.0}, std::pair{"-2", -2.0}}) {
    form.Text_nTrap.SetText("3");
    const size_t shownBefore = form.Messages().size();
    form.Text_nTrap.SetText(text);
    form.Text_nTrap.SetText(text);  // the same text again is no change
    EXPECT_EQ(form.Messages().size(), shownBefore + 1) << text;
    EXPECT_EQ(form.Record().nTrap, count);
    EXPECT_EQ(RowsOnView(), 3) << text;
  }
}

TEST_F(InputReactions, FewerPanelsHideRowsThatKeepTheirTexts) {
  form.Text_nTrap.SetText("4");
  form.Text_kc[4]->SetText("0.7");
  form.Text_nTrap.SetText("2");
  EXPECT_EQ(RowsOnView(), 2);
  form.Text_nTrap.SetText("2.5");  // rows up to the integer part
  EXPECT_EQ(RowsOnView(), 2);
  form.Text_nTrap.SetText("4");
  EXPECT_EQ(RowsOnView(), 4);
  EXPECT_EQ(form.Text_ks[3]->Text(), "0.5");
  EXPECT_EQ(form.Text_kc[4]->Text(), "0.7");
  EXPECT_TRUE(form.Messages().empty());
}

TEST_F(InputReactions, PlanformTypeOnlyShowsOrHidesThePanelFrame) {
  const auto picture = form.Picture1.Surface().Commands();
  EXPECT_TRUE(form.Frame_Trap.Shown());
  EXPECT_FALSE(form.Option_Eliptik.Value());
  form.Text_nTrap.SetText("2");
  form.Option_Eliptik.Click();
  EXPECT_FALSE(form.Frame_Trap.Shown());
  EXPECT_FALSE(form.Option_Trapez.Value());
  EXPECT_EQ(form.Record().nTrap, 2);
  form.Option_Trapez.Click();
  EXPECT_EQ(RowsOnView(), 2);
  EXPECT_EQ(form.Picture1.Surface().Commands(), picture);
}

TEST_F(InputReactions, SolutionModeShowsTheBoxOfTheGivenValue) {
  form.Text_CL.SetText("0.5");
  struct Mode {
    OptionButton* option;
    bool clShown, angleShown;
  };
  for (const Mode& mode : {Mode{&form.Option_CL, true, false}, Mode{&form.Option_Alfa, false, true}}) {
    mode.option->Click();
    EXPECT_EQ(form.Text_CL.Shown(), mode.clShown) << mode.option->Name();
    EXPECT_EQ(form.Text_AlfaK.Shown(), mode.angleShown) << mode.option->Name();
    EXPECT_EQ(form.Label_deg1.Shown(), mode.angleShown) << mode.option->Name();
    EXPECT_TRUE(form.Label7.Shown());
  }
  EXPECT_FALSE(form.Option_CL.Value());
  EXPECT_EQ(form.Text_CL.Text(), "0.5");
  EXPECT_EQ(form.Text_AlfaK.Text(), "10");
  EXPECT_EQ(form.Record().CL, 0);
}

TEST_F(InputReactions, OtherBoxesReachTheModelOnlyThroughACommand) {
  form.Text_Area.SetText("20");
  form.Text_N.SetText("5");
  form.Text_Voo.SetText("2");
  form.Check_b.SetValue(1);
  EXPECT_EQ(std::make_tuple(form.Record().S, form.Record().N, form.Record().Voo), std::make_tuple(10.0, 15.0, 1.0));
  EXPECT_FALSE(form.Record().PlanformDone);  // the planform on view no longer matches the boxes
}

TEST_F(InputReactions, CheckBoxIgnoresAValueItCannotHold) {
  for (int wrong : {3, -1}) {
    form.Check_b.SetValue(wrong);
    EXPECT_EQ(form.Check_b.Value(), 0) << wrong;
  }
  form.Check_b.SetValue(2);
  EXPECT_EQ(form.Check_b.Value(), 2);
}

}  // namespace
}  // namespace kelvane::ui::testing

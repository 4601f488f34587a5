// Box texts that the reading rule would take otherwise than the user meant are refused with a message
// that quotes them, by the command that reads them.
#include "model/UnreadableNumber.h"

#include "StartedForm.h"

namespace kelvane::ui::testing {
namespace {

constexpr char kUseThePoint[] = "Ondalık ayırıcı olarak nokta kullanınız: ";
constexpr char kTooLarge[] = "Bu sayı çok büyük: ";

TEST(UnreadableNumberMessage, NamesADecimalCommaOrAnInfiniteValue) {
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"12,5", std::string(kUseThePoint) + "12,5"},
      {" 12 , 5", std::string(kUseThePoint) + " 12 , 5"},
      {",5", std::string(kUseThePoint) + ",5"},
      {"1e400", std::string(kTooLarge) + "1e400"},
      {"-1D400", std::string(kTooLarge) + "-1D400"},
      {"12.5", std::nullopt},
      {"12,", std::nullopt},  // nothing after the comma to lose
      {"12,abc", std::nullopt},
      {"abc,5", std::nullopt},   // letters read as 0, as always
      {"1e-400", std::nullopt},  // a tiny value is still a value
      {"", std::nullopt},
  };
  for (const auto& [text, message] : cases) EXPECT_EQ(UnreadableNumberMessage(text), message) << text;
}

using NumberBoxes = StartedForm;

TEST_F(NumberBoxes, PlanformCommandRefusesADecimalCommaInEveryBoxItReads) {
  const std::pair<const char*, std::function<void(Form_Wing&)>> cases[] = {
      {"area", [](Form_Wing& f) { f.Text_Area.SetText("12,5"); }},
      {"aspect ratio", [](Form_Wing& f) { f.Text_AR.SetText("12,5"); }},
      {"stations", [](Form_Wing& f) { f.Text_N.SetText("12,5"); }},
      {"panel count",
       [](Form_Wing& f) {
         f.Option_Trapez.Click();
         f.Text_nTrap.SetText("12,5");
       }},
      {"panel end",
       [](Form_Wing& f) {
         f.Option_Trapez.Click();
         f.Text_ks[1]->SetText("12,5");
       }},
      {"chord ratio",
       [](Form_Wing& f) {
         f.Option_Trapez.Click();
         f.Text_nTrap.SetText("2");
         f.Text_kc[2]->SetText("12,5");
       }},
  };
  for (const auto& [name, edit] : cases) {
    SCOPED_TRACE(name);
    const auto started = StartForm();
    edit(*started);
    const auto shown = started->Messages().size();
    started->Cmd_Planform.Click();
    EXPECT_EQ(std::vector<std::string>(started->Messages().begin() + static_cast<std::ptrdiff_t>(shown),
                                       started->Messages().end()),
              std::vector<std::string>{std::string(kUseThePoint) + "12,5"});
    EXPECT_FALSE(started->Record().PlanformDone);
    EXPECT_EQ(started->Record().S, 10);
  }
}

TEST_F(NumberBoxes, BoxesACommandDoesNotReadMayHoldAnything) {
  form.Text_b.SetText("12,5");       // not ticked
  form.Text_ks[3]->SetText("12,5");  // a hidden panel row
  form.Text_CL.SetText("1e400");     // the given-angle mode reads the angle
  form.Cmd_Planform.Click();
  form.PLL.Click();
  EXPECT_TRUE(form.Messages().empty());
}

TEST_F(NumberBoxes, SolveCommandRefusesBeforeChangingAnything) {
  for (TextBox* box : {&form.Text_AszK, &form.Text_Alfa0U, &form.Text_dAlfa, &form.Text_AlfaK}) {
    SCOPED_TRACE(box->Name());
    const std::string before = box->Text();
    box->SetText("1,5");
    const auto shown = form.Messages().size();
    form.PLL.Click();
    EXPECT_EQ(MessagesSince(shown), std::vector<std::string>{std::string(kUseThePoint) + "1,5"});
    EXPECT_EQ(form.Text_CL.Text(), "0");  // no solution was shown
    box->SetText(before);
  }
  form.Option_CL.Click();
  form.Text_CL.SetText("0,4");
  form.PLL.Click();
  EXPECT_EQ(form.Messages().back(), std::string(kUseThePoint) + "0,4");
  EXPECT_EQ(form.Text_AlfaK.Text(), "10");
}

TEST_F(NumberBoxes, AnInfiniteValueIsCalledTooLarge) {
  form.Text_Area.SetText("1e400");
  form.Cmd_Planform.Click();
  form.Text_Area.SetText("10");
  form.Text_AszU.SetText("-1e999");
  form.Cmd_Planform.Click();
  form.PLL.Click();
  EXPECT_EQ(form.Messages(),
            (std::vector<std::string>{std::string(kTooLarge) + "1e400", std::string(kTooLarge) + "-1e999"}));
}

}  // namespace
}  // namespace kelvane::ui::testing

// Tests of the planform command through the window.
#include <filesystem>
#include <functional>

#include "StartedForm.h"
#include "solver/Report.h"

namespace kelvane::ui::testing {
namespace {

constexpr char kPanelCountMessage[] = "Trapez sayısı 1 ile 4 arasında olmalıdır";

class PlanformCommand : public StartedForm {
 protected:
  const std::string startReport = ReadFile(kReportFileName);

  void TickOnly(CheckBox& first, CheckBox& second) {
    for (CheckBox* box : {&form.Check_Area, &form.Check_AR, &form.Check_b, &form.Check_cOrt})
      box->SetValue(box == &first || box == &second ? 1 : 0);
  }
};

TEST_F(PlanformCommand, AreaAndAspectRatioGiveSpanAndMeanChord) {
  form.Text_AR.SetText("8");
  form.Cmd_Planform.Click();
  EXPECT_EQ(form.Text_b.Text(), "8.94427190999916");
  EXPECT_EQ(form.Text_cOrt.Text(), "1.11803398874989");
  EXPECT_EQ(form.Text_AR.Text(), "8");
  EXPECT_EQ(form.Text_Area.Text(), "10");
  EXPECT_TRUE(form.Record().PlanformDone);
  EXPECT_EQ(ReadFile(kReportFileName),
            "  Kanat Alanı(m²) =  10 \r\n  Açıklık oranı   =  8 \r\n"
            "  Açıklık    (m)  =  8.94 \r\n  Ort. veter (m)  =  1.12 \r\n");
}

TEST_F(PlanformCommand, SummaryRoundsHalvesToEven) {
  TickOnly(form.Check_b, form.Check_cOrt);
  for (const auto& [meanChord, printed] : {std::pair{"1.125", " 1.12 "}, std::pair{"1.375", " 1.38 "}}) {
    form.Text_cOrt.SetText(meanChord);
    form.Cmd_Planform.Click();
    const std::string line = std::string("  Ort. veter (m)  = ") + printed + "\r\n";
    EXPECT_NE(ReadFile(kReportFileName).find(line), std::string::npos) << meanChord;
  }
}

TEST_F(PlanformCommand, RunningTwiceKeepsOnlyTheLastSummary) {
  form.Cmd_Planform.Click();
  EXPECT_EQ(ReadFile(kReportFileName), startReport);
}

TEST_F(PlanformCommand, RejectedInputStopsWithItsMessageAndLeavesReportAndPicture) {
  using Spoil = std::function<void(Form_Wing&)>;
  const std::pair<Spoil, std::string> cases[] = {
      {[](Form_Wing& f) { f.Text_N.SetText("16"); }, " İstasyon sayısı simetrik yük dağılımı için ÇİFT SAYI olamaz"},
      {[](Form_Wing& f) { f.Text_N.SetText("abc"); }, "Yarı-açıklık boyunca istasyon sayısı 2 den küçük olamaz"},
      {[](Form_Wing& f) { f.Check_b.SetValue(1); }, "Üst-görünüm parametrelerinden sadece 2 sini seçebilirsiniz"},
      {[](Form_Wing& f) { f.Text_AR.SetText(""); }, "AR değerini belirleyiniz"},
      {[](Form_Wing& f) { f.Option_Eliptik.SetValue(false); }, "Üst görünüm şeklini seçiniz"},
      {[](Form_Wing& f) {
         f.Option_Trapez.Click();
         f.Text_nTrap.SetText("5");
       },
       kPanelCountMessage},
      {[](Form_Wing& f) {
         f.Option_Trapez.Click();
         f.Text_nTrap.SetText("2.5");
       },
       kPanelCountMessage},
  };
  for (const auto& [spoil, message] : cases) {
    auto fresh = StartForm();
    const auto picture = fresh->Picture1.Surface().Commands();
    spoil(*fresh);
    const size_t shownBefore = fresh->Messages().size();
    fresh->Cmd_Planform.Click();
    ASSERT_EQ(fresh->Messages().size(), shownBefore + 1) << message;
    EXPECT_EQ(fresh->Messages().back(), message);
    EXPECT_FALSE(fresh->Record().PlanformDone) << message;
    EXPECT_EQ(ReadFile(kReportFileName), startReport) << message;
    EXPECT_EQ(fresh->Picture1.Surface().Commands(), picture) << message;
  }
}

TEST_F(PlanformCommand, EvenStationCountStopsAfterTheParametersAndTheSolveRefuses) {
  form.Text_AR.SetText("8");
  form.Text_N.SetText("16");
  form.Cmd_Planform.Click();
  EXPECT_EQ(form.Text_b.Text(), "8.94427190999916");
  EXPECT_EQ(form.Record().N, 16);
  form.PLL.Click();
  EXPECT_EQ(form.Messages().back(), "Önce üst-görünüm hesabını yapınız");
  EXPECT_EQ(ReadFile(kReportFileName), startReport);
}

TEST_F(PlanformCommand, TrapezoidalPanelsAreDrawnOverTheEllipse) {
  form.Option_Trapez.Click();
  form.Text_nTrap.SetText("2");
  for (auto [box, text] : {std::pair{form.Text_ks[1], "1"}, std::pair{form.Text_kc[1], ".5"},
                           std::pair{form.Text_ks[2], ".6"}, std::pair{form.Text_kc[2], ".9"}})
    box->SetText(text);
  form.Cmd_Planform.Click();
  EXPECT_TRUE(form.Record().PlanformDone);
  EXPECT_EQ(form.Picture1.Surface().CountOf(PlotCommand::Kind::DrawLine), 3 * 15 + 63 + 2);
  EXPECT_EQ(form.Picture1.Surface().CountOf(PlotCommand::Kind::DrawLineTo), 3 * 2);
}

TEST_F(PlanformCommand, UnwritableReportIsShownAndLeavesThePlanformUndone) {
  std::filesystem::remove(kReportFileName);
  std::filesystem::create_directory(kReportFileName);
  form.Cmd_Planform.Click();
  ASSERT_EQ(form.Messages().size(), 1u);
  EXPECT_NE(form.Messages().back().find(kReportFileName), std::string::npos);
  EXPECT_FALSE(form.Record().PlanformDone);
}

}  // namespace
}  // namespace kelvane::ui::testing

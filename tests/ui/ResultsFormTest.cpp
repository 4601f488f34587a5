// The results window driven as a user would: open it from the menu, solve in the main window, type into
// its boxes, press its button, read its charts and table.
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "StartedForm.h"
#include "model/Numbers.h"
#include "results/charts/SpanwiseCharts.h"

namespace kelvane::ui::testing {
namespace {

using charts::Chart;

class ResultsWindow : public StartedForm {
 protected:
  ResultsForm& results = form.Form_Results;

  void SetUp() override {
    results.SetViewHook([this] { ++views; });
    results.SetOpenHook([this] { ++opened; });
  }

  const Chart& Only(ResultsTab tab) const {
    const auto& charts = results.Charts(tab);
    EXPECT_EQ(charts.size(), 1u);
    return charts.front();
  }

  int views = 0;
  int opened = 0;
};

TEST_F(ResultsWindow, MenuOpensOneWindowThatSaysWhenThereIsNoSolution) {
  EXPECT_EQ(form.Mn_Results.Caption(), "Sonuçlar");
  EXPECT_EQ(form.Mn_Charts.Caption(), "Grafikler ve tablo");
  EXPECT_EQ(form.Mn_Charts.Parent(), &form.Mn_Results);
  EXPECT_EQ(form.Mn_Charts.Shortcut(), "Ctrl+R");
  EXPECT_EQ(form.AllMenuItems().back(), &form.Mn_Charts);  // after the About and file menus

  form.Mn_Charts.Click();
  form.Mn_Charts.Click();
  EXPECT_TRUE(results.Created());
  EXPECT_EQ(results.OpenCount(), 2);
  EXPECT_EQ(opened, 2);
  EXPECT_FALSE(results.HasSolution());
  EXPECT_TRUE(results.Label_NoSolution.Visible());
  for (const ResultsTab tab : kResultsTabs) EXPECT_TRUE(results.Charts(tab).empty());
  EXPECT_TRUE(results.TableRows().empty());
}

// A solution made before the window was ever opened shows when it opens, and every new one follows.
TEST_F(ResultsWindow, ShowsTheLatestSolutionAndFollowsEveryNewOne) {
  form.PLL.Click();
  form.Mn_Charts.Click();
  EXPECT_EQ(results.SolutionNumber(), 1);
  EXPECT_FALSE(results.Label_NoSolution.Visible());
  const double firstRoot = Only(ResultsTab::Circulation).series[0].points[15].y;
  EXPECT_EQ(firstRoot, form.Record().Gamma[15]);

  const int viewsBefore = views;
  form.Text_AlfaK.SetText("5");
  form.PLL.Click();
  EXPECT_EQ(results.SolutionNumber(), 2);
  EXPECT_GT(views, viewsBefore);
  EXPECT_DOUBLE_EQ(Only(ResultsTab::Circulation).series[0].points[15].y, firstRoot / 2);

  // A new planform takes the solution off the main window, and off this one.
  form.Cmd_Planform.Click();
  EXPECT_FALSE(results.HasSolution());
  EXPECT_TRUE(results.Label_NoSolution.Visible());
  EXPECT_TRUE(results.Charts(ResultsTab::Circulation).empty());
}

TEST_F(ResultsWindow, TableHoldsEveryStationAtFullPrecision) {
  form.Mn_Charts.Click();
  form.PLL.Click();
  ASSERT_EQ(results.TableRows().size(), 15u);
  EXPECT_EQ(results.TableHeader(),
            (std::vector<std::string>{"i", "y (m)", "c (m)", "Γ/V∞ (m)", "cl", "αe (°)", "αi (°)", "w/V∞"}));
  const std::vector<std::string>& root = results.TableRows().back();
  EXPECT_EQ(root[0], "15");
  EXPECT_EQ(root[1], "0");
  EXPECT_EQ(std::stod(root[3]), form.Record().Gamma[15]);  // reads back to the same double
  EXPECT_GT(root[3].size(), 15u);

  const int rows[] = {14, 0};
  const int columns[] = {0, 3};
  EXPECT_EQ(results.TableText(rows, columns), "i\tΓ/V∞ (m)\n15\t" + root[3] + "\n1\t" + results.TableRows()[0][3] + "\n");
  const std::string csv = results.Csv(ResultsTab::Table);
  EXPECT_EQ(csv.substr(0, csv.find('\n')), "i,y (m),c (m),Γ/V∞ (m),cl,αe (°),αi (°),w/V∞");
}

TEST_F(ResultsWindow, MaximumLiftBoxesMarkTheStallOnset) {
  form.Mn_Charts.Click();
  EXPECT_EQ(results.Text_clmaxK.Text(), "");
  form.PLL.Click();
  EXPECT_EQ(Only(ResultsTab::LocalLift).series.size(), 1u);

  results.Text_clmaxK.SetText("1.2");  // the tip box left empty takes the root's value
  const Chart& lift = Only(ResultsTab::LocalLift);
  ASSERT_EQ(lift.series.size(), 2u);
  ASSERT_EQ(lift.markers.size(), 1u);
  // An elliptic wing at constant sections has the same cl everywhere: every station stalls together at
  // 1.2 / 0.0914 per degree, and the first station, next to the tip, is reported.
  EXPECT_EQ(results.Label_Stall.Caption().rfind("Tutunma kaybı başlangıcı: αkök = 13.131°", 0), 0u)
      << results.Label_Stall.Caption();
  EXPECT_EQ(results.TableHeader().back(), "clmax");
  EXPECT_EQ(results.TableRows().front().back(), "1.2");

  results.Text_clmaxU.SetText("1,1");
  EXPECT_TRUE(Only(ResultsTab::LocalLift).markers.empty());
  EXPECT_NE(results.Label_Stall.Caption().find("ondalık ayırıcı nokta"), std::string::npos);
  EXPECT_TRUE(form.Messages().empty());  // a note beside the boxes, no message box while typing

  results.Text_clmaxK.SetText("");
  results.Text_clmaxU.SetText("");
  EXPECT_EQ(results.Label_Stall.Caption(), "");
  EXPECT_EQ(Only(ResultsTab::LocalLift).series.size(), 1u);
}

// The polar runs on the solution on view and leaves the main window, the record and the files alone.
TEST_F(ResultsWindow, PolarLeavesTheMainWindowAndItsFilesUntouched) {
  form.Mn_Charts.Click();
  form.PLL.Click();
  // A box typed after the solution does not change the solution the polar belongs to.
  form.Text_AszK.SetText("3");
  const auto boxTexts = [this] {
    std::vector<std::string> texts;
    for (const Control* control : form.AllControls())
      if (control->Kind() == ControlKind::TextBox) texts.push_back(static_cast<const TextBox*>(control)->Text());
    return texts;
  };
  const std::vector<std::string> boxes = boxTexts();
  const std::string report = ReadFile("PLL.txt");
  const std::string lastConfig = ReadFile(kLastConfigFileName);
  const auto picture = form.Picture2.Surface().Commands();
  const Module_ortak before = form.Record();

  EXPECT_EQ(results.Label_PolarVariable.Caption(), "αkök (°)");
  results.Text_PolarFrom.SetText("0");
  results.Text_PolarTo.SetText("10");
  results.Text_PolarStep.SetText("5");
  results.Cmd_Polar.Click();

  const auto& polar = results.Charts(ResultsTab::Polar);
  ASSERT_EQ(polar.size(), 2u);
  const auto& points = polar[0].series[0].points;
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[2], (charts::ChartPoint{10, before.CL}));
  EXPECT_EQ(results.Label_Polar.Caption(), "3 nokta hesaplandı.");
  EXPECT_EQ(results.Csv(ResultsTab::Polar).rfind("αkök (°),CL,CDi\n0,", 0), 0u);

  EXPECT_EQ(ReadFile("PLL.txt"), report);
  EXPECT_EQ(ReadFile(kLastConfigFileName), lastConfig);
  EXPECT_EQ(form.Picture2.Surface().Commands(), picture);
  EXPECT_EQ(std::memcmp(&form.Record().Gamma, &before.Gamma, sizeof before.Gamma), 0);
  EXPECT_EQ(form.Record().AlfaK, before.AlfaK);
  EXPECT_EQ(form.Record().CL, before.CL);
  EXPECT_EQ(boxTexts(), boxes);
  EXPECT_TRUE(form.Messages().empty());
}

TEST_F(ResultsWindow, PolarRefusesWhatIsNoRangeAndSweepsCLInTheGivenCLMode) {
  form.Mn_Charts.Click();
  results.Cmd_Polar.Click();
  EXPECT_EQ(form.Messages().back(), "Önce ana pencerede bir çözüm yapınız.");

  form.Option_CL.Click();
  form.Text_CL.SetText("0.5");
  form.PLL.Click();
  EXPECT_EQ(results.Mode(), SolutionMode::GivenCL);
  EXPECT_EQ(results.Label_PolarVariable.Caption(), "CL");
  EXPECT_EQ(results.Text_PolarTo.Text(), "1.2");

  const std::size_t shown = form.Messages().size();
  results.Text_PolarStep.SetText("0,1");
  results.Cmd_Polar.Click();
  results.Text_PolarStep.SetText("-1");
  results.Cmd_Polar.Click();
  results.Text_PolarStep.SetText("0.1");
  results.Text_PolarTo.SetText("-1");
  results.Cmd_Polar.Click();
  results.Text_PolarTo.SetText("1e6");
  results.Cmd_Polar.Click();
  EXPECT_EQ(MessagesSince(shown),
            (std::vector<std::string>{
                "Başlangıç, bitiş ve adım kutularına birer sayı giriniz (ondalık ayırıcı nokta): 0,1",
                "Polar için adım sıfırdan büyük olmalı.",
                "Polar için bitiş değeri başlangıç değerinden küçük olamaz.",
                "Polar en çok 1000 noktadır: daha büyük bir adım giriniz."}));
  EXPECT_TRUE(results.Charts(ResultsTab::Polar).empty());

  results.Text_PolarTo.SetText("1");
  results.Cmd_Polar.Click();
  const auto& points = results.Charts(ResultsTab::Polar)[0].series[0].points;
  ASSERT_EQ(points.size(), 11u);
  EXPECT_DOUBLE_EQ(points[5].y, 0.5);
  EXPECT_NEAR(points[5].x, ReadNumber(form.Text_AlfaK.Text()), 5e-4);  // the root angle the window shows
}

}  // namespace
}  // namespace kelvane::ui::testing

// The results window driven as a user would: open it from the menu, solve in the main window, type into
// its boxes, press its buttons, read its charts and table.
#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "StartedForm.h"
#include "model/Numbers.h"
#include "model/Wing.h"
#include "results/PolarWing.h"
#include "results/charts/SpanwiseCharts.h"
#include "solver/PolarSearch.h"

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

std::string ShippedPolar(const char* name) { return std::string(KELVANE_EXAMPLES_DIR "/../data/polars/") + name; }

std::vector<std::string> SeriesNames(const Chart& chart) {
  std::vector<std::string> names;
  for (const auto& series : chart.series) names.push_back(series.name);
  return names;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A CSV export's table, after the "# " lines that name what it shows.
std::string TableOf(const std::string& csv) {
  std::size_t start = 0;
  while (csv.compare(start, 2, "# ") == 0) start = csv.find('\n', start) + 1;
  return csv.substr(start);
}

// The results window of a solved start-up wing, open, with the shipped NACA 2412 polar for both sections.
class ResultsWithPolars : public ResultsWindow {
 protected:
  void SetUp() override {
    ResultsWindow::SetUp();
    form.Mn_Charts.Click();
    form.PLL.Click();
    results.Text_PolarRoot.SetText(ShippedPolar("naca2412-re1e6.txt"));
    results.Cmd_PolarLoad.Click();
    ASSERT_TRUE(results.Polars());
    ASSERT_TRUE(form.Messages().empty());
  }
};

// The window's section-polar solution is the engine's, found from the wing's own values by the wing solver.
TEST_F(ResultsWithPolars, DriveCurvesBesideTheLinearOnesThroughStall) {
  auto solver = WingSolver::Plan(Wing{});
  ASSERT_TRUE(solver);
  auto line = MakePolarLiftingLine(*solver, *results.Polars());
  ASSERT_TRUE(line);
  const auto expected = line->SolveAtAngle(ReadNumber(form.Text_AlfaK.Text()));
  const auto expectedCLmax = FindWingCLmax(*line);
  ASSERT_TRUE(expected && expectedCLmax);

  const auto& solution = results.SectionPolarSolution();
  ASSERT_TRUE(solution);
  EXPECT_NEAR(solution->CL, expected->CL, 1e-12 * expected->CL);
  EXPECT_NEAR(solution->CD, expected->CD, 1e-12 * expected->CD);
  EXPECT_TRUE(Contains(results.Label_Polars.Caption(), "L/D = ")) << results.Label_Polars.Caption();
  const std::string summary = results.Label_Summary.Caption();
  EXPECT_TRUE(summary.ends_with("; kesit polarlarıyla L/D = " + PlainNumberText(RoundTo(solution->LD, 3)))) << summary;

  const auto& span = results.Charts(ResultsTab::LocalLift);
  ASSERT_EQ(span.size(), 2u);  // cl, then cd along the span
  EXPECT_EQ(SeriesNames(span[0]), (std::vector<std::string>{"cl", "cl, kesit polarlı", "clmax, kesit polarlarından"}));
  const double sectionMaxLift = results.Polars()->root.MaxLift().cl;
  for (const auto& point : span[0].series[2].points) EXPECT_DOUBLE_EQ(point.y, sectionMaxLift);
  EXPECT_EQ(span[1].series[0].points[14].y, solution->stations.back().cd);  // the root, after 14 stations

  results.Cmd_Polar.Click();  // -4° to 12° by 1°
  const auto& polar = results.Charts(ResultsTab::Polar);
  ASSERT_EQ(polar.size(), 3u);
  const auto& lift = polar[0];
  ASSERT_EQ(lift.series.size(), 3u);
  EXPECT_GT(lift.series[1].points.back().x, expectedCLmax->AlfaK);  // on past CLmax
  ASSERT_EQ(lift.series[2].points.size(), 1u);
  EXPECT_NEAR(lift.series[2].points[0].y, expectedCLmax->CL, 1e-12);
  EXPECT_EQ(lift.series[2].name, charts::WingMaxLiftText(*expectedCLmax));
  EXPECT_EQ(results.Label_Polar.Caption().rfind("17 nokta hesaplandı. Kesit polarlarıyla", 0), 0u);

  const std::string csv = TableOf(results.Csv(ResultsTab::Polar));
  EXPECT_EQ(csv.substr(0, csv.find('\n')), "αkök (°),CL,CDi,CL (kesit polarlı),CDi (kesit polarlı),CDp,CD,L/D");
  const std::string last = csv.substr(csv.rfind('\n', csv.size() - 2) + 1);
  EXPECT_GT(std::stod(last), 12);  // a row past the linear polar, its linear cells empty
  EXPECT_EQ(last.substr(last.find(','), 3), ",,,");

  results.Cmd_PolarClear.Click();
  EXPECT_FALSE(results.Polars());
  EXPECT_EQ(results.Text_PolarRoot.Text(), "");
  EXPECT_EQ(results.Charts(ResultsTab::LocalLift).size(), 1u);
  EXPECT_EQ(results.Charts(ResultsTab::Polar).size(), 2u);
}

TEST_F(ResultsWithPolars, TellWhyThereIsNoSolutionWithThem) {
  // Past the polar's angles the solution is refused, in the group's note: the linear views stay.
  form.Text_AlfaK.SetText("40");
  form.PLL.Click();
  EXPECT_FALSE(results.SectionPolarSolution());
  EXPECT_TRUE(Contains(results.Label_Polars.Caption(), "polarların aralığı")) << results.Label_Polars.Caption();
  EXPECT_EQ(results.Charts(ResultsTab::LocalLift).size(), 1u);
  EXPECT_EQ(results.Charts(ResultsTab::Loads)[0].series.size(), 1u);
  EXPECT_TRUE(form.Messages().empty());

  const std::size_t shown = form.Messages().size();
  results.Text_PolarRoot.SetText("");
  results.Cmd_PolarLoad.Click();
  results.Text_PolarTip.SetText("yok.txt");
  results.Cmd_PolarLoad.Click();
  const auto messages = MessagesSince(shown);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], "Kök ya da uç kesitinin polar dosyasını giriniz.");
  EXPECT_TRUE(Contains(messages[1], "yok.txt dosyası okunamadı")) << messages[1];
  EXPECT_TRUE(results.Polars());  // the polars loaded before stay
}

TEST_F(ResultsWindow, LoadsFollowTheDensityBox) {
  form.Mn_Charts.Click();
  form.PLL.Click();
  EXPECT_EQ(results.Text_Rho.Text(), "1.225");
  const auto& loads = results.Charts(ResultsTab::Loads);
  ASSERT_EQ(loads.size(), 3u);
  const double rootShear = loads[1].series[0].points[15].y;
  // The root carries half the wing's lift, 1/2 rho V^2 S CL / 2.
  EXPECT_NEAR(rootShear, 0.5 * 1.225 * 10 * form.Record().CL / 2, 1e-12);
  EXPECT_TRUE(Contains(results.Label_Loads.Caption(), "Q0 = ")) << results.Label_Loads.Caption();
  const std::string csv = TableOf(results.Csv(ResultsTab::Loads));
  EXPECT_EQ(csv.substr(0, csv.find('\n')), "y (m),l (N/m) [Kanat],Q (N) [Kanat],M (N·m) [Kanat]");
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 31);  // tip to tip, the root once

  results.Text_Rho.SetText("2.45");
  EXPECT_DOUBLE_EQ(results.Charts(ResultsTab::Loads)[1].series[0].points[15].y, 2 * rootShear);
  results.Text_Rho.SetText("0");
  EXPECT_TRUE(results.Charts(ResultsTab::Loads).empty());
  EXPECT_EQ(results.Label_Loads.Caption().rfind(kAirDensityMessage, 0), 0u);
  EXPECT_TRUE(form.Messages().empty());  // a note beside the box while typing
}

// A full-span flap lowers every zero-lift angle by tau·delta: the main window's wing with those angles.
TEST_F(ResultsWindow, FlapTableReSolvesTheSolutionOnViewAndItsPolar) {
  form.Mn_Charts.Click();
  form.PLL.Click();
  const double plainCL = form.Record().CL;
  FlapBoxes& second = results.Text_Flaps[1];
  second.y1.SetText("0");
  second.y2.SetText("5");
  second.E.SetText("0.25");
  second.delta.SetText("10");
  results.Cmd_Flaps.Click();
  ASSERT_TRUE(form.Messages().empty()) << form.Messages().back();
  EXPECT_EQ(results.Text_Flaps[0].y2.Text(), "5");  // moved up over the empty row
  EXPECT_EQ(second.y2.Text(), "");
  ASSERT_EQ(results.Flaps().size(), 1u);
  const double flappedRootGamma = results.Charts(ResultsTab::Circulation)[0].series[0].points[15].y;
  EXPECT_TRUE(Contains(results.Label_Flaps.Caption(), "(flapsız " + PlainNumberText(RoundTo(plainCL, 5)) + ")"));
  results.Cmd_Polar.Click();
  const auto& liftCurve = results.Charts(ResultsTab::Polar)[0].series[0].points;
  const double flappedCL = liftCurve[14].y;  // at 10°
  EXPECT_GT(flappedCL, plainCL);

  const std::string lowered = PlainNumberText(-FlapEffectiveness(0.25) * 10);
  form.Text_Alfa0K.SetText(lowered);
  form.Text_Alfa0U.SetText(lowered);
  form.PLL.Click();
  EXPECT_NEAR(form.Record().CL, flappedCL, 1e-12);
  EXPECT_NEAR(form.Record().Gamma[15], flappedRootGamma, 1e-12);

  const std::size_t shown = form.Messages().size();
  const std::pair<std::array<const char*, 4>, const char*> refused[] = {
      {{"0", "", "0.25", "10"}, "Flap 1: y1, y2, E ve δ kutularının dördünü de doldurunuz."},
      {{"0", "5", "0,25", "10"}, "Flap 1: kutulara birer sayı giriniz (ondalık ayırıcı nokta): 0,25"},
      {{"0", "5", "1", "10"}, "Flap 1: veter oranı E 0 ile 1 arasında olmalıdır (E = 1)"},
      {{"0", "6", "0.25", "10"}, "Flap 1: y2 yarı-açıklıktan büyük olamaz"},
  };
  for (const auto& [texts, message] : refused) {
    FlapBoxes& row = results.Text_Flaps[0];
    row.y1.SetText(texts[0]);
    row.y2.SetText(texts[1]);
    row.E.SetText(texts[2]);
    row.delta.SetText(texts[3]);
    results.Cmd_Flaps.Click();
    ASSERT_GT(form.Messages().size(), shown);
    EXPECT_EQ(form.Messages().back().rfind(message, 0), 0u) << form.Messages().back();
  }
  EXPECT_EQ(MessagesSince(shown).size(), std::size(refused));
  EXPECT_EQ(results.Flaps().size(), 1u);  // the flaps applied before stay
}

// XFoil runs where the front end starts it; the window shows its progress, takes its polar or its refusal.
TEST_F(ResultsWindow, XfoilPolarGoesIntoTheChosenBoxOrTellsWhyNot) {
  form.Mn_Charts.Click();
  form.PLL.Click();
  std::vector<xfoil::PolarRequest> started;
  int cancels = 0;
  results.SetXfoilStarter([&](const xfoil::PolarRequest& request) { started.push_back(request); });
  results.SetXfoilCancelHook([&] { ++cancels; });

  results.Text_XfoilSection.SetText("NACA 2412");
  results.Option_XfoilTip.Click();
  results.Cmd_Xfoil.Click();
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].nacaCode, "2412");
  EXPECT_EQ(started[0].reynoldsText, "1e6");
  EXPECT_TRUE(results.XfoilRunning());
  EXPECT_FALSE(results.Cmd_Xfoil.Visible());
  EXPECT_TRUE(results.Cmd_XfoilCancel.Visible());
  results.XfoilProgress(12);
  EXPECT_TRUE(Contains(results.Label_Xfoil.Caption(), "12 açıda")) << results.Label_Xfoil.Caption();

  const std::string file = ShippedPolar("naca2412-re1e6.txt");
  results.XfoilFinished(xfoil::ComputedPolar{.file = file, .text = ReadFile(file), .rows = 66, .fromCache = true});
  EXPECT_FALSE(results.XfoilRunning());
  EXPECT_TRUE(results.Cmd_Xfoil.Visible());
  EXPECT_EQ(results.Text_PolarTip.Text(), file);
  EXPECT_TRUE(results.Polars());
  EXPECT_TRUE(results.SectionPolarSolution());

  // Cancelled: the front end is asked to stop, and its refusal shows beside the button alone.
  results.Cmd_Xfoil.Click();
  results.Cmd_XfoilCancel.Click();
  EXPECT_EQ(cancels, 1);
  const std::size_t shown = form.Messages().size();
  results.XfoilFinished(Outcome::Refused("XFoil'in NACA 2412 poları iptal edildi"));
  EXPECT_EQ(results.Label_Xfoil.Caption(), "XFoil'in NACA 2412 poları iptal edildi");
  EXPECT_EQ(form.Messages().size(), shown);

  results.Text_XfoilRe.SetText("1e3");
  results.Cmd_Xfoil.Click();
  EXPECT_EQ(started.size(), 2u);
  EXPECT_TRUE(Contains(form.Messages().back(), "Reynolds sayısı")) << form.Messages().back();
  EXPECT_FALSE(results.XfoilRunning());
}

TEST_F(ResultsWindow, MenuOpensOneWindowThatSaysWhenThereIsNoSolution) {
  EXPECT_EQ(form.Mn_Results.Caption(), "Sonuçlar");
  EXPECT_EQ(form.Mn_Charts.Caption(), "Grafikler ve tablo");
  EXPECT_EQ(form.Mn_Charts.Parent(), &form.Mn_Results);
  EXPECT_EQ(form.Mn_Charts.Shortcut(), "Ctrl+R");
  EXPECT_EQ(form.AllMenuItems().at(5), &form.Mn_Charts);  // after the About and file menus

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
  EXPECT_EQ(results.TableText(rows, columns),
            "i\tΓ/V∞ (m)\n15\t" + root[3] + "\n1\t" + results.TableRows()[0][3] + "\n");
  const std::string csv = TableOf(results.Csv(ResultsTab::Table));
  EXPECT_EQ(csv.substr(0, csv.find('\n')), "i,y (m),c (m),Γ/V∞ (m),cl,αe (°),αi (°),w/V∞");
}

// The elliptic start-up wing: e = 1 and dCL/dα = 2π / 1.2 per radian. None without a solution.
TEST_F(ResultsWindow, SummaryGivesTheWingsMainValues) {
  form.Mn_Charts.Click();
  form.PLL.Click();
  EXPECT_EQ(results.Label_Summary.Caption(), "CL = 0.91385, CDi = 0.026583, e = 1, dCL/dα = 0.09139 1/°");
  form.Cmd_Planform.Click();
  EXPECT_EQ(results.Label_Summary.Caption(), "");
}

TEST(TableCellText, ShowsNumbersToSixDigitsAndASolutionsWordingALineAPart) {
  for (const auto& [cell, shown] :
       std::vector<std::pair<std::string, std::string>>{{"15", "15"},
                                                        {"0.12345678901234566", "0.123457"},
                                                        {"-1.2345678e-05", "-1.23457e-05"},
                                                        {"clmax", "clmax"},
                                                        {"a.cfg · αkök = 5° · N = 21", "a.cfg\nαkök = 5°\nN = 21"}})
    EXPECT_EQ(TableCellText(cell), shown);
}

// The note names the inputs the solution read that differ now, not those it did not read; it goes when they
// are put back, or at the next solution.
TEST_F(ResultsWindow, SaysWhenTheInputsOfItsSolutionChanged) {
  const std::string& note = results.Label_InputsChanged.Caption();
  form.Mn_Charts.Click();
  form.PLL.Click();
  const std::string slope = form.Text_AszU.Text();
  form.Text_Voo.SetText("2");
  form.Text_CL.SetText("0.5");
  form.Text_ks[2]->SetText("0.7");
  EXPECT_EQ(note, "");
  form.Text_AlfaK.SetText("4");
  form.Option_CL.Click();
  form.Text_AszU.SetText("6");
  form.Text_N.SetText("21");
  EXPECT_EQ(note,
            "Girdiler değişti: N, a∞ uç, hesap seçeneği, αkök. Gösterilen sonuçlar son çözümün girdilerine "
            "aittir; yenilemek için yeniden hesaplayınız.");
  form.Text_AlfaK.SetText("10");
  form.Option_Alfa.Click();
  form.Text_AszU.SetText(slope);
  form.Text_N.SetText("15");
  EXPECT_EQ(note, "");
  form.Text_AszK.SetText("6");
  form.Cmd_Planform.Click();
  form.PLL.Click();
  EXPECT_EQ(note, "");
  EXPECT_TRUE(form.Messages().empty());
}

// A new operating point of the same wing in the same mode keeps the polar; any other change drops it.
TEST_F(ResultsWindow, KeepsThePolarWhileOnlyTheOperatingPointChanges) {
  const std::pair<std::function<void()>, bool> changes[] = {
      {[this] { form.Text_AlfaK.SetText("5"); }, true},
      {[this] { form.Text_dAlfa.SetText("-2"); }, false},
      {[this] { form.Option_CL.Click(); }, false},
      {[this] { form.Text_AR.SetText("8"), form.Cmd_Planform.Click(); }, false}};
  form.Mn_Charts.Click();
  for (const auto& [change, kept] : changes) {
    form.Option_Alfa.Click();
    form.PLL.Click();
    results.Cmd_Polar.Click();
    const auto points = results.Charts(ResultsTab::Polar).at(0).series[0].points;
    change();
    form.PLL.Click();
    EXPECT_EQ(results.Charts(ResultsTab::Polar).empty(), !kept);
    if (kept) EXPECT_EQ(results.Charts(ResultsTab::Polar).at(0).series[0].points, points);
  }
  EXPECT_TRUE(form.Messages().empty());
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
  EXPECT_EQ(TableOf(results.Csv(ResultsTab::Polar)).rfind("αkök (°),CL,CDi\n0,", 0), 0u);

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
                "Polar için adım sıfırdan büyük olmalı.", "Polar için bitiş değeri başlangıç değerinden küçük olamaz.",
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

// Pinned solutions in the results window, driven as a user would: solve, pin, solve another wing or
// operating point, read every chart's legend and the table's column group, clear.
#include <filesystem>
#include <string>
#include <vector>

#include "StartedForm.h"
#include "model/RoundTripNumber.h"

namespace kelvane::ui::testing {
namespace {

constexpr const char* kOtherWing = KELVANE_EXAMPLES_DIR "/04-two-panels-twist-detail/input.cfg";

std::vector<std::string> LegendTexts(const charts::Chart& chart) {
  std::vector<std::string> texts;
  for (const auto& entry : charts::Legend(chart)) texts.push_back(entry.text);
  return texts;
}

class PinnedSolutions : public StartedForm {
 protected:
  ResultsForm& results = form.Form_Results;

  void SetUp() override {
    form.Mn_Charts.Click();
    form.PLL.Click();
  }

  // The label of the solution on view, as its charts' subtitle gives it.
  std::string OnView() const { return results.Charts(ResultsTab::Circulation).front().subtitle; }
};

TEST_F(PinnedSolutions, AreDrawnOnEveryChartNamedByTheirWingUntilCleared) {
  results.Cmd_Polar.Click();
  const std::string first = OnView();
  EXPECT_EQ(first.rfind("başlangıç kanadı · αkök = 10° · CL = 0.91", 0), 0u) << first;
  results.Cmd_Pin.Click();

  // Another wing, read from a file in a folder of its own: its name is the file's.
  std::filesystem::create_directory("kanatlar");
  std::filesystem::copy_file(kOtherWing, "kanatlar/uav.cfg");
  form.ConfigFileName = "kanatlar/uav.cfg";
  ASSERT_TRUE(form.ReadAnExistingConfig_from_aFile());
  EXPECT_EQ(form.WingName(), "uav.cfg");
  form.Text_AlfaK.SetText("5");
  form.PLL.Click();
  const std::string second = OnView();
  EXPECT_EQ(second.rfind("uav.cfg · αkök = 5° · CL = ", 0), 0u) << second;
  results.Cmd_Pin.Click();  // no polar on view: it stays off the polar's charts
  results.Cmd_Polar.Click();
  EXPECT_EQ(results.Charts(ResultsTab::Polar).front().subtitle, "uav.cfg · αkök = -4° … 12° (17 nokta) · N = 15");

  struct Expected {
    ResultsTab tab;
    std::size_t charts;
    std::size_t ownSeries;
    std::vector<std::string> pinned;
  };
  const Expected expected[] = {
      {ResultsTab::Circulation, 1, 2, {first, second}},
      {ResultsTab::LocalLift, 1, 1, {first, second}},
      {ResultsTab::Angles, 1, 3, {first, second}},
      {ResultsTab::Loads, 3, 1, {first, second}},
      {ResultsTab::Polar, 2, 1, {first}},
  };
  for (const Expected& tab : expected) {
    SCOPED_TRACE(ResultsTabCaption(tab.tab));
    ASSERT_EQ(results.Charts(tab.tab).size(), tab.charts);
    for (const charts::Chart& chart : results.Charts(tab.tab)) {
      EXPECT_EQ(chart.series.size(), tab.ownSeries + tab.pinned.size());
      const std::vector<std::string> legend = LegendTexts(chart);
      EXPECT_EQ(std::vector<std::string>(legend.end() - tab.pinned.size(), legend.end()), tab.pinned);
      EXPECT_NE(chart.series.back().color, chart.series.front().color);
    }
  }

  // Six at most: the seventh is refused with a message, the six stay.
  for (int pin = 3; pin <= 6; ++pin) results.Cmd_Pin.Click();
  EXPECT_TRUE(form.Messages().empty());
  EXPECT_EQ(results.Label_Pins.Caption(), "6 çözüm sabitlendi (en çok 6).");
  results.Cmd_Pin.Click();
  ASSERT_EQ(form.Messages().size(), 1u);
  EXPECT_EQ(form.Messages().back(),
            "En çok 6 çözüm sabitlenebilir: yenisi için önce \"Sabitlenenleri temizle\" düğmesine basınız.");
  EXPECT_EQ(results.Charts(ResultsTab::Circulation).front().series.size(), 2u + 6u);

  results.Cmd_ClearPins.Click();
  EXPECT_EQ(results.Label_Pins.Caption(), "Sabitlenen çözüm yok.");
  for (const Expected& tab : expected)
    for (const charts::Chart& chart : results.Charts(tab.tab)) EXPECT_EQ(chart.series.size(), tab.ownSeries);

  form.Cmd_Planform.Click();  // the solution leaves the window: nothing to pin
  results.Cmd_Pin.Click();
  EXPECT_EQ(form.Messages().back(), "Sabitlenecek bir çözüm yok: önce ana pencerede bir çözüm yapınız.");
}

// One row a solution, the one on view first; CD and L/D once any of them had section polars.
TEST_F(PinnedSolutions, AddAColumnGroupOfTheirMainValuesToTheTable) {
  constexpr std::size_t kStationColumns = 8;
  results.Text_PolarRoot.SetText(KELVANE_EXAMPLES_DIR "/../data/polars/naca2412-re1e6.txt");
  results.Cmd_PolarLoad.Click();
  ASSERT_TRUE(results.SectionPolarSolution());
  const std::vector<std::string> pinned{OnView(),
                                        ShortestNumberText(form.Record().CL),
                                        ShortestNumberText(form.Record().CDi),
                                        ShortestNumberText(ReadSpanEfficiency(form.Record())->e),
                                        ShortestNumberText(results.SectionPolarSolution()->CD),
                                        ShortestNumberText(results.SectionPolarSolution()->LD)};
  results.Cmd_Pin.Click();
  results.Cmd_PolarClear.Click();
  form.Text_AlfaK.SetText("4");
  form.PLL.Click();

  const std::vector<std::string>& header = results.TableHeader();
  ASSERT_EQ(header.size(), kStationColumns + 6);
  EXPECT_EQ(std::vector<std::string>(header.begin() + kStationColumns, header.end()),
            (std::vector<std::string>{"Çözüm", "CL", "CDi", "e", "CD", "L/D"}));
  const auto& rows = results.TableRows();
  ASSERT_EQ(rows.size(), 15u);
  const auto group = [&](std::size_t row) {
    return std::vector<std::string>(rows[row].begin() + kStationColumns, rows[row].end());
  };
  EXPECT_EQ(group(0), (std::vector<std::string>{OnView(), ShortestNumberText(form.Record().CL),
                                                ShortestNumberText(form.Record().CDi),
                                                ShortestNumberText(ReadSpanEfficiency(form.Record())->e), "", ""}));
  EXPECT_EQ(group(1), pinned);
  for (std::size_t row = 2; row < rows.size(); ++row) EXPECT_EQ(group(row), std::vector<std::string>(6)) << row;
  EXPECT_NE(results.Csv(ResultsTab::Table).find(",Çözüm,CL,CDi,e,CD,L/D\n"), std::string::npos);
}

}  // namespace
}  // namespace kelvane::ui::testing

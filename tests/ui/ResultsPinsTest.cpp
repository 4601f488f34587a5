// Pinned solutions in the results window, driven as a user would: solve, pin, solve another wing or
// operating point, read every chart's legend and the table's column group, clear.
#include <filesystem>
#include <string>
#include <vector>

#include "StartedForm.h"
#include "model/RoundTripNumber.h"

namespace kelvane::ui::testing {
namespace {

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
  // Another wing, named after the file it was read from.
  std::filesystem::copy_file(KELVANE_EXAMPLES_DIR "/04-two-panels-twist-detail/input.cfg", "uav.cfg");
  form.ConfigFileName = "uav.cfg";
  ASSERT_TRUE(form.ReadAnExistingConfig_from_aFile());
  form.Text_AlfaK.SetText("5");
  form.PLL.Click();
  const std::string second = OnView();
  EXPECT_EQ(second.rfind("uav.cfg · αkök = 5° · CL = ", 0), 0u) << second;
  results.Cmd_Pin.Click();  // no polar on view: it stays off the polar's charts
  results.Cmd_Polar.Click();
  EXPECT_EQ(results.Charts(ResultsTab::Polar).front().subtitle, "uav.cfg · αkök = -4° … 12° (17 nokta) · N = 15");

  const std::vector<std::string> pinned{first, second};
  const auto expectSeries = [&](std::size_t pins) {
    const std::pair<ResultsTab, std::size_t> ownSeries[] = {{ResultsTab::Circulation, 2},
                                                            {ResultsTab::LocalLift, 1},
                                                            {ResultsTab::Angles, 3},
                                                            {ResultsTab::Loads, 1},
                                                            {ResultsTab::Polar, 1}};
    for (const auto& [tab, own] : ownSeries) {
      const std::size_t drawn = tab == ResultsTab::Polar ? std::min<std::size_t>(pins, 1) : pins;
      for (const charts::Chart& chart : results.Charts(tab)) {
        SCOPED_TRACE(chart.title);
        ASSERT_EQ(chart.series.size(), own + drawn);
        const auto legend = charts::Legend(chart);
        for (std::size_t k = 0; k < drawn; ++k) EXPECT_EQ(legend[own + k].text, pinned[k]);
        EXPECT_TRUE(drawn == 0 || chart.series.back().color != chart.series.front().color);
      }
    }
  };
  expectSeries(2);

  // Six at most: the seventh is refused with a message, the six stay.
  for (int pin = 3; pin <= 6; ++pin) results.Cmd_Pin.Click();
  EXPECT_EQ(results.Label_Pins.Caption(), "6 çözüm sabitlendi (en çok 6).");
  results.Cmd_Pin.Click();
  EXPECT_EQ(form.Messages(), (std::vector<std::string>{"En çok 6 çözüm sabitlenebilir: yenisi için önce "
                                                       "\"Sabitlenenleri temizle\" düğmesine basınız."}));
  EXPECT_EQ(results.Charts(ResultsTab::Circulation).front().series.size(), 2u + 6u);

  results.Cmd_ClearPins.Click();
  EXPECT_EQ(results.Label_Pins.Caption(), "Sabitlenen çözüm yok.");
  expectSeries(0);
  form.Cmd_Planform.Click();  // the solution leaves the window: nothing to pin
  results.Cmd_Pin.Click();
  EXPECT_EQ(form.Messages().back(), "Sabitlenecek bir çözüm yok: önce ana pencerede bir çözüm yapınız.");
}

// One row a solution, the one on view first; CD and L/D once any of them had section polars.
TEST_F(PinnedSolutions, AddAColumnGroupOfTheirMainValuesToTheTable) {
  constexpr std::size_t kStationColumns = 8;
  const auto mainValues = [&] {
    return std::vector<std::string>{OnView(), ShortestNumberText(form.Record().CL),
                                    ShortestNumberText(form.Record().CDi),
                                    ShortestNumberText(ReadSpanEfficiency(form.Record())->e)};
  };
  results.Text_PolarRoot.SetText(KELVANE_EXAMPLES_DIR "/../data/polars/naca2412-re1e6.txt");
  results.Cmd_PolarLoad.Click();
  ASSERT_TRUE(results.SectionPolarSolution());
  std::vector<std::string> pinned = mainValues();
  pinned.push_back(ShortestNumberText(results.SectionPolarSolution()->CD));
  pinned.push_back(ShortestNumberText(results.SectionPolarSolution()->LD));
  results.Cmd_Pin.Click();
  results.Cmd_PolarClear.Click();
  form.Text_AlfaK.SetText("4");
  form.PLL.Click();

  const std::vector<std::string>& header = results.TableHeader();
  EXPECT_EQ(std::vector<std::string>(header.begin() + kStationColumns, header.end()),
            (std::vector<std::string>{"Çözüm", "CL", "CDi", "e", "CD", "L/D"}));
  const auto& rows = results.TableRows();
  ASSERT_EQ(rows.size(), 15u);
  const auto group = [&](std::size_t row) {
    return std::vector<std::string>(rows[row].begin() + kStationColumns, rows[row].end());
  };
  std::vector<std::string> onView = mainValues();
  onView.resize(6);  // no section polars now
  EXPECT_EQ(group(0), onView);
  EXPECT_EQ(group(1), pinned);
  for (std::size_t row = 2; row < rows.size(); ++row) EXPECT_EQ(group(row), std::vector<std::string>(6)) << row;
  EXPECT_NE(results.Csv(ResultsTab::Table).find(",Çözüm,CL,CDi,e,CD,L/D\n"), std::string::npos);
}

}  // namespace
}  // namespace kelvane::ui::testing

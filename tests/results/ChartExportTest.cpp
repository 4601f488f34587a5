// What charts say of themselves and what they export: subtitles and CSV preambles naming the wing and its
// operating point, wide CSV tables, and other wings laid over a chart.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/Module_ortak.h"
#include "model/Version.h"
#include "results/charts/ChartSource.h"
#include "results/charts/NiceScale.h"
#include "results/charts/Overlay.h"

namespace kelvane::charts {
namespace {

Series Named(std::string name, std::vector<ChartPoint> points, bool dots = false) {
  return {.name = std::move(name), .points = std::move(points), .color = kRed, .dash = Dash::Solid, .dots = dots};
}

Chart ChartOf(const char* x, const char* y, std::vector<Series> series) {
  Chart chart;
  chart.x.title = x;
  chart.y.title = y;
  chart.series = std::move(series);
  return chart;
}

TEST(WideCsv, GivesARowForEveryXOfAnyColumnWithEmptyCellsWhereItHasNoValue) {
  const std::pair<std::vector<CsvColumn>, std::string> cases[] = {
      {{{"a", {{1, 2}, {0, 1}}}, {"b", {{0, 4}, {1, 3}}}}, "x,a,b\n0,1,4\n1,2,3\n"},
      {{{"a", {{-1, 0.5}, {1, 1e-5}}}, {"b", {{0, 2}}}}, "x,a,b\n-1,0.5,\n0,,2\n1,1e-05,\n"},
      {{{"a", {{0, 1}, {1, 2}, {0, 3}}}, {"b", {{0, 4}}}}, "x,a,b\n0,1,4\n0,3,\n1,2,\n"},  // an x twice
      {{{"a", {{NAN, NAN}, {2, INFINITY}, {3, 0.1}}}}, "x,a\n3,0.1\n"},
      {{{"c, \"d\"", {}}}, "x,\"c, \"\"d\"\"\"\n"},
  };
  for (const auto& [columns, table] : cases) EXPECT_EQ(WideCsv("x", columns), table);
}

// The charts that share the first one's x go into one table; the marker lines are "# " lines before it.
TEST(ChartsCsv, PutsEverySeriesOnTheSharedXAfterThePreambleAndTheMarkers) {
  std::vector<Chart> charts{
      ChartOf("y (m)", "cl", {Named("cl", {{-1, 0.5}, {1, 0.5}}), Named("b.cfg", {{-2, 0.4}, {2, 0.4}})}),
      ChartOf("y (m)", "cd", {Named("cd, kesit polarlı", {{-1, 0.01}})}),
      ChartOf("αkök (°)", "CL", {Named("CL", {{4, 0.4}})})};
  charts[0].markers.push_back({.name = "Tutunma", .xs = {-1, 1}, .color = kBlue, .dash = Dash::Dashed});
  EXPECT_EQ(ChartsCsv(charts, "# Kanat: a.cfg\n"),
            "# Kanat: a.cfg\n# Tutunma: y (m) = -1; 1\n"
            "y (m),cl [cl],cl [b.cfg],\"cd [cd, kesit polarlı]\"\n"
            "-2,,0.4,\n-1,0.5,,0.01\n1,0.5,,\n2,,0.4,\n");
}

TEST(ChartSource, WordsTheWingAndItsOperatingPointAsTheResultBoxesRoundThem) {
  const auto m = std::make_unique<Module_ortak>();
  m->AlfaK = 4.12345;
  m->CL = 0.412345678;
  m->N = 21;
  const std::vector<double> angles{-4, 4, 12}, lifts{0, 0.1, 0.30000000000000004};
  const std::pair<ChartSource, std::string> cases[] = {
      {SolutionSource("başlangıç kanadı", *m, SolutionMode::GivenAngle),
       "başlangıç kanadı · αkök = 4.123° · CL = 0.41235 · N = 21"},
      {SolutionSource("w.cfg", *m, SolutionMode::GivenCL), "w.cfg · CL = 0.41235 · αkök = 4.123° · N = 21"},
      {SweepSource("w.cfg", SolutionMode::GivenAngle, angles, 21), "w.cfg · αkök = -4° … 12° (3 nokta) · N = 21"},
      {SweepSource("w.cfg", SolutionMode::GivenCL, lifts, 15), "w.cfg · CL = 0 … 0.3 (3 nokta) · N = 15"},
  };
  for (const auto& [source, subtitle] : cases) EXPECT_EQ(Subtitle(source), subtitle);
  EXPECT_EQ(CsvPreamble(cases[1].first), "# Kanat: w.cfg\n# Çalışma noktası: CL = 0.41235 · αkök = 4.123° · N = 21\n" +
                                             std::string("# Kelvane ") + kVersion + "\n");
  EXPECT_EQ(WingNameOf("/home/u/kanatlar/uav.cfg"), "uav.cfg");
}

TEST(LayOver, AddsTheOtherWingsOwnSeriesInItsStyleAndWidensTheAxesOnlyToHoldIt) {
  Chart chart = ChartOf("y (m)", "Γ/V∞ (m)", {Named("Kanat", {{-5, 0}, {0, 1}, {5, 0}})});
  chart.x = NiceAxis("y (m)", -5, 5);
  chart.y = NiceAxis("Γ/V∞ (m)", 0, 1);
  const Chart same = chart;
  Chart larger =
      ChartOf("y (m)", "", {Named("İstasyonlar", {{-20, 20}}), Named("Kanat", {{-7, 0}, {0, 2}, {7, 0}}, true)});
  larger.wingSeries = 1;
  LayOver(chart, same, "a.cfg", kOverlayStyles[0]);
  EXPECT_EQ(chart.x.ticks, same.x.ticks);
  EXPECT_EQ(chart.y.ticks, same.y.ticks);
  LayOver(chart, larger, "b.cfg", kOverlayStyles[1]);
  ASSERT_EQ(chart.series.size(), 3u);
  const Series& laid = chart.series.back();
  EXPECT_TRUE(laid.name == "b.cfg" && laid.points == larger.series[1].points && laid.dots);
  EXPECT_TRUE(laid.color == kOverlayTeal && laid.dash == Dash::DashDot);
  EXPECT_TRUE(chart.x.min <= -7 && chart.x.max >= 7 && chart.y.min == 0 && chart.y.max >= 2);
  EXPECT_LT(chart.y.max, 20);  // the stations' series is not the wing's
}

}  // namespace
}  // namespace kelvane::charts

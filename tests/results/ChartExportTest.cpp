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

Series Line(std::string name, std::vector<ChartPoint> points) {
  return {.name = std::move(name), .points = std::move(points), .color = kRed, .dash = Dash::Solid, .dots = false};
}

TEST(WideCsv, GivesARowForEveryXOfAnyColumnWithEmptyCellsWhereItHasNoValue) {
  struct Case {
    const char* name;
    std::vector<CsvColumn> columns;
    std::string table;
  };
  const Case cases[] = {
      {"shared xs, in any order", {{"a", {{1, 2}, {0, 1}}}, {"b", {{0, 4}, {1, 3}}}}, "x,a,b\n0,1,4\n1,2,3\n"},
      {"the union of xs", {{"a", {{-1, 0.5}, {1, 1e-5}}}, {"b", {{0, 2}}}}, "x,a,b\n-1,0.5,\n0,,2\n1,1e-05,\n"},
      {"an x twice in a column", {{"a", {{0, 1}, {1, 2}, {0, 3}}}, {"b", {{0, 4}}}}, "x,a,b\n0,1,4\n0,3,\n1,2,\n"},
      {"points not finite", {{"a", {{NAN, NAN}, {2, INFINITY}, {3, 0.1}}}}, "x,a\n3,0.1\n"},
      {"a title with a comma", {{"c, \"d\"", {}}}, "x,\"c, \"\"d\"\"\"\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(WideCsv("x", c.columns), c.table) << c.name;
}

// The charts that share the first one's x go into one table; the marker lines are "# " lines before it.
TEST(ChartsCsv, PutsEverySeriesOnTheSharedXAfterThePreambleAndTheMarkers) {
  Chart lift;
  lift.x.title = "y (m)";
  lift.y.title = "cl";
  lift.series = {Line("cl", {{-1, 0.5}, {1, 0.5}}), Line("b.cfg", {{-2, 0.4}, {2, 0.4}})};
  lift.markers.push_back({.name = "Tutunma", .xs = {-1, 1}, .color = kBlue, .dash = Dash::Dashed});
  Chart drag = lift;
  drag.y.title = "cd";
  drag.series = {Line("cd, kesit polarlı", {{-1, 0.01}})};
  drag.markers.clear();
  Chart polar = drag;
  polar.x.title = "αkök (°)";
  const std::vector<Chart> charts{lift, drag, polar};
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
  EXPECT_EQ(WingNameOf("uav.cfg"), "uav.cfg");
}

TEST(LayOver, AddsTheOtherWingsOwnSeriesInItsStyleAndWidensTheAxesOnlyToHoldIt) {
  Chart chart;
  chart.x = NiceAxis("y (m)", -5, 5);
  chart.y = NiceAxis("Γ/V∞ (m)", 0, 1);
  chart.series = {Line("Kanat", {{-5, 0}, {0, 1}, {5, 0}})};
  Chart inside = chart;
  Chart larger = chart;
  larger.series = {Line("İstasyonlar", {{-20, 20}}), Line("Kanat", {{-7, 0}, {0, 2}, {7, 0}})};
  larger.series[1].dots = true;
  larger.wingSeries = 1;

  LayOver(chart, inside, "a.cfg", kOverlayStyles[0]);
  EXPECT_EQ(chart.x.ticks, inside.x.ticks);
  EXPECT_EQ(chart.y.ticks, inside.y.ticks);
  LayOver(chart, larger, "b.cfg", kOverlayStyles[1]);
  ASSERT_EQ(chart.series.size(), 3u);
  const Series& laid = chart.series.back();
  EXPECT_EQ(laid.name, "b.cfg");
  EXPECT_EQ(laid.points, larger.series[1].points);
  EXPECT_TRUE(laid.dots);
  EXPECT_EQ(laid.color, kOverlayTeal);
  EXPECT_EQ(laid.dash, Dash::DashDot);
  EXPECT_LE(chart.x.min, -7);
  EXPECT_GE(chart.x.max, 7);
  EXPECT_EQ(chart.y.min, 0);
  EXPECT_GE(chart.y.max, 2);
  EXPECT_LT(chart.y.max, 20);  // the stations' series is not the wing's
}

}  // namespace
}  // namespace kelvane::charts

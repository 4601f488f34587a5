// Tests of the chart descriptions of a solution and of a polar.
#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "model/Module_ortak.h"
#include "results/Polar.h"
#include "results/PolarWing.h"
#include "results/StallOnset.h"
#include "results/charts/ImageFormat.h"
#include "results/charts/LoadCharts.h"
#include "results/charts/NiceScale.h"
#include "results/charts/PolarCharts.h"
#include "results/charts/SpanwiseCharts.h"
#include "support/TurkishLocale.h"
#include "testkit/FreshRecord.h"
#include "testkit/WingOnRecord.h"

namespace kelvane::charts {
namespace {

const SweepMessages kSweepMessages{"step", "empty", "too many"};

using testing::PlaceStations;
using testing::testCache;
using testing::testRecord;
using testing::UniformSections;

constexpr int kStations = 15;
constexpr double kRootAngle = 10;

// Ranges from 1e-300 to 1e300, around zero, negative, empty and not finite.
const std::pair<double, double> kRanges[] = {
    {0, 0.581776}, {-5, 5},          {-1.1, 9.1667},  {0.3, 0.7}, {1e-7, 3e-7}, {-2e9, -1e9},           {42, 42},
    {0, 0},        {1e-300, 2e-300}, {-1e300, 1e300}, {3, -3},    {NAN, 1},     {12345.678, 12345.679},
};

// Whole multiples of 1, 2 or 5 times a power of ten.
bool IsNiceStep(double step) {
  const double exponent = std::floor(std::log10(step) + 1e-9);
  const double mantissa = step / std::pow(10.0, exponent);
  return std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 || std::abs(mantissa - 5) < 1e-9;
}

TEST(NiceAxis, CoversTheRangeWithAFewTicksAtOneTwoOrFiveTimesAPowerOfTen) {
  for (const auto& [low, high] : kRanges) {
    SCOPED_TRACE(std::to_string(low) + " .. " + std::to_string(high));
    const Axis axis = NiceAxis("t", low, high);
    ASSERT_GE(axis.ticks.size(), 2u);
    EXPECT_LE(axis.ticks.size(), static_cast<std::size_t>(kMaxTicks));
    EXPECT_EQ(axis.ticks.front(), axis.min);
    EXPECT_EQ(axis.ticks.back(), axis.max);
    EXPECT_LT(axis.min, axis.max);
    if (std::isfinite(low) && std::isfinite(high)) {
      EXPECT_LE(axis.min, std::min(low, high));
      EXPECT_GE(axis.max, std::max(low, high));
    }
    EXPECT_TRUE(IsNiceStep(axis.step)) << axis.step;
    for (std::size_t k = 1; k < axis.ticks.size(); ++k)
      EXPECT_NEAR(axis.ticks[k] - axis.ticks[k - 1], axis.step, axis.step * 1e-9 + std::abs(axis.ticks[k]) * 1e-15);
  }
}

TEST(NiceAxis, TicksAreTheDecimalValuesTheyShow) {
  const Axis circulation = NiceAxis("Γ", 0, 0.581776);
  EXPECT_EQ(circulation.ticks, (std::vector<double>{0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6}));
  const Axis span = NiceAxis("y", -5, 5);
  EXPECT_EQ(span.ticks, (std::vector<double>{-6, -4, -2, 0, 2, 4, 6}));
  // An empty range around a value is widened by a tenth of it; around zero to -1..1.
  EXPECT_EQ(NiceAxis("", 0, 0).ticks.front(), -1);
  EXPECT_EQ(NiceAxis("", 0, 0).ticks.back(), 1);
}

TEST(AxisWithin, KeepsItsEndsAndTicksInside) {
  const Axis axis = AxisWithin("", -0.37, 2.9);
  EXPECT_EQ(axis.min, -0.37);
  EXPECT_EQ(axis.max, 2.9);
  EXPECT_EQ(axis.ticks, (std::vector<double>{0, 0.5, 1, 1.5, 2, 2.5}));
}

// The labels carry a decimal point on the Turkish desktop too, and only the decimals the step needs.
TEST(TickLabel, ShowsTheDecimalsOfTheStepWithAPointUnderEveryLocale) {
  const testing::ScopedTurkishLocale turkish;
  ASSERT_EQ(turkish.Problem(), "");
  EXPECT_EQ(TickLabel(0.3, 0.1), "0.3");
  EXPECT_EQ(TickLabel(0.25, 0.05), "0.25");
  EXPECT_EQ(TickLabel(-4, 2), "-4");
  EXPECT_EQ(TickLabel(0, 0.1), "0");
  EXPECT_EQ(TickLabel(3e-7, 1e-7), "3e-07");
  EXPECT_EQ(TickLabel(2.5e6, 5e5), "2.5e+06");
}

TEST(FittedToArea, GivesBothAxesOneScaleForAnEqualScaleChart) {
  Chart chart;
  chart.x = NiceAxis("x", -5, 5);
  chart.y = NiceAxis("y", -1, 0.5);
  chart.equalScales = true;
  const Chart fitted = FittedToArea(chart, 600, 300);
  EXPECT_DOUBLE_EQ((fitted.x.max - fitted.x.min) / 600, (fitted.y.max - fitted.y.min) / 300);
  EXPECT_EQ(fitted.x.min, chart.x.min);  // the wide range stays, the narrow one grows about its middle
  EXPECT_DOUBLE_EQ(fitted.y.min / 2 + fitted.y.max / 2, chart.y.min / 2 + chart.y.max / 2);
  for (const double tick : fitted.y.ticks) EXPECT_TRUE(tick >= fitted.y.min && tick <= fitted.y.max);
  chart.equalScales = false;
  EXPECT_EQ(FittedToArea(chart, 600, 300).y.max, chart.y.max);
}

class SolvedWingCharts : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::StartFreshRecord();
    PlaceStations(10, 10, 10, kStations);
    testing::EllipticChords();
    UniformSections(testing::kTwoPiAsSaved);
    testRecord.AlfaK = kRootAngle;
    ASSERT_TRUE(testing::SolveOnRecord(SolutionMode::GivenAngle));
  }
};

void ExpectRangesHoldEveryPoint(const Chart& chart) {
  for (const Series& series : chart.series)
    for (const ChartPoint& point : series.points) {
      if (!std::isfinite(point.x)) continue;
      EXPECT_GE(point.x, chart.x.min) << series.name;
      EXPECT_LE(point.x, chart.x.max) << series.name;
      EXPECT_GE(point.y, chart.y.min) << series.name;
      EXPECT_LE(point.y, chart.y.max) << series.name;
    }
  for (const MarkerLines& marker : chart.markers)
    for (const double x : marker.xs) EXPECT_TRUE(x >= chart.x.min && x <= chart.x.max);
}

std::vector<std::string> LegendTexts(const Chart& chart) {
  std::vector<std::string> texts;
  for (const LegendEntry& entry : Legend(chart)) texts.push_back(entry.text);
  return texts;
}

TEST_F(SolvedWingCharts, CirculationRunsFromTipToTipBesideADistinctEllipticCurve) {
  const Chart chart = CirculationChart(testRecord, ReadSpanwiseResults(testRecord));
  ExpectRangesHoldEveryPoint(chart);
  EXPECT_EQ(chart.x.title, "y (m)");
  EXPECT_EQ(chart.y.title, "Γ/V∞ (m)");
  EXPECT_EQ(LegendTexts(chart), (std::vector<std::string>{"Kanat", "Eşdeğer eliptik kanat"}));
  const Series& wing = chart.series[0];
  const Series& elliptic = chart.series[1];
  EXPECT_FALSE(wing.color == elliptic.color);
  EXPECT_NE(wing.dash, elliptic.dash);
  // Tip, 15 stations on each half, the root once.
  ASSERT_EQ(wing.points.size(), 2u * kStations + 1);
  EXPECT_EQ(wing.points.front(), (ChartPoint{-5, 0}));
  EXPECT_EQ(wing.points.back(), (ChartPoint{5, 0}));
  EXPECT_EQ(wing.points[kStations], (ChartPoint{0, testRecord.Gamma[kStations]}));
  EXPECT_FALSE(std::signbit(wing.points[kStations].x));  // the root at +0, never -0
  EXPECT_EQ(elliptic.points.size(), 2u * 31);
  EXPECT_NEAR(chart.y.max, 0.6, 1e-15);  // the root circulation is 0.581776
}

TEST_F(SolvedWingCharts, LocalLiftMarksTheStationThatStallsFirst) {
  const SectionMaxLift maxLift{.clmaxK = 1.4, .clmaxU = 1.1};
  const auto search = FindStallOnset(testRecord, testCache, maxLift);
  ASSERT_TRUE(search && *search);
  const StallOnset& onset = **search;
  const Chart chart = LocalLiftChart(testRecord, ReadSpanwiseResults(testRecord, maxLift), onset);
  ExpectRangesHoldEveryPoint(chart);
  ASSERT_EQ(chart.series.size(), 2u);
  EXPECT_EQ(chart.series[1].name, "clmax");
  ASSERT_EQ(chart.markers.size(), 1u);
  EXPECT_EQ(chart.markers[0].xs, (std::vector<double>{-onset.y, onset.y}));
  EXPECT_EQ(LegendTexts(chart).back(), StallOnsetText(onset));
  EXPECT_EQ(StallOnsetText({.AlfaK = 12.34567, .CL = 1.0837, .y = 3.9094, .station = 3}),
            "Tutunma kaybı başlangıcı: αkök = 12.346°, CL = 1.0837, y = ±3.909 m");

  const Chart plain = LocalLiftChart(testRecord, ReadSpanwiseResults(testRecord), std::nullopt);
  EXPECT_EQ(plain.series.size(), 1u);
  EXPECT_TRUE(plain.markers.empty());
}

TEST_F(SolvedWingCharts, AnglesShowEffectiveAndInducedAnglesInDegrees) {
  const Chart chart = AnglesChart(testRecord, ReadSpanwiseResults(testRecord));
  ExpectRangesHoldEveryPoint(chart);
  EXPECT_EQ(chart.y.title, "α (°)");
  ASSERT_EQ(chart.series.size(), 3u);
  // An elliptic wing: every station sees 8.333° effective and 1.667° induced.
  EXPECT_NEAR(chart.series[0].points[3].y, 8.33333, 1e-5);
  EXPECT_NEAR(chart.series[1].points[3].y, 1.66667, 1e-5);
  std::set<std::pair<int, int>> looks;
  for (const Series& series : chart.series)
    looks.insert({series.color.r * 65536 + series.color.g * 256 + series.color.b, static_cast<int>(series.dash)});
  EXPECT_EQ(looks.size(), 3u);
}

TEST_F(SolvedWingCharts, PlanformKeepsItsShapeAndClosesItsOutline) {
  const Chart chart = PlanformChart(testRecord, PlanformType::Elliptic);
  ExpectRangesHoldEveryPoint(chart);
  EXPECT_TRUE(chart.equalScales);
  const Series& outline = chart.series.back();
  EXPECT_EQ(outline.name, "Kanat");
  EXPECT_EQ(chart.wingSeries, chart.series.size() - 1);  // the outline stands for the wing, not its stations
  EXPECT_EQ(outline.points.front(), outline.points.back());
  const auto top = std::max_element(outline.points.begin(), outline.points.end(),
                                    [](const ChartPoint& a, const ChartPoint& b) { return a.y < b.y; });
  EXPECT_DOUBLE_EQ(top->y, 0.25 * testRecord.c[kStations]);  // the root's leading edge
}

TEST_F(SolvedWingCharts, PolarLeavesTheRecordAsItWas) {
  const StationTable gamma = testRecord.Gamma;
  const double CL = testRecord.CL;
  const std::vector<double> angles = *MakeSweep(-2, 10, 2, kSweepMessages);
  const Polar polar = SolvePolar(testRecord, testCache, SolutionMode::GivenAngle, angles);
  EXPECT_EQ(testRecord.Gamma, gamma);
  EXPECT_EQ(testRecord.CL, CL);
  EXPECT_EQ(testRecord.AlfaK, kRootAngle);
  ASSERT_FALSE(polar.stop.IsRefused());
  ASSERT_EQ(polar.points.size(), 7u);
  EXPECT_EQ(polar.points.back().CL, CL);  // the solution at 10° once more
  EXPECT_LT(polar.points.front().CL, 0);

  const Chart lift = LiftCurveChart(polar.points);
  const Chart drag = DragPolarChart(polar.points);
  ExpectRangesHoldEveryPoint(lift);
  ExpectRangesHoldEveryPoint(drag);
  EXPECT_EQ(lift.x.title, "αkök (°)");
  EXPECT_EQ(drag.x.title, "CDi");
  EXPECT_TRUE(lift.series[0].dots);
}

TEST_F(SolvedWingCharts, LoadsVanishAtTheTipsAndShowBothSolutionsApart) {
  const auto linear = LinearSpanLoads(testRecord, kSeaLevelAirDensity);
  ASSERT_TRUE(linear);
  SpanLoads doubled = *linear;
  for (StationLoad& station : doubled.stations) station.M *= 2;
  const std::vector<Chart> charts = LoadCharts(testRecord, *linear, &doubled);
  ASSERT_EQ(charts.size(), 3u);
  const std::pair<const char*, const char*> titles[] = {
      {"Birim açıklıktaki kaldırma", "l (N/m)"}, {"Kesme kuvveti", "Q (N)"}, {"Eğilme momenti", "M (N·m)"}};
  for (std::size_t k = 0; k < charts.size(); ++k) {
    const Chart& chart = charts[k];
    SCOPED_TRACE(chart.title);
    ExpectRangesHoldEveryPoint(chart);
    EXPECT_EQ(chart.title, titles[k].first);
    EXPECT_EQ(chart.y.title, titles[k].second);
    ASSERT_EQ(chart.series.size(), 2u);
    EXPECT_FALSE(chart.series[0].color == chart.series[1].color);
    const auto& points = chart.series[0].points;
    ASSERT_EQ(points.size(), 2u * kStations + 1);
    EXPECT_EQ(points.front(), (ChartPoint{-5, 0}));
    EXPECT_EQ(points.back(), (ChartPoint{5, 0}));
  }
  EXPECT_EQ(charts[1].series[0].points[kStations].y, linear->Q0);
  EXPECT_EQ(charts[2].series[0].points[kStations].y, linear->M0);
  EXPECT_EQ(charts[2].series[1].points[kStations].y, 2 * linear->M0);
}

// A sweep with section polars beside a linear polar, made up: what each chart takes from it.
TEST(PolarCharts, ShowSectionPolarsThroughStallWithCLmaxMarked) {
  const PolarPoint linear[] = {{.AlfaK = 0, .CL = 0.1, .CDi = 0.001}, {.AlfaK = 10, .CL = 0.9, .CDi = 0.03}};
  SectionPolarSweep sweep;
  for (const double alfa : {0.0, 10.0, 16.0})
    sweep.points.push_back({.AlfaK = alfa, .CL = 0.08 * alfa, .CDi = 0.02, .CD = 0.03, .LD = 3 * alfa});
  sweep.CLmax = PolarSolution{.AlfaK = 14.12345, .CL = 1.2345678};

  const Chart lift = LiftCurveChart(linear, sweep);
  const Chart drag = DragPolarChart(linear, sweep);
  const Chart ratio = LiftToDragChart(sweep);
  for (const Chart* chart : {&lift, &drag, &ratio}) ExpectRangesHoldEveryPoint(*chart);
  EXPECT_EQ(LegendTexts(lift),
            (std::vector<std::string>{"Kanat", "Kanat, kesit polarlı", "CLmax = 1.23457, αkök = 14.123°"}));
  EXPECT_EQ(lift.series[2].points, (std::vector<ChartPoint>{{14.12345, 1.2345678}}));
  EXPECT_EQ(lift.series[1].points.back(), (ChartPoint{16, 0.08 * 16}));
  EXPECT_EQ(LegendTexts(drag), (std::vector<std::string>{"Kanat", "CDi, kesit polarlı", "CD, kesit polarlı"}));
  EXPECT_EQ(drag.x.title, "CDi, CD");
  EXPECT_EQ(drag.series[2].points[1], (ChartPoint{0.03, 0.8}));
  EXPECT_EQ(ratio.y.title, "L/D");
  EXPECT_EQ(ratio.series[0].points[2], (ChartPoint{16, 48}));
  // Without a sweep: the linear polar alone, as before.
  EXPECT_EQ(DragPolarChart(linear).series.size(), 1u);
  EXPECT_EQ(DragPolarChart(linear).x.title, "CDi");
}

// Each station's cl max from its polars: the root's at the root, the tip's at the tip, linear between.
TEST_F(SolvedWingCharts, SectionPolarsAddTheirClAndCdAlongTheSpan) {
  const SectionPolar root({{-10, -1, 0.02}, {0, 0, 0.01}, {10, 1.2, 0.02}});
  const SectionPolar tip({{-10, -0.8, 0.03}, {12, 1.0, 0.04}});
  const WingPolars polars{root, tip};
  PolarSolution solution;
  for (int i = 1; i <= kStations; ++i)
    solution.stations.push_back({.y = testRecord.y[i], .cl = 0.5, .cd = 0.01 * i, .AlfaE = 5, .stalled = false});
  const SectionPolarSpan span{solution, polars};
  const Chart lift = LocalLiftChart(testRecord, ReadSpanwiseResults(testRecord), std::nullopt, &span);
  ExpectRangesHoldEveryPoint(lift);
  ASSERT_EQ(lift.series.size(), 3u);
  const auto& clmax = lift.series[2].points;
  for (const ChartPoint& point : clmax) EXPECT_NEAR(point.y, 1.2 - 0.2 * std::abs(point.x) / 5, 1e-15) << point.x;
  EXPECT_EQ(clmax[kStations - 1], (ChartPoint{0, 1.2}));

  const Chart drag = ProfileDragChart(testRecord, solution);
  ExpectRangesHoldEveryPoint(drag);
  EXPECT_EQ(drag.y.title, "cd");
  EXPECT_EQ(drag.series[0].points[kStations - 1].y, 0.01 * kStations);  // the root, once
  EXPECT_EQ(drag.series[0].points.size(), 2u * kStations - 1);
}

TEST(MakeSweep, CountsTheLastPointDespiteRoundingAndRefusesWhatIsNoSweep) {
  EXPECT_EQ(MakeSweep(0, 1, 0.1, kSweepMessages)->size(), 11u);
  EXPECT_EQ(*MakeSweep(2, 2, 1, kSweepMessages), std::vector<double>{2});
  EXPECT_EQ(MakeSweep(0, 1, 0, kSweepMessages).Message(), "step");
  EXPECT_EQ(MakeSweep(0, 1, NAN, kSweepMessages).Message(), "step");
  EXPECT_EQ(MakeSweep(1, 0, 0.1, kSweepMessages).Message(), "empty");
  EXPECT_EQ(MakeSweep(0, 1, 1e-5, kSweepMessages).Message(), "too many");
}

TEST(ImageFormatOf, TellsPngAndSvgByTheEndingInAnyCase) {
  EXPECT_EQ(ImageFormatOf("a/b.png"), ImageFormat::Png);
  EXPECT_EQ(ImageFormatOf("B.SVG"), ImageFormat::Svg);
  EXPECT_EQ(ImageFormatOf("plot.pdf"), std::nullopt);
  EXPECT_EQ(ImageFormatOf("png"), std::nullopt);
}

}  // namespace
}  // namespace kelvane::charts

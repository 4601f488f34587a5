// The charts along the span of one solution, and the planform of its wing.
#include "results/charts/SpanwiseCharts.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "model/Module_ortak.h"
#include "model/Numbers.h"
#include "results/charts/ChartStyle.h"
#include "results/charts/NiceScale.h"
#include "results/charts/SpanwiseSeries.h"

namespace kelvane::charts {
namespace {

constexpr int kAngleDecimals = 3;  // as the result boxes show angles and CL
constexpr int kCLDecimals = 5;
constexpr int kPositionDecimals = 3;
constexpr const char* kStallOnsetName = "Tutunma kaybı başlangıcı";
constexpr const char* kSectionMaxLiftName = "clmax, kesit polarlarından";
// The quarter-chord line lies on the span axis: the leading edge a quarter chord ahead of it.
constexpr double kLeadingEdge = 0.25;
constexpr double kTrailingEdge = -0.75;

// A value of each station, linear or of a section-polar solution, from the tip in to the root.
template <typename Station, typename Value>
std::vector<ChartPoint> StationPoints(const std::vector<Station>& stations, Value value) {
  std::vector<ChartPoint> points;
  points.reserve(stations.size());
  for (const Station& station : stations) points.push_back({station.y, value(station)});
  return points;
}

std::string Rounded(double value, int decimals) { return PlainNumberText(RoundTo(value, decimals)); }

std::vector<ChartPoint> Outline(const std::vector<std::pair<double, double>>& chordsTipToRoot) {
  std::vector<ChartPoint> leading, trailing;
  for (const auto& [y, c] : chordsTipToRoot) {
    leading.push_back({y, kLeadingEdge * c});
    trailing.push_back({y, kTrailingEdge * c});
  }
  std::vector<ChartPoint> outline = WholeSpan(leading);
  std::vector<ChartPoint> back = WholeSpan(trailing);
  outline.insert(outline.end(), back.rbegin(), back.rend());
  outline.push_back(outline.front());  // closed at the left tip
  return outline;
}

}  // namespace

Chart CirculationChart(const Module_ortak& m, const SpanwiseResults& spanwise) {
  std::vector<ChartPoint> wing{{m.y[0], 0}};  // no wing carries circulation past its tip
  for (const ChartPoint& point : StationPoints(spanwise.stations, [](const StationValues& s) { return s.Gamma; }))
    wing.push_back(point);
  std::vector<ChartPoint> elliptic;
  for (int k = 0; k <= static_cast<int>(m.nE); ++k) elliptic.push_back({m.yE[k], m.GammaE[k]});

  Chart chart = SpanwiseChart(m, "Dolaşım dağılımı");
  chart.series.push_back(NamedSeries(kWingName, WholeSpan(wing), kWingColor));
  chart.series.push_back(NamedSeries(kEllipticWingName, WholeSpan(elliptic), kEllipticColor, Dash::Dashed));
  chart.y = ValueAxis("Γ/V∞ (m)", chart.series);
  return chart;
}

Chart LocalLiftChart(const Module_ortak& m, const SpanwiseResults& spanwise, const std::optional<StallOnset>& stall,
                     const SectionPolarSpan* sectionPolars) {
  Chart chart = SpanwiseChart(m, "Yerel kaldırma katsayısı");
  const auto cl = [](const StationValues& s) { return s.cl; };
  chart.series.push_back(NamedSeries("cl", WholeSpan(StationPoints(spanwise.stations, cl)), kWingColor));
  if (spanwise.maxLift) {
    const auto clmax = [](const StationValues& s) { return s.clmax.value_or(NAN); };
    chart.series.push_back(
        NamedSeries("clmax", WholeSpan(StationPoints(spanwise.stations, clmax)), kLimitColor, Dash::Dashed));
    if (stall) {
      chart.markers.push_back(
          {.name = StallOnsetText(*stall),
           .xs = stall->y == 0 ? std::vector<double>{0} : std::vector<double>{0 - stall->y, stall->y},
           .color = kMarkerColor,
           .dash = Dash::Dashed});
    }
  }
  if (sectionPolars) {
    const double clmaxK = sectionPolars->polars.root.MaxLift().cl;
    const double clmaxU = sectionPolars->polars.tip.MaxLift().cl;
    const auto blended = [&](const PolarStation& s) {
      const double eta = s.y / m.SemiSpan;
      return (1 - eta) * clmaxK + eta * clmaxU;
    };
    const auto polarLift = [](const PolarStation& s) { return s.cl; };
    chart.series.push_back(NamedSeries(std::string("cl, ") + kSectionPolarName,
                                       WholeSpan(StationPoints(sectionPolars->solution.stations, polarLift)),
                                       kSecondColor));
    chart.series.push_back(NamedSeries(kSectionMaxLiftName,
                                       WholeSpan(StationPoints(sectionPolars->solution.stations, blended)),
                                       kSecondColor, Dash::Dotted));
  }
  chart.y = ValueAxis("cl", chart.series);
  return chart;
}

Chart ProfileDragChart(const Module_ortak& m, const PolarSolution& solution) {
  Chart chart = SpanwiseChart(m, "Yerel profil sürükleme katsayısı");
  const auto drag = [](const PolarStation& s) { return s.cd; };
  chart.series.push_back(NamedSeries(std::string("cd, ") + kSectionPolarName,
                                     WholeSpan(StationPoints(solution.stations, drag)), kSecondColor));
  chart.y = ValueAxis("cd", chart.series);
  return chart;
}

std::string StallOnsetText(const StallOnset& stall) {
  const std::string side = stall.y == 0 ? "" : "±";
  return std::string(kStallOnsetName) + ": αkök = " + Rounded(stall.AlfaK, kAngleDecimals) +
         "°, CL = " + Rounded(stall.CL, kCLDecimals) + ", y = " + side + Rounded(stall.y, kPositionDecimals) + " m";
}

Chart AnglesChart(const Module_ortak& m, const SpanwiseResults& spanwise) {
  const double s = m.SemiSpan;
  const auto effective = [](const StationValues& v) { return v.AlfaE; };
  const auto induced = [](const StationValues& v) { return v.AlfaI; };
  Chart chart = SpanwiseChart(m, "Hücum açıları");
  chart.series.push_back(
      NamedSeries("αe, etkin hücum açısı", WholeSpan(StationPoints(spanwise.stations, effective)), kWingColor));
  chart.series.push_back(NamedSeries("αi, indüklenmiş hücum açısı",
                                     WholeSpan(StationPoints(spanwise.stations, induced)), kSecondColor, Dash::Dashed));
  chart.series.push_back(NamedSeries(std::string(kEllipticWingName) + ", αe", {{0 - s, m.AlfaEE}, {s, m.AlfaEE}},
                                     kEllipticColor, Dash::Dotted));
  chart.y = ValueAxis("α (°)", chart.series);
  return chart;
}

Chart PlanformChart(const Module_ortak& m, PlanformType type) {
  std::vector<std::pair<double, double>> stations;
  for (int i = 0; i <= static_cast<int>(m.N); ++i) stations.emplace_back(m.y[i], m.c[i]);

  Chart chart = SpanwiseChart(m, "Kanat üst görünümü");
  chart.equalScales = true;
  Series chords = NamedSeries("İstasyonlar", {}, kStationColor);
  for (const auto& [y, c] : stations) {
    for (const double side : {0 - y, y}) {
      chords.points.push_back({side, kLeadingEdge * c});
      chords.points.push_back({side, kTrailingEdge * c});
      chords.points.push_back({NAN, NAN});
    }
  }
  chart.series.push_back(std::move(chords));
  chart.wingSeries = chart.series.size();  // the outline, next

  if (type == PlanformType::Trapezoidal) {
    std::vector<std::pair<double, double>> panels;
    for (int k = 1; k <= static_cast<int>(m.nTrap) + 1; ++k) panels.emplace_back(m.yTrap[k], m.cTrap[k]);
    std::vector<std::pair<double, double>> ellipse;
    for (int k = 0; k <= static_cast<int>(m.nE); ++k) ellipse.emplace_back(m.yE[k], m.cE[k]);
    chart.series.push_back(NamedSeries(kWingName, Outline(panels), kWingColor));
    chart.series.push_back(NamedSeries(kEllipticWingName, Outline(ellipse), kEllipticColor, Dash::Dashed));
  } else {
    chart.series.push_back(NamedSeries(kWingName, Outline(stations), kWingColor));
  }
  chart.y = ValueAxis("x (m)", chart.series);
  return chart;
}

}  // namespace kelvane::charts

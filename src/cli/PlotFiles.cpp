// The charts kelvane-solve draws into files, through the chart module.
#include "cli/PlotFiles.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/ChartModule.h"
#include "model/MessageText.h"
#include "results/charts/ChartSource.h"
#include "results/charts/Overlay.h"
#include "results/charts/PolarCharts.h"
#include "results/charts/SpanwiseCharts.h"

namespace kelvane::cli {
namespace {

using ChartsOf = std::function<std::vector<charts::Chart>(PlotKind)>;

ExitStatus WritePlots(const std::vector<PlotRequest>& plots, const ChartsOf& chartsOf, std::ostream& err) {
  if (plots.empty()) return kSuccess;
  std::string fault;
  const std::unique_ptr<chartpaint::ChartFileEncoder> encoder = OpenChartEncoder(fault);
  if (!encoder) {
    err << LimitMessage(kProgramPrefix + ("cannot draw charts: " + fault)) << '\n';
    return kRejected;
  }
  for (const PlotRequest& plot : plots) {
    const std::string image = encoder->Encode(chartsOf(plot.kind), *charts::ImageFormatOf(plot.path));
    if (const ExitStatus written = WriteNamedFile(plot.path, image, err); written != kSuccess) return written;
  }
  return kSuccess;
}

SolutionMode ModeOf(const Arguments& args) { return args.givenCL ? SolutionMode::GivenCL : SolutionMode::GivenAngle; }

std::vector<charts::Chart> SolutionCharts(PlotKind kind, const Module_ortak& record, PlanformType planform,
                                          const SpanwiseResults& spanwise, const std::optional<StallOnset>& stall) {
  switch (kind) {
    case PlotKind::Planform: return {charts::PlanformChart(record, planform)};
    case PlotKind::Circulation: return {charts::CirculationChart(record, spanwise)};
    case PlotKind::Lift: return {charts::LocalLiftChart(record, spanwise, stall)};
    case PlotKind::Angles: return {charts::AnglesChart(record, spanwise)};
    case PlotKind::Polar: break;  // refused with the command line
  }
  return {};
}

std::vector<charts::Chart> PolarCharts(std::span<const PolarPoint> polar) {
  return {charts::LiftCurveChart(polar), charts::DragPolarChart(polar)};
}

// The own charts, subtitled with their source, and each compared wing's charts laid over them under its
// legend text.
std::vector<charts::Chart> WithCompared(std::vector<charts::Chart> own, const charts::ChartSource& source,
                                        std::span<const ComparedWing> compared,
                                        const std::function<std::vector<charts::Chart>(const ComparedWing&)>& chartsOf,
                                        const std::function<std::string(const ComparedWing&)>& legendOf) {
  for (charts::Chart& chart : own) chart.subtitle = charts::Subtitle(source);
  for (std::size_t k = 0; k < compared.size(); ++k)
    charts::LayOver(own, chartsOf(compared[k]), legendOf(compared[k]), charts::kOverlayStyles[k]);
  return own;
}

}  // namespace

ExitStatus WriteSolutionPlots(const Arguments& args, const Module_ortak& record, PlanformType planform,
                              const SpanwiseResults& spanwise, const std::optional<StallOnset>& stall,
                              std::span<const ComparedWing> compared, std::ostream& err) {
  const SolutionMode mode = ModeOf(args);
  return WritePlots(
      args.plots,
      [&](PlotKind kind) {
        return WithCompared(
            SolutionCharts(kind, record, planform, spanwise, stall),
            charts::SolutionSource(charts::WingNameOf(args.config), record, mode), compared,
            [kind](const ComparedWing& other) {
              return SolutionCharts(kind, *other.record, other.planform, other.spanwise, std::nullopt);
            },
            [mode](const ComparedWing& other) {
              return charts::Subtitle(charts::SolutionSource(other.name, *other.record, mode));
            });
      },
      err);
}

ExitStatus WritePolarPlots(const Arguments& args, const Module_ortak& record, std::span<const PolarPoint> polar,
                           std::span<const ComparedWing> compared, std::ostream& err) {
  const SolutionMode mode = ModeOf(args);
  const std::vector<double>& sweep = *args.sweep;
  return WritePlots(
      args.plots,
      [&](PlotKind) {
        return WithCompared(
            PolarCharts(polar), charts::SweepSource(charts::WingNameOf(args.config), mode, sweep, record.N), compared,
            [](const ComparedWing& other) { return PolarCharts(other.polar); },
            // The same sweep and station count as the own wing's, which the subtitle gives.
            [](const ComparedWing& other) { return other.name; });
      },
      err);
}

}  // namespace kelvane::cli

// The charts kelvane-solve draws into files, through the chart module.
#include "cli/PlotFiles.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/ChartModule.h"
#include "model/MessageText.h"
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

}  // namespace

ExitStatus WriteSolutionPlots(const Arguments& args, const Module_ortak& record, PlanformType planform,
                              const SpanwiseResults& spanwise, const std::optional<StallOnset>& stall,
                              std::ostream& err) {
  return WritePlots(
      args.plots,
      [&](PlotKind kind) -> std::vector<charts::Chart> {
        switch (kind) {
          case PlotKind::Planform: return {charts::PlanformChart(record, planform)};
          case PlotKind::Circulation: return {charts::CirculationChart(record, spanwise)};
          case PlotKind::Lift: return {charts::LocalLiftChart(record, spanwise, stall)};
          case PlotKind::Angles: return {charts::AnglesChart(record, spanwise)};
          case PlotKind::Polar: break;  // refused with the command line
        }
        return {};
      },
      err);
}

ExitStatus WritePolarPlots(const Arguments& args, std::span<const PolarPoint> polar, std::ostream& err) {
  return WritePlots(
      args.plots,
      [&](PlotKind) -> std::vector<charts::Chart> {
        return {charts::LiftCurveChart(polar), charts::DragPolarChart(polar)};
      },
      err);
}

}  // namespace kelvane::cli

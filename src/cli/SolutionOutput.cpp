// What kelvane-solve prints and writes for one solution, in the order that keeps a failure from printing.
#include "cli/SolutionOutput.h"

#include <optional>
#include <utility>

#include "cli/LoadText.h"
#include "cli/PlotFiles.h"
#include "cli/ResultText.h"
#include "results/PolarWing.h"

namespace kelvane::cli {

ExitStatus ReportSolution(const Arguments& args, const batch::SolvedWing& solved, const batch::BatchSession& session,
                          std::span<const ComparedWing> compared, std::ostream& out, std::ostream& err) {
  std::optional<SpanLoads> loads;
  if (args.WantsLoads()) {
    Expected<SpanLoads> computed = LinearSpanLoads(session.Record(), args.AirDensity());
    if (!computed) return Reject(computed.Refusal(), err);
    loads = std::move(*computed);
  }
  if (args.spanwise) {
    if (const ExitStatus written = WriteNamedFile(*args.spanwise, SpanwiseCsv(solved.spanwise), err);
        written != kSuccess)
      return written;
  }
  if (args.loads)
    if (const ExitStatus written = WriteNamedFile(*args.loads, LoadsCsv(*loads), err); written != kSuccess)
      return written;
  if (const ExitStatus plotted = WriteSolutionPlots(args, session.Record(), *session.GetWing().planform,
                                                    solved.spanwise, solved.stall, compared, err);
      plotted != kSuccess)
    return plotted;

  if (args.json) {
    out << ResultsJson(solved.point, solved.spanwise, solved.stall, *loads);
  } else {
    out << ResultBoxesText(solved.point);
    if (args.clmax) out << StallOnsetLine(solved.stall);
    if (args.rho) out << LoadLines(*loads, *args.rho);
  }
  return kSuccess;
}

}  // namespace kelvane::cli

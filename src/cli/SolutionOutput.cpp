// What kelvane-solve prints and writes for one solution, in the order that keeps a failure from printing.
#include "cli/SolutionOutput.h"

#include "cli/PlotFiles.h"
#include "cli/ResultText.h"

namespace kelvane::cli {

ExitStatus ReportSolution(const Arguments& args, const batch::SolvedWing& solved, const batch::BatchSession& session,
                          std::ostream& out, std::ostream& err) {
  if (args.spanwise) {
    if (const ExitStatus written = WriteNamedFile(*args.spanwise, SpanwiseCsv(solved.spanwise), err);
        written != kSuccess)
      return written;
  }
  if (const ExitStatus plotted = WriteSolutionPlots(args, session.Record(), *session.GetWing().planform, solved.spanwise,
                                                      solved.stall, err);
      plotted != kSuccess)
    return plotted;

  if (args.json) {
    out << ResultsJson(solved.point, solved.spanwise, solved.stall);
  } else {
    out << ResultBoxesText(solved.point);
    if (args.clmax) out << StallOnsetLine(solved.stall);
  }
  return kSuccess;
}

}  // namespace kelvane::cli

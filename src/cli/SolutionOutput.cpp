#include "cli/SolutionOutput.h"

#include "cli/PlotFiles.h"
#include "cli/ResultText.h"

namespace kelvane::cli {

ExitStatus ReportSolution(const Arguments& args, const batch::SolvedWing& solved, const ui::Form_Wing& form,
                          std::ostream& out, std::ostream& err) {
  if (args.spanwise) {
    if (const ExitStatus written = WriteNamedFile(*args.spanwise, SpanwiseCsv(solved.spanwise), err);
        written != kSuccess)
      return written;
  }
  if (const ExitStatus plotted = WriteSolutionPlots(args, form, solved.spanwise, solved.stall, err);
      plotted != kSuccess)
    return plotted;

  if (args.json) {
    out << ResultsJson(solved.point, solved.spanwise, solved.stall);
  } else {
    out << ResultBoxesText(form);
    if (args.clmax) out << StallOnsetLine(solved.stall);
  }
  return kSuccess;
}

}  // namespace kelvane::cli

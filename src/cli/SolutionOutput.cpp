#include "cli/SolutionOutput.h"

#include <optional>
#include <string>

#include "cli/PlotFiles.h"
#include "cli/ResultText.h"
#include "results/SpanwiseResults.h"
#include "results/StallOnset.h"
#include "ui/Form_Wing.h"

namespace kelvane::cli {

ExitStatus ReportSolution(const Arguments& args, ui::Form_Wing& form, std::ostream& out, std::ostream& err) {
  const SpanwiseResults spanwise = ReadSpanwiseResults(args.clmax);
  std::optional<StallOnset> stall;
  if (args.clmax) {
    const StallSearch search = FindStallOnset(*args.clmax);
    if (search.fault) {
      form.MsgBox(SolveFaultMessage(*search.fault));
      return kRejected;
    }
    stall = search.onset;
  }

  if (args.spanwise) {
    if (const ExitStatus written = WriteNamedFile(*args.spanwise, SpanwiseCsv(spanwise), err); written != kSuccess)
      return written;
  }
  if (const ExitStatus plotted = WriteSolutionPlots(args, form, spanwise, stall, err); plotted != kSuccess)
    return plotted;

  if (args.json) {
    out << ResultsJson(SolvedPoint(form), spanwise, stall);
  } else {
    out << ResultBoxesText(form);
    if (args.clmax) out << StallOnsetLine(stall);
  }
  return kSuccess;
}

}  // namespace kelvane::cli

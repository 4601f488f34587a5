// What the chart module offers kelvane-solve: chart descriptions in, PNG or SVG file contents out. The tool
// loads the module only when it draws, so a run without --plot starts without Qt; this header is all the
// two share, and it names no Qt type.
#pragma once

#include <span>
#include <string>

#include "results/charts/Chart.h"
#include "results/charts/ImageFormat.h"

namespace kelvane::chartpaint {

// Holds the Qt session painting needs from its creation to its end, so one encoder serves all the charts
// of a run.
class ChartFileEncoder {
 public:
  virtual ~ChartFileEncoder() = default;
  // The charts side by side in one picture of the size a chart file has.
  virtual std::string Encode(std::span<const charts::Chart> charts, charts::ImageFormat format) = 0;
};

// The module's one entry point. The two sides share C++ types, so they must come from the same build: the
// module gives nothing when the version it is asked for is not its own.
using CreateChartFileEncoder = ChartFileEncoder*(const char* version);
inline constexpr char kCreateChartFileEncoderName[] = "kelvane_CreateChartFileEncoder";

// The module's file name, the same in the build folder and where it is installed.
inline constexpr char kChartModuleFileName[] = "kelvane-chartfiles.so";

}  // namespace kelvane::chartpaint

// kelvane-solve paints its charts with Qt through a module it loads only for --plot, so that every other
// run starts without Qt's libraries.
#pragma once

#include <memory>
#include <string>

#include "chartpaint/ChartFileEncoder.h"

namespace kelvane::cli {

// An encoder from the chart module beside the program (the build folder, or a copy unpacked anywhere), or
// else from the library folder it is installed to. Nothing when no module loads, with the reason in fault.
std::unique_ptr<chartpaint::ChartFileEncoder> OpenChartEncoder(std::string& fault);

}  // namespace kelvane::cli

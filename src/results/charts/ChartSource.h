// What a chart or an export of a solution shows, worded for its reader: the wing's name and its operating
// point. The results window and kelvane-solve word them alike.
#pragma once

#include <span>
#include <string>

#include "model/Module_ortak.h"
#include "solver/LiftingLine.h"

namespace kelvane::charts {

// Between the parts of a source's wording.
inline constexpr const char* kSourceSeparator = " · ";

struct ChartSource {
  std::string wing;            // the name the wing goes by
  std::string operatingPoint;  // "αkök = 5° · CL = 0.4123 · N = 21"
};

// The name a wing read from a configuration file goes by: the file's name, without its folders.
std::string WingNameOf(const std::string& configPath);

// One solution: the root angle and CL as the result boxes round them, the given one first, then the station
// count.
ChartSource SolutionSource(std::string wing, const Module_ortak& m, SolutionMode mode);

// A polar: the range swept, "αkök = -4° … 12° (17 nokta)" (CL's in the given-CL mode), then the station
// count.
ChartSource SweepSource(std::string wing, SolutionMode mode, std::span<const double> values, double N);

// "başlangıç kanadı · αkök = 5° · CL = 0.4123 · N = 21"
std::string Subtitle(const ChartSource& source);

// The "# " lines an export starts with: the wing, the operating point and the program's version.
std::string CsvPreamble(const ChartSource& source);

}  // namespace kelvane::charts

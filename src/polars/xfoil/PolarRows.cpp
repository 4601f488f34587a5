// Counts the converged rows of an XFoil polar file, below its line of dashes.
#include "polars/xfoil/PolarRows.h"

namespace kelvane::xfoil {
namespace {

constexpr std::string_view kBlanks = " \t\r";

bool IsBlank(std::string_view line) { return line.find_first_not_of(kBlanks) == std::string_view::npos; }

bool IsDashLine(std::string_view line) {
  return line.find('-') != std::string_view::npos && line.find_first_not_of(" \t\r-") == std::string_view::npos;
}

}  // namespace

int CountPolarRows(std::string_view text) {
  bool belowDashes = false;
  int rows = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    if (belowDashes && !IsBlank(line)) ++rows;
    if (!belowDashes && IsDashLine(line)) belowDashes = true;
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return rows;
}

}  // namespace kelvane::xfoil

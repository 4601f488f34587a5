// Counts the rows of an XFoil polar file, one per angle XFoil converged at.
#pragma once

#include <string_view>

namespace kelvane::xfoil {

// The non-blank lines after the first line made of dashes and blanks; 0 when there is no such line.
int CountPolarRows(std::string_view text);

}  // namespace kelvane::xfoil

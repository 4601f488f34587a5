// A section's coordinate file as XFoil's LOAD reads it: Selig order under a name line.
#pragma once

#include <string>
#include <string_view>

namespace kelvane::xfoil {

// The file's text for XFoil. A Selig file (a name line, then the points from the trailing edge over the
// upper side and back along the lower side) stays as it is. A Lednicer file (a name line, the upper and
// lower point counts, then each side from the leading edge to the trailing edge), which XFoil would take
// for a Selig file, is put in Selig order; a bare list of points, for which XFoil would stop to ask for a
// name, gets the name given. Anything else is left for XFoil to judge.
std::string SeligText(std::string_view content, std::string_view name);

}  // namespace kelvane::xfoil

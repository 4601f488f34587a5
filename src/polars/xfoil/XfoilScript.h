// The commands XFoil reads on its standard input for one polar.
#pragma once

#include <string>
#include <string_view>

namespace kelvane::xfoil {

// The fixed script that made the shipped polars: graphics off, the section ("NACA 2412", or "LOAD
// section.dat"), repanelled, viscous at the Reynolds number with 300 iterations a point, accumulated into
// polarFile from 0 down to -10 degrees and, from a fresh boundary layer, from 0.5 up to 25 in half degrees.
// The same script gives the same file, byte for byte.
std::string XfoilScript(std::string_view sectionCommand, std::string_view reynoldsText, std::string_view polarFile);

}  // namespace kelvane::xfoil

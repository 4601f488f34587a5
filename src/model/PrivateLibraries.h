// Where the program finds the libraries it brings along but loads or hands on only when needed (the chart
// module, the floating-point trap switch for XFoil): beside itself, then in the installed library folder.
#pragma once

#include <filesystem>
#include <vector>

namespace kelvane {

// The program's own folder (the build folder, or a copy unpacked anywhere), then the installation's library
// folder found from it, so that an installation under any prefix takes its own libraries. Empty when the
// program's own file is unknown.
std::vector<std::filesystem::path> PrivateLibraryFolders();

}  // namespace kelvane

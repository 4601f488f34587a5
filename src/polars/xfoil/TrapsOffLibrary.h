// The floating-point trap switch preloaded into XFoil (see polars/nofpe/NoFpe.cpp): its file name and
// where the program finds it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kelvane::xfoil {

// The library's file name; src/CMakeLists.txt builds it under this name.
inline constexpr const char* kTrapsOffLibraryFileName = "kelvane-nofpe.so";

// The library beside the program (the build folder) or in the installed library folder; nothing, with the
// places searched in fault, when neither holds it.
std::optional<std::filesystem::path> FindTrapsOffLibrary(std::string& fault);

}  // namespace kelvane::xfoil

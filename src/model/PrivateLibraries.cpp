// The search folders for the program's private libraries, found from the running program's own file.
#include "model/PrivateLibraries.h"

#include <system_error>

namespace kelvane {

std::vector<std::filesystem::path> PrivateLibraryFolders() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  const std::filesystem::path folder = program.parent_path();
  return {folder, (folder / KELVANE_LIBRARIES_FROM_PROGRAM).lexically_normal()};
}

}  // namespace kelvane

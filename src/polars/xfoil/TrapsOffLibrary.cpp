// Finds the floating-point trap switch where the program's private libraries are.
#include "polars/xfoil/TrapsOffLibrary.h"

#include <system_error>

#include "model/MessageText.h"
#include "model/PrivateLibraries.h"

namespace kelvane::xfoil {

std::optional<std::filesystem::path> FindTrapsOffLibrary(std::string& fault) {
  std::string searched;
  for (const std::filesystem::path& folder : PrivateLibraryFolders()) {
    const std::filesystem::path library = folder / kTrapsOffLibraryFileName;
    std::error_code error;
    if (std::filesystem::is_regular_file(library, error)) return library;
    searched += (searched.empty() ? "" : " ya da ") + PathForMessage(folder.string());
  }
  fault = LimitMessage(std::string(kTrapsOffLibraryFileName) + " bulunamadı" +
                       (searched.empty() ? "" : ": " + searched + " klasöründe yok"));
  return std::nullopt;
}

}  // namespace kelvane::xfoil

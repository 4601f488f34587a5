// A fresh folder of the user's own under the temporary folder, removed with everything in it at the end.
#pragma once

#include <filesystem>
#include <string>

#include "model/Outcome.h"

namespace kelvane::xfoil {

class PrivateFolder {
 public:
  PrivateFolder() = default;
  ~PrivateFolder();
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;

  // Makes the folder, named from prefix and readable by the user alone.
  Outcome Create(const std::string& prefix);
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace kelvane::xfoil

// Makes and removes a private temporary folder.
#include "polars/xfoil/PrivateFolder.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "model/FileErrorText.h"
#include "model/MessageText.h"

namespace kelvane::xfoil {

PrivateFolder::~PrivateFolder() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

Outcome PrivateFolder::Create(const std::string& prefix) {
  std::error_code error;
  const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
  if (error) return Outcome::Refused("Geçici klasör bulunamadı: " + FileErrorText(error.value()));
  // mkdtemp makes the folder with mode 0700 and a name no one else can have taken.
  std::string pattern = (temporary / (prefix + "-XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr)
    return Outcome::Refused(LimitMessage(PathForMessage(temporary.string()) +
                                         " klasöründe geçici klasör açılamadı: " + FileErrorText(errno)));
  path_ = pattern;
  return Outcome::Done();
}

}  // namespace kelvane::xfoil

// Finding, checking and loading the chart module that draws kelvane-solve's --plot files.
#include "cli/ChartModule.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include <dlfcn.h>

#include "cli/SharedObjectCheck.h"
#include "model/MessageText.h"
#include "model/PrivateLibraries.h"
#include "model/Version.h"

namespace kelvane::cli {
namespace {

std::string LoadFault(const std::filesystem::path& module, std::string_view reason) {
  return "cannot load " + PathForMessage(module.string()) + ": " + std::string(reason);
}

// dlerror's text, without the module's own path in front when it names it: the message names it once.
std::string LoadFault(const std::filesystem::path& module) {
  const char* const text = dlerror();
  std::string_view reason = text ? text : "unknown error";
  if (const std::string prefix = module.string() + ": "; reason.starts_with(prefix))
    reason.remove_prefix(prefix.size());
  return LoadFault(module, reason);
}

}  // namespace

std::unique_ptr<chartpaint::ChartFileEncoder> OpenChartEncoder(std::string& fault) {
  std::string searched;
  for (const std::filesystem::path& folder : PrivateLibraryFolders()) {
    const std::filesystem::path module = folder / chartpaint::kChartModuleFileName;
    std::error_code error;
    if (!std::filesystem::exists(module, error)) {
      searched += (searched.empty() ? "" : " or in ") + PathForMessage(folder.string());
      continue;
    }
    // The first module found is the one used: a broken one beside the program is reported, not passed over
    // for an installed one of another build. Once Qt has started it cannot be unloaded safely, so the module
    // stays until the program ends.
    if (const Outcome whole = CheckSharedObject(module); whole.IsRefused()) {
      fault = LoadFault(module, whole.Message());
      return nullptr;
    }
    void* const handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
      fault = LoadFault(module);
      return nullptr;
    }
    const auto create =
        reinterpret_cast<chartpaint::CreateChartFileEncoder*>(dlsym(handle, chartpaint::kCreateChartFileEncoderName));
    if (create == nullptr) {
      fault = LoadFault(module);
      return nullptr;
    }
    std::unique_ptr<chartpaint::ChartFileEncoder> encoder(create(kVersion));
    if (!encoder) fault = PathForMessage(module.string()) + " belongs to another version of Kelvane";
    return encoder;
  }
  fault =
      std::string(chartpaint::kChartModuleFileName) +
      (searched.empty() ? " was not looked for: the program's own folder is unknown" : " was not found in " + searched);
  return nullptr;
}

}  // namespace kelvane::cli

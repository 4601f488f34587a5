// Polar names between a project file's folder and the working directory.
#include "project/ProjectPaths.h"

#include <functional>
#include <optional>
#include <system_error>

#include "polars/xfoil/PolarRequest.h"

namespace kelvane::project {
namespace {

namespace fs = std::filesystem;

using PathChange = std::function<fs::path(const fs::path&)>;

// The polar with its file changed: the polar file itself, or a request's coordinate file; a NACA request
// names no file.
std::string WithFileChanged(std::string_view polar, const PathChange& change) {
  if (const std::optional<std::string_view> file = xfoil::RequestCoordinateFile(polar))
    return change(fs::path(*file)).string() + std::string(polar.substr(file->size()));
  if (xfoil::NamesXfoilPolar(polar)) return std::string(polar);
  return change(fs::path(polar)).string();
}

fs::path Absolute(const fs::path& path) {
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error);
  return (error ? path : absolute).lexically_normal();
}

}  // namespace

fs::path ProjectFolder(const std::string& path) { return Absolute(path).parent_path(); }

std::string PolarFromProject(std::string_view polar, const fs::path& folder) {
  return WithFileChanged(polar, [&folder](const fs::path& file) { return file.is_absolute() ? file : folder / file; });
}

ProjectPolars PolarsFromProject(const ProjectPolars& polars, const fs::path& folder) {
  return {PolarFromProject(polars.root, folder), PolarFromProject(polars.tip, folder)};
}

std::string PolarForProject(std::string_view polar, const fs::path& folder) {
  return WithFileChanged(polar, [&folder](const fs::path& file) {
    const fs::path absolute = Absolute(file);
    const fs::path inside = absolute.lexically_relative(Absolute(folder));
    return !inside.empty() && *inside.begin() != ".." ? inside : absolute;
  });
}

}  // namespace kelvane::project

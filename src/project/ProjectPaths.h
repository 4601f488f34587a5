// The file names in a project: relative ones start from the project file's folder, so that a folder with its
// project and polars can move as a whole.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "project/Project.h"

namespace kelvane::project {

// The folder of the project file at path, made absolute where the working directory allows.
std::filesystem::path ProjectFolder(const std::string& path);

// A polar as the project names it, as the rest of the program takes it: a relative polar file, or the
// relative coordinate file of an XFoil request, joined to the project's folder; the rest as it is.
std::string PolarFromProject(std::string_view polar, const std::filesystem::path& folder);
ProjectPolars PolarsFromProject(const ProjectPolars& polars, const std::filesystem::path& folder);

// A polar (a file, relative to the working directory, or an XFoil request) as a project in folder names it:
// a file inside the folder relative to it, any other file by its absolute path.
std::string PolarForProject(std::string_view polar, const std::filesystem::path& folder);

}  // namespace kelvane::project

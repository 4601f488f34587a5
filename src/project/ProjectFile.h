// Project files: the reader that turns one into a Project, refusing with a message that names the key at
// fault, and the writer of a Project's text. Numbers are written in their shortest form that reads back to
// the same double, so a saved project gives the same numbers bit for bit.
#pragma once

#include <string>
#include <string_view>

#include "model/Outcome.h"
#include "project/Project.h"

namespace kelvane::project {

// The project in content, the text of the file named fileName (for messages). Keys other than "kelvane" and
// "wing" may be left out: they then hold what a fresh window holds. Unknown keys, values of the wrong type
// and a "kelvane" version other than kProjectVersion are refused.
Expected<Project> ReadProjectText(const std::string& fileName, std::string_view content);
// The same from the file itself; a file that cannot be read, or is far too large for a project, is refused.
Expected<Project> ReadProjectFile(const std::string& path);

// The file's text, UTF-8 JSON: every key, the wing's panels only for a trapezoid. The numbers must be finite.
std::string ProjectText(const Project& project);

}  // namespace kelvane::project

// A module is looked at before dlopen maps it: the dynamic loader trusts the file's headers, and a cut-off
// or foreign file makes it fail an assertion or the program die of SIGBUS when a mapped page is missing.
#pragma once

#include <filesystem>

#include "model/Outcome.h"

namespace kelvane::cli {

// Done when file is a whole ELF shared object for the machine and word size this program runs on: its
// header, program headers, segments and section headers all lie within the file. Otherwise refused with the
// reason (English, to follow "cannot load FILE: ").
Outcome CheckSharedObject(const std::filesystem::path& file);

}  // namespace kelvane::cli

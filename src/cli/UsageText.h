// kelvane-solve's help text.
#pragma once

#include <string>

namespace kelvane::cli {

// The help text; the values --json, --sweep and --loads give are named from the table of result quantities.
std::string UsageText();

}  // namespace kelvane::cli

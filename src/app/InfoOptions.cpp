// kelvane --version and --help, answered before any window or display is needed.
#include "app/InfoOptions.h"

#include <algorithm>

#include "model/Version.h"

namespace kelvane::app {

std::optional<int> AnswerInfoOption(std::span<const std::string_view> args, std::ostream& out) {
  const auto given = [&](std::string_view option) { return std::ranges::find(args, option) != args.end(); };
  if (given("--help")) {
    out << kUsage;
  } else if (given("--version")) {
    out << "kelvane " << kVersion << '\n';
  } else {
    return std::nullopt;
  }
  out.flush();
  return out ? 0 : 1;
}

}  // namespace kelvane::app

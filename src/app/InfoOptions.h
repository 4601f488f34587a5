// The window's command line: --version and --help answer on standard output and end the program before
// any window or display is needed; every other argument goes on to Qt.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string_view>

namespace kelvane::app {

inline constexpr const char* kUsage =
    "Usage: kelvane [--version | --help]\n"
    "\n"
    "Opens the Kelvane window: describe a wing, solve it with Prandtl's lifting-line model and see its\n"
    "coefficients and spanwise distributions. PLL.txt, LastConfig.cfg and saved configurations are written\n"
    "in the working directory. Qt's own options, such as -platform NAME, are passed on to Qt.\n"
    "\n"
    "  --version   print the program's version\n"
    "  --help      print this text\n";

// The exit status when an argument asked for the version or the help text (printed to `out`), none when
// the window should open.
std::optional<int> AnswerInfoOption(std::span<const std::string_view> args, std::ostream& out);

}  // namespace kelvane::app
